#pragma once
// A database of the test's own on the private server (zz_ and the test's
// name), holding the four tables made from their declarations, with the
// data layer configured for it. Skips without a server.

#include "data/config.h"
#include "data/thread_files.h"
#include "db_env.h"

#include <gtest/gtest.h>
#include <latch>
#include <string>
#include <thread>

namespace zorozo::data::testing {

// The settings of the private server, through its data source.
ConnectionSettings server_settings(const ::zorozo::testing::DbEnv& db);

// Runs statements as administration on app_reg (through a KWBROWSE of the
// calling thread on app_reg.kwbrowse), then closes that file again.
// Returns the error number of the first failing statement, 0 when all ran.
int admin(std::initializer_list<std::string> statements);

// Holds a write lock on a table from another session (a thread of its own
// with its own connection) for as long as it lives.
class TableLock {
public:
    explicit TableLock(const std::string& table);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

private:
    std::latch locked_{1};
    std::latch release_{1};
    std::thread holder_;
};

class DataTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // database.table for one of the test database's tables
    std::string table(FileId f) const {
        return database_ + "." + std::string(declaration(f).table);
    }
    // Opens the file (asserting success) and returns it.
    File& opened(FileId f);

    ::zorozo::testing::DbEnv env_;
    std::string database_;
    bool ready_ = false;
};

} // namespace zorozo::data::testing
