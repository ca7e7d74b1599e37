#pragma once
// The first diagnostic record of an ODBC handle, with the driver's and the
// server's bracketed tags taken off the message. Caller's thread.

#include <sql.h>
#include <string>

namespace zorozo::data {

struct Diagnostic {
    std::string sqlstate{};
    long native = 0;
    std::string message{}; // the server's own words: "Table 'x.y' doesn't exist"
    // The code shown with the message: the native error number, or the
    // SQLSTATE when the driver gives none.
    std::string code() const;
};

Diagnostic diagnostic(SQLSMALLINT type, SQLHANDLE handle);

// The message without its leading "[...]" tags.
std::string strip_tags(std::string message);

} // namespace zorozo::data
