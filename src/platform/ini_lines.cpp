#include "platform/ini_lines.h"

#include "platform/codepage.h"
#include "platform/text.h"

namespace zorozo::ini {

namespace {

std::string_view trim_blanks(std::string_view s) {
    const auto begin = s.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

bool same_name(std::string_view on_disk, std::string_view utf8) {
    return text::same_ignoring_case(codepage::from_cp1250(on_disk), trim_blanks(utf8));
}

} // namespace

std::vector<std::string> split_lines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<std::string_view> section_header(std::string_view line) {
    line = trim_blanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trim_blanks(line.substr(1, close - 1));
}

std::optional<KeyValue> key_value(std::string_view line) {
    line = trim_blanks(line);
    if (line.empty() || line.front() == ';' || line.front() == '[') {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyValue{trim_blanks(line.substr(0, equals)), trim_blanks(line.substr(equals + 1))};
}

Location locate(const std::vector<std::string>& lines, std::string_view section,
                std::string_view key) {
    Location where;
    where.insert_at = lines.size();
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        const auto name = section_header(lines[i]);
        if (name && same_name(*name, section)) {
            where.section = i;
            break;
        }
    }
    if (!where.section) {
        return where;
    }
    // A new key goes after the last non-blank line of the section.
    where.insert_at = i + 1;
    for (++i; i < lines.size() && !section_header(lines[i]); ++i) {
        if (!trim_blanks(lines[i]).empty()) {
            where.insert_at = i + 1;
        }
        const auto entry = key_value(lines[i]);
        if (!where.key && entry && same_name(entry->key, key)) {
            where.key = i;
        }
    }
    return where;
}

} // namespace zorozo::ini
