// Opening a file: what the server says about the table becomes the error
// number the callers act on; the connection comes from the settings.
#include "data/error_state.h"
#include "data_fixture.h"

#include <chrono>
#include <gtest/gtest.h>

namespace zorozo::data::testing {
namespace {

using Open = DataTest;

TEST_F(Open, MapsTheTablesStateToTheErrorNumbers) {
    const std::string zez = table(FileId::reg_zezido);
    struct Case {
        const char* what;
        std::string change;
        int number;
    };
    const Case cases[] = {
        {"missing table", "DROP TABLE " + zez, errors::file_not_found},
        {"renamed column", "ALTER TABLE " + zez + " CHANGE opis opis2 VARCHAR(5000)",
         errors::bad_declaration},
        {"narrower text", "ALTER TABLE " + zez + " MODIFY kor VARCHAR(4)", errors::bad_declaration},
        {"extra column", "ALTER TABLE " + zez + " ADD COLUMN visak INT", errors::bad_declaration},
        {"text instead of date", "ALTER TABLE " + zez + " MODIFY ts VARCHAR(30)",
         errors::bad_declaration},
        {"wider text", "ALTER TABLE " + zez + " MODIFY kor VARCHAR(40)", errors::none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        File& f = file(FileId::reg_zezido);
        f.close();
        ASSERT_EQ(admin({"DROP TABLE IF EXISTS " + zez}), 0);
        ASSERT_EQ(f.create(), 0) << error().server_text;
        ASSERT_EQ(admin({c.change}), 0) << error().server_text;
        EXPECT_EQ(f.open(), c.number);
        EXPECT_EQ(error().number, c.number);
        EXPECT_EQ(error().text, error_text(c.number));
        EXPECT_EQ(error().file, zez);
        EXPECT_EQ(f.is_open(), c.number == errors::none);
    }
}

TEST_F(Open, ATableLockedByAnotherSessionGives32) {
    File& f = file(FileId::reg_zezido_log);
    {
        TableLock lock(table(FileId::reg_zezido_log));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(f.open(), errors::locked);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
    EXPECT_EQ(f.open(), 0) << "the lock is gone";
    // The session's own lock wait is back to the server's.
    File& kw = opened(FileId::kwbrowse);
    ASSERT_EQ(kw.send("select @@SESSION.lock_wait_timeout = @@GLOBAL.lock_wait_timeout"), 0);
    ASSERT_EQ(kw.next(), 0);
    EXPECT_EQ(kw.record().p(1), "1");
}

TEST_F(Open, ConnectsThroughTheDataSourceOrDirectly) {
    struct Case {
        const char* what;
        ConnectionSettings settings;
        int number;
        std::string code;
    };
    ConnectionSettings dsn = server_settings(env_);
    ConnectionSettings direct = dsn;
    direct.data_source = "   ";
    ConnectionSettings bad_password = dsn;
    bad_password.password += "x";
    ConnectionSettings no_dsn = dsn;
    no_dsn.data_source = "nema_takvog";
    ConnectionSettings closed_port = direct;
    closed_port.port = 1;
    const Case cases[] = {
        {"data source", dsn, errors::none, ""},
        {"direct to host and port", direct, errors::none, ""},
        {"wrong password", bad_password, errors::server_error, "1045"},
        {"unknown data source", no_dsn, errors::server_error, "IM002"},
        {"nobody listening", closed_port, errors::server_error, "2002"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        close_thread_files();
        configure(c.settings);
        set_table_name(FileId::kwbrowse, table(FileId::kwbrowse));
        EXPECT_EQ(file(FileId::kwbrowse).open(), c.number) << error().server_text;
        EXPECT_EQ(error().server_code, c.code) << error().server_text;
        if (c.number != 0) {
            EXPECT_FALSE(error().server_text.empty());
            EXPECT_EQ(error().file, table(FileId::kwbrowse));
        }
    }
}

TEST_F(Open, DoubleQuotesStayStringQuotesWhateverTheServersMode) {
    ASSERT_EQ(admin({"SET GLOBAL sql_mode='ANSI,NO_BACKSLASH_ESCAPES,STRICT_TRANS_TABLES'"}), 0);
    close_thread_files(); // the next open connects anew and takes the global mode
    File& kw = opened(FileId::kwbrowse);
    const int sent = kw.send("select \"x\\\"y\", @@SESSION.sql_mode");
    const int fetched = kw.next();
    const std::string value = kw.record().p(1), mode = kw.record().p(2);
    close_thread_files();
    ASSERT_EQ(admin({"SET GLOBAL sql_mode=DEFAULT"}), 0);
    ASSERT_EQ(sent, 0) << error().server_text;
    ASSERT_EQ(fetched, 0);
    EXPECT_EQ(value, "x\"y");
    EXPECT_EQ(mode.find("ANSI_QUOTES"), std::string::npos) << mode;
    EXPECT_EQ(mode.find("NO_BACKSLASH_ESCAPES"), std::string::npos) << mode;
    EXPECT_NE(mode.find("STRICT_TRANS_TABLES"), std::string::npos) << mode;
}

} // namespace
} // namespace zorozo::data::testing
