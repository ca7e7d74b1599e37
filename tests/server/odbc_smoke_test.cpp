// Proves on a new machine that the private server, the MariaDB ODBC driver and
// the data source google_pat work together, with nothing of the program between.
#include "db_env.h"

#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>
#include <string>

namespace {

// One ODBC handle, freed when it goes out of scope.
class Handle {
public:
    Handle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
        if (SQLAllocHandle(type, parent, &h_) != SQL_SUCCESS)
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
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT len = 0;
    if (SQL_SUCCEEDED(SQLGetDiagRec(type, h, 1, state, &native, text, sizeof text, &len)))
        return std::string(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(text);
    return "(no diagnostics)";
}

TEST(OdbcDataSource, CountsEquipmentRowsThroughGooglePat) {
    ZOROZO_REQUIRE_SERVER(db);
    Handle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    ASSERT_TRUE(env.get() != SQL_NULL_HANDLE);
    SQLSetEnvAttr(env.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    Handle dbc(SQL_HANDLE_DBC, env.get());
    ASSERT_TRUE(dbc.get() != SQL_NULL_HANDLE);

    std::string in = "DSN=" + db.dsn + ";UID=" + db.user + ";PWD=" + db.password + ";";
    SQLCHAR out[1024];
    SQLSMALLINT out_len = 0;
    SQLRETURN rc = SQLDriverConnect(dbc.get(), nullptr, reinterpret_cast<SQLCHAR*>(in.data()),
                                    SQL_NTS, out, sizeof out, &out_len, SQL_DRIVER_NOPROMPT);
    ASSERT_TRUE(SQL_SUCCEEDED(rc)) << diagnostics(SQL_HANDLE_DBC, dbc.get());

    {
        Handle stmt(SQL_HANDLE_STMT, dbc.get());
        std::string sql = "select count(*) from app_reg.reg_oprema where idp > 0";
        rc = SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
        ASSERT_TRUE(SQL_SUCCEEDED(rc)) << diagnostics(SQL_HANDLE_STMT, stmt.get());
        ASSERT_TRUE(SQL_SUCCEEDED(SQLFetch(stmt.get())));
        char value[32] = {};
        SQLLEN ind = 0;
        ASSERT_TRUE(
            SQL_SUCCEEDED(SQLGetData(stmt.get(), 1, SQL_C_CHAR, value, sizeof value, &ind)));
        // The test server starts empty: the count arrives as the text 0.
        EXPECT_STREQ(value, "0");
        EXPECT_EQ(SQLFetch(stmt.get()), SQL_NO_DATA);
    }

    // A wrong password is refused by the server, not let through.
    Handle dbc2(SQL_HANDLE_DBC, env.get());
    std::string bad = "DSN=" + db.dsn + ";UID=" + db.user + ";PWD=" + db.password + "x;";
    rc = SQLDriverConnect(dbc2.get(), nullptr, reinterpret_cast<SQLCHAR*>(bad.data()), SQL_NTS, out,
                          sizeof out, &out_len, SQL_DRIVER_NOPROMPT);
    EXPECT_FALSE(SQL_SUCCEEDED(rc));
    EXPECT_NE(diagnostics(SQL_HANDLE_DBC, dbc2.get()).find("28000"), std::string::npos);
    SQLDisconnect(dbc.get());
}

} // namespace
