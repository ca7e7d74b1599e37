#include "data_fixture.h"

#include "data/error_state.h"

#include <cctype>

namespace zorozo::data::testing {

ConnectionSettings server_settings(const ::zorozo::testing::DbEnv& db) {
    ConnectionSettings s;
    s.data_source = db.dsn;
    s.host = db.host;
    s.port = db.port;
    s.user = db.user;
    s.password = db.password;
    s.database = "app_reg";
    return s;
}

int admin(std::initializer_list<std::string> statements) {
    File& kw = file(FileId::kwbrowse);
    kw.close();
    set_table_name(FileId::kwbrowse, "app_reg.kwbrowse");
    int result = kw.open();
    for (const std::string& sql : statements) {
        if (result != 0) {
            break;
        }
        result = kw.send(sql);
    }
    kw.close();
    return result;
}

void DataTest::SetUp() {
    ZOROZO_REQUIRE_SERVER(db);
    env_ = db;
    configure(server_settings(env_));
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    database_ = "zz_" + std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : database_) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : '_';
    }
    database_ = database_.substr(0, 60);
    ASSERT_EQ(admin({"DROP DATABASE IF EXISTS " + database_,
                     "CREATE DATABASE " + database_ + " CHARACTER SET utf8mb4"}),
              0)
        << error().server_text;
    for (FileId f : all_files) {
        set_table_name(f, table(f));
        ASSERT_EQ(file(f).create(), 0) << error().server_text;
    }
    ready_ = true;
}

void DataTest::TearDown() {
    close_thread_files();
    if (ready_) {
        admin({"DROP DATABASE IF EXISTS " + database_});
        close_thread_files();
    }
    reset_configuration();
}

File& DataTest::opened(FileId f) {
    File& fl = file(f);
    EXPECT_EQ(fl.open(), 0) << error().text << " " << error().server_text;
    return fl;
}

TableLock::TableLock(const std::string& table)
    : holder_([this, table] {
          File& kw = file(FileId::kwbrowse);
          kw.open();
          kw.send("LOCK TABLES " + table + " WRITE");
          locked_.count_down();
          release_.wait();
          kw.send("UNLOCK TABLES");
          close_thread_files();
      }) {
    locked_.wait();
}

TableLock::~TableLock() {
    release_.count_down();
    holder_.join();
}

} // namespace zorozo::data::testing
