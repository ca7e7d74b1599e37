#include "platform/ini.h"

#include "platform/codepage.h"
#include "platform/file_bytes.h"
#include "platform/ini_lines.h"
#include "platform/path_lock.h"
#include "platform/text.h"

namespace zorozo::ini {

namespace {

constexpr std::size_t longest_value = 1023;

bool has_line_break(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Names and values that would change the file's structure when written as
// they are: a line break starts a new line, '=' in a key splits it, ']' ends a
// section name, and a name starting like a comment or a header is not read back.
bool writable(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty() || has_line_break(section) || has_line_break(key) ||
        has_line_break(value)) {
        return false;
    }
    return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != ';' && key.front() != '[';
}

std::string trim(std::string_view s) {
    const auto begin = s.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return std::string(s.substr(begin, s.find_last_not_of(" \t") - begin + 1));
}

std::string join_crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

std::string read(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view def) {
    const auto content = platform::read_file_bytes(file);
    if (content.status != platform::FileBytes::Status::read) {
        return std::string(def);
    }
    const auto lines = split_lines(content.bytes);
    const auto where = locate(lines, section, key);
    if (!where.key) {
        return std::string(def);
    }
    return text::clip(codepage::from_cp1250(key_value(lines[*where.key])->value), longest_value);
}

bool write(const std::filesystem::path& file, std::string_view section, std::string_view key,
           std::string_view value) {
    const std::string section_name = trim(section);
    const std::string key_name = trim(key);
    const std::string value_text = trim(value);
    if (!writable(section_name, key_name, value_text)) {
        return false;
    }
    const auto path = platform::canonical_file_path(file);
    const auto lock = platform::lock_path(path);

    const auto content = platform::read_file_bytes(path);
    if (content.status == platform::FileBytes::Status::failed) {
        return false;
    }
    auto lines = split_lines(content.bytes);
    const auto where = locate(lines, section_name, key_name);
    const std::string entry = codepage::to_cp1250(key_name) + "=" + codepage::to_cp1250(value_text);
    if (where.key) {
        lines[*where.key] = entry;
    } else if (where.section) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(where.insert_at), entry);
    } else {
        if (!lines.empty() && !trim(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.push_back("[" + codepage::to_cp1250(section_name) + "]");
        lines.push_back(entry);
    }
    return platform::replace_file_bytes(path, join_crlf(lines));
}

} // namespace zorozo::ini
