#include "data/connection.h"

#include "data/config.h"
#include "platform/text.h"

#include <sstream>

namespace zorozo::data {

namespace {

bool exec(SQLHSTMT stmt, const std::string& sql) {
    return SQL_SUCCEEDED(
        SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS));
}

} // namespace

std::string without_quoting_modes(const std::string& sql_mode) {
    std::string out;
    std::stringstream in(sql_mode);
    std::string mode;
    while (std::getline(in, mode, ',')) {
        if (mode.empty() || mode == "ANSI_QUOTES" || mode == "NO_BACKSLASH_ESCAPES" ||
            mode == "ANSI") {
            continue;
        }
        out += out.empty() ? "" : ",";
        out += mode;
    }
    return out;
}

Connection::~Connection() {
    disconnect();
}

void Connection::disconnect() {
    if (connected_) {
        SQLDisconnect(dbc_.get());
        connected_ = false;
    }
    dbc_.reset();
    env_.reset();
}

bool Connection::connect(Diagnostic& failure) {
    if (connected_) {
        return true;
    }
    if (!env_) {
        env_ = OdbcHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
        if (!env_) {
            failure = {"HY001", 0, "the ODBC environment could not be allocated"};
            return false;
        }
        SQLSetEnvAttr(env_.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                      0);
    }
    dbc_ = OdbcHandle(SQL_HANDLE_DBC, env_.get());
    if (!dbc_) {
        failure = diagnostic(SQL_HANDLE_ENV, env_.get());
        return false;
    }
    std::string in = connection_string(connection_settings());
    SQLCHAR out[1024];
    SQLSMALLINT out_len = 0;
    const SQLRETURN rc =
        SQLDriverConnect(dbc_.get(), nullptr, reinterpret_cast<SQLCHAR*>(in.data()), SQL_NTS, out,
                         sizeof out, &out_len, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        failure = diagnostic(SQL_HANDLE_DBC, dbc_.get());
        dbc_.reset();
        return false;
    }
    connected_ = true;
    if (!clean_sql_mode(failure)) {
        disconnect();
        return false;
    }
    return true;
}

bool Connection::clean_sql_mode(Diagnostic& failure) {
    OdbcHandle stmt(SQL_HANDLE_STMT, dbc_.get());
    if (!exec(stmt.get(), "SELECT @@SESSION.sql_mode") || !SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
        failure = diagnostic(SQL_HANDLE_STMT, stmt.get());
        return false;
    }
    char mode[2048] = {};
    SQLLEN ind = 0;
    SQLGetData(stmt.get(), 1, SQL_C_CHAR, mode, sizeof mode, &ind);
    SQLCloseCursor(stmt.get());
    const std::string current = ind == SQL_NULL_DATA ? "" : mode;
    const std::string wanted = without_quoting_modes(current);
    if (wanted == current) {
        return true;
    }
    // Single quotes here: the session may still have ANSI_QUOTES on.
    if (!exec(stmt.get(), "SET SESSION sql_mode='" + wanted + "'")) {
        failure = diagnostic(SQL_HANDLE_STMT, stmt.get());
        return false;
    }
    return true;
}

} // namespace zorozo::data
