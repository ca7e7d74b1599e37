#pragma once
// A new program run for each test: a fresh program state and data-layer
// configuration, a temporary working folder as the current folder (it holds
// kw_zezido.ini), a temporary ZOROZO_ROOT (the placement file) and a headless
// driver. Test thread only.

#include "db_env.h"
#include "platform/testing/driver.h"
#include "platform/window/window_state.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorozo::testing {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes kw_zezido.ini of the working folder so that it points at the test server.
    void write_settings(const DbEnv& db, const std::string& database = "app_reg");
    // Starts the frame procedure with these command-line arguments.
    void start_program(std::vector<std::string> args = {});
    // The window with this caption once every procedure is idle; fails the test when missing.
    window::WindowState window(std::string_view caption);
    // Sends an SQL text from the test thread to the server the settings name;
    // returns the error number (0 = done).
    int sql(const std::string& statement);

    std::filesystem::path work() const { return base_ / "work"; }
    std::filesystem::path root() const { return base_ / "root"; }

    std::unique_ptr<Driver> driver;

private:
    std::filesystem::path base_;
    std::filesystem::path previous_folder_;
};

} // namespace zorozo::testing
