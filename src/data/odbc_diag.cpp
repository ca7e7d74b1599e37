#include "data/odbc_diag.h"

#include <sqlext.h>

namespace zorozo::data {

std::string Diagnostic::code() const {
    return native != 0 ? std::to_string(native) : sqlstate;
}

std::string strip_tags(std::string message) {
    std::size_t pos = 0;
    while (pos < message.size() && message[pos] == '[') {
        const auto end = message.find(']', pos);
        if (end == std::string::npos) {
            break;
        }
        pos = end + 1;
    }
    while (pos < message.size() && message[pos] == ' ') {
        ++pos;
    }
    return message.substr(pos);
}

Diagnostic diagnostic(SQLSMALLINT type, SQLHANDLE handle) {
    Diagnostic d;
    SQLCHAR state[6] = {};
    SQLCHAR text[1024] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT len = 0;
    if (handle != SQL_NULL_HANDLE &&
        SQL_SUCCEEDED(SQLGetDiagRec(type, handle, 1, state, &native, text,
                                    static_cast<SQLSMALLINT>(sizeof text), &len))) {
        d.sqlstate = reinterpret_cast<const char*>(state);
        d.native = native;
        d.message = strip_tags(reinterpret_cast<const char*>(text));
    } else {
        d.message = "no diagnostic from the driver";
    }
    return d;
}

} // namespace zorozo::data
