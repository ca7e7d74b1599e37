// VE Zorozo, connection check: reads kw_zezido.ini from the current folder,
// connects through the configured ODBC data source and prints the tables of
// the database with their row counts. The windows of the program replace this.
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cstdio>
#include <sql.h>
#include <sqlext.h>
#include <string>
#include <vector>

namespace {

using namespace zorozo;

class Handle {
public:
    Handle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
        if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &h_)))
            h_ = SQL_NULL_HANDLE;
    }
    ~Handle() {
        if (h_ != SQL_NULL_HANDLE)
            SQLFreeHandle(type_, h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    SQLHANDLE get() const { return h_; }

private:
    SQLSMALLINT type_;
    SQLHANDLE h_ = SQL_NULL_HANDLE;
};

std::string diagnostics(SQLSMALLINT type, SQLHANDLE h) {
    SQLCHAR state[6] = {}, msg[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT len = 0;
    if (SQL_SUCCEEDED(SQLGetDiagRec(type, h, 1, state, &native, msg, sizeof msg, &len)))
        return reinterpret_cast<char*>(msg);
    return "unknown error";
}

std::vector<std::string> column_of(SQLHANDLE dbc, const std::string& sql) {
    std::vector<std::string> out;
    Handle stmt(SQL_HANDLE_STMT, dbc);
    std::string s = sql;
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(s.data()), SQL_NTS))) {
        std::fprintf(stderr, "%s: %s\n", sql.c_str(),
                     diagnostics(SQL_HANDLE_STMT, stmt.get()).c_str());
        return out;
    }
    while (SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
        char value[256] = {};
        SQLLEN ind = 0;
        SQLGetData(stmt.get(), 1, SQL_C_CHAR, value, sizeof value, &ind);
        out.emplace_back(ind == SQL_NULL_DATA ? "" : value);
    }
    return out;
}

} // namespace

int main() {
    auto file = paths::in_current_folder("kw_zezido.ini");
    auto get = [&](const char* key, const char* def) {
        return text::rtrim(ini::read(file, "kw_zezido", key, def));
    };
    std::string dsn = get("my:naziv", "google_pat");
    std::string user = get("my:user", "root");
    std::string stored = get("my:psw", "tarvomel.");
    std::string db = get("my:db", "app_reg");
    // The stored password is wrapped as "qz" + password + "pu907".
    std::string password = stored;
    if (password.size() >= 7 && password.starts_with("qz") && password.ends_with("pu907"))
        password = password.substr(2, password.size() - 7);

    Handle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    SQLSetEnvAttr(env.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    Handle dbc(SQL_HANDLE_DBC, env.get());
    std::string in = "DSN=" + dsn + ";UID=" + user + ";PWD=" + password + ";DATABASE=" + db + ";";
    SQLCHAR out[1024];
    SQLSMALLINT out_len = 0;
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc.get(), nullptr, reinterpret_cast<SQLCHAR*>(in.data()),
                                        SQL_NTS, out, sizeof out, &out_len, SQL_DRIVER_NOPROMPT))) {
        std::fprintf(stderr, "VE Zorozo: no connection to %s: %s\n", dsn.c_str(),
                     diagnostics(SQL_HANDLE_DBC, dbc.get()).c_str());
        return 1;
    }
    std::printf("VE Zorozo: connected to %s, database %s\n", dsn.c_str(), db.c_str());
    for (const auto& table : column_of(dbc.get(), "show tables from `" + db + "`")) {
        auto n = column_of(dbc.get(), "select count(*) from `" + db + "`.`" + table + "`");
        std::printf("  %-16s %s rows\n", table.c_str(), n.empty() ? "?" : n.front().c_str());
    }
    SQLDisconnect(dbc.get());
    return 0;
}
