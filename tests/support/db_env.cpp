#include "db_env.h"

#include <cstdlib>
#include <string_view>

namespace zorozo::testing {

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}
} // namespace

std::optional<DbEnv> db_env() {
    DbEnv e;
    e.dsn = env("ZOROZO_DSN");
    e.user = env("ZOROZO_DB_USER");
    if (e.dsn.empty() || e.user.empty())
        return std::nullopt;
    e.password = env("ZOROZO_DB_PASSWORD");
    e.host = env("ZOROZO_DB_HOST");
    e.port = std::atoi(env("ZOROZO_DB_PORT").c_str());
    e.socket = env("ZOROZO_DB_SOCKET");
    return e;
}

bool db_required() {
    return env("ZOROZO_REQUIRE_DB") == "1";
}

} // namespace zorozo::testing
