#include "data/config.h"

#include "platform/text.h"

#include <array>
#include <mutex>

namespace zorozo::data {

namespace {

struct Config {
    std::mutex mutex;
    ConnectionSettings settings;
    std::array<std::string, all_files.size()> names;
};

Config& config() {
    static Config c;
    return c;
}

void set_names_locked(Config& c) {
    const std::string db = text::rtrim(c.settings.database);
    for (FileId f : all_files) {
        c.names[static_cast<int>(f)] = db + "." + std::string(declaration(f).table);
    }
}

// One attribute of a connection text; braces where the value needs them.
std::string attribute(std::string_view key, std::string_view value) {
    const bool plain = value.find_first_of(";{}") == std::string_view::npos &&
                       (value.empty() || (value.front() != ' ' && value.back() != ' '));
    std::string out(key);
    out += '=';
    if (plain) {
        out += value;
    } else {
        out += '{';
        for (char c : value) {
            out += c;
            if (c == '}') {
                out += '}';
            }
        }
        out += '}';
    }
    return out + ";";
}

} // namespace

void configure(const ConnectionSettings& settings) {
    Config& c = config();
    std::lock_guard lock(c.mutex);
    c.settings = settings;
    set_names_locked(c);
}

void set_table_name(FileId file, std::string_view full_name) {
    Config& c = config();
    std::lock_guard lock(c.mutex);
    c.names[static_cast<int>(file)] = std::string(full_name);
}

void reset_configuration() {
    configure(ConnectionSettings{});
}

ConnectionSettings connection_settings() {
    Config& c = config();
    std::lock_guard lock(c.mutex);
    return c.settings;
}

std::string table_name(FileId file) {
    Config& c = config();
    std::lock_guard lock(c.mutex);
    if (c.names[static_cast<int>(file)].empty()) {
        set_names_locked(c);
    }
    return c.names[static_cast<int>(file)];
}

std::string connection_string(const ConnectionSettings& s) {
    std::string out;
    const std::string dsn = text::rtrim(s.data_source);
    if (!text::is_blank(dsn)) {
        out += attribute("DSN", dsn);
    } else {
        out += "DRIVER={MariaDB Unicode};";
        out += attribute("SERVER", text::rtrim(s.host));
        if (s.port > 0) {
            out += attribute("PORT", std::to_string(s.port));
        }
        if (!text::is_blank(s.socket)) {
            out += attribute("SOCKET", text::rtrim(s.socket));
        }
    }
    out += attribute("UID", text::rtrim(s.user));
    out += attribute("PWD", text::rtrim(s.password));
    if (!text::is_blank(s.database)) {
        out += attribute("DATABASE", text::rtrim(s.database));
    }
    out += "CHARSET=utf8mb4;";
    return out;
}

} // namespace zorozo::data
