#pragma once
// The calling thread's ODBC connection, shared by that thread's files. Made
// on first use from the configured settings (config.h) and closed when the
// thread ends. Right after connecting, ANSI_QUOTES and NO_BACKSLASH_ESCAPES
// are taken out of the session's sql_mode: values are joined into statements
// between double quotes with backslash escapes.
//
// The calling thread only.

#include "data/odbc_diag.h"
#include "data/odbc_handle.h"

#include <string>

namespace zorozo::data {

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // True when connected (already, or now); otherwise failure holds the
    // driver's words.
    bool connect(Diagnostic& failure);
    bool connected() const { return connected_; }
    SQLHDBC handle() const { return dbc_.get(); }
    void disconnect();

private:
    bool clean_sql_mode(Diagnostic& failure);

    OdbcHandle env_;
    OdbcHandle dbc_;
    bool connected_ = false;
};

Connection& thread_connection();

// The sql_mode list without the modes that change quoting (ANSI_QUOTES,
// NO_BACKSLASH_ESCAPES, and ANSI, which implies ANSI_QUOTES). Pure.
std::string without_quoting_modes(const std::string& sql_mode);

} // namespace zorozo::data
