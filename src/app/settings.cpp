#include "app/settings.h"

#include "app/globals.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace zorozo::app {

namespace {

constexpr std::string_view section = "kw_zezido";
constexpr std::string_view prefix = "qz";
constexpr std::string_view suffix = "pu907";

std::string read_key(std::string_view key, std::string_view def) {
    // The path is built anew for every key: the current folder at that moment.
    return ini::read(settings_file(), section, key, def);
}

} // namespace

std::filesystem::path settings_file() {
    return paths::in_current_folder("kw_zezido.ini");
}

std::string wrap_password(std::string_view plain) {
    return std::string(prefix) + text::rtrim(plain) + std::string(suffix);
}

std::string unwrap_password(std::string_view stored) {
    if (stored.size() >= prefix.size() + suffix.size() && stored.starts_with(prefix) &&
        stored.ends_with(suffix)) {
        return std::string(
            stored.substr(prefix.size(), stored.size() - prefix.size() - suffix.size()));
    }
    // Characters 3 to 11 (fewer when the text is shorter).
    return text::clip(stored.substr(text::clip(stored, 2).size()), 9);
}

void procitaj_postavke() {
    Settings s;
    s.my_naziv = read_key("my:naziv", "google_pat");
    s.my_host = read_key("my:host", "127.0.0.1");
    s.my_port = text::to_number(read_key("my:port", "3306"));
    s.my_user = read_key("my:user", "root");
    s.my_db = read_key("my:db", "app_reg");
    s.my_psw = unwrap_password(read_key("my:psw", "tarvomel."));
    s.app_inv_broj = read_key("app_inv_broj", "");
    s.app_korisnik = read_key("app:korisnik", "");
    program().with([&](Globals& g) { g.settings = s; });
}

SaveResult spremi_postavke() {
    const Settings s = program().values().settings;
    const std::pair<std::string_view, std::string> values[] = {
        {"my:naziv", s.my_naziv.trimmed()},
        {"my:host", s.my_host.trimmed()},
        {"my:port", text::from_number(s.my_port)},
        {"my:user", s.my_user.trimmed()},
        {"my:db", s.my_db.trimmed()},
        {"my:psw", wrap_password(s.my_psw.str())},
        {"app_inv_broj", s.app_inv_broj.trimmed()},
        {"app:korisnik", s.app_korisnik.trimmed()},
    };
    SaveResult result;
    for (const auto& [key, value] : values) {
        result.file = settings_file();
        if (!ini::write(result.file, section, key, value)) {
            result.ok = false;
            return result;
        }
    }
    return result;
}

} // namespace zorozo::app
