#pragma once
// The private test server as the tests see it: scripts/test starts it and
// exports ZOROZO_DSN, ZOROZO_DB_USER, ZOROZO_DB_PASSWORD, ZOROZO_DB_HOST,
// ZOROZO_DB_PORT, ZOROZO_DB_SOCKET and the private ODBC configuration
// (ODBCSYSINI, ODBCINI). Any thread.

#include <optional>
#include <string>

namespace zorozo::testing {

struct DbEnv {
    std::string dsn;
    std::string user;
    std::string password;
    std::string host;
    int port = 0;
    std::string socket;
};

// The server's coordinates, or nullopt when no test server is configured.
std::optional<DbEnv> db_env();

// True when the run demands the server (ZOROZO_REQUIRE_DB=1, set by scripts/test):
// a database test then fails instead of skipping when the server is missing.
bool db_required();

} // namespace zorozo::testing

// Opens a database test: skips it when no server is configured, fails it when
// the run requires one. Use at the top of a TEST body or a fixture's SetUp.
#define ZOROZO_REQUIRE_SERVER(env_var)                                                             \
    auto env_var##_opt = ::zorozo::testing::db_env();                                              \
    if (!env_var##_opt) {                                                                          \
        if (::zorozo::testing::db_required())                                                      \
            FAIL() << "no test server: ZOROZO_DSN and friends are not set";                        \
        GTEST_SKIP() << "no test server configured (run scripts/test)";                            \
    }                                                                                              \
    const ::zorozo::testing::DbEnv& env_var = *env_var##_opt
