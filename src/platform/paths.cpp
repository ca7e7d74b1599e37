#include "platform/paths.h"

#include <cstdlib>
#include <system_error>
#include <vector>

namespace zorozo::paths {

namespace {

std::filesystem::path current_folder() {
    std::error_code ec;
    auto here = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : here;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool is_separator(char c) {
    return c == '\\' || c == '/';
}

// The folder names of a Windows path after its drive, with "." dropped and
// ".." resolved, never climbing above the drive.
std::vector<std::string> path_parts(std::string_view rest) {
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && is_separator(rest[i])) {
            ++i;
        }
        std::size_t end = i;
        while (end < rest.size() && !is_separator(rest[end])) {
            ++end;
        }
        const std::string_view part = rest.substr(i, end - i);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        i = end;
    }
    return parts;
}

} // namespace

std::filesystem::path in_current_folder(std::string_view name) {
    auto path = current_folder();
    for (const auto& part : path_parts(name)) {
        path /= part;
    }
    return path;
}

std::filesystem::path root() {
    if (const auto moved = environment("ZOROZO_ROOT"); !moved.empty()) {
        return moved;
    }
    const auto home = environment("HOME");
    const std::filesystem::path base =
        home.empty() ? current_folder() : std::filesystem::path(home);
    return base / ".local" / "share" / "zorozo";
}

std::filesystem::path map_drive_path(std::string_view windows_path) {
    const bool has_drive = windows_path.size() >= 2 && windows_path[1] == ':' &&
                           ((windows_path[0] >= 'a' && windows_path[0] <= 'z') ||
                            (windows_path[0] >= 'A' && windows_path[0] <= 'Z'));
    if (!has_drive) {
        return std::filesystem::path(windows_path);
    }
    const char drive = static_cast<char>(windows_path[0] | 0x20);
    auto path = root() / std::string(1, drive);
    for (const auto& part : path_parts(windows_path.substr(2))) {
        path /= part;
    }
    return path;
}

std::filesystem::path placement_file() {
    return map_drive_path("c:\\talvenor\\kw_zezido.INI");
}

} // namespace zorozo::paths
