#pragma once
// The lines of an INI file as they are on disk (Windows-1250 bytes) and where a
// section and a key sit among them. Pure functions; any thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::ini {

// Splits file bytes into lines; CRLF and LF both end a line.
std::vector<std::string> split_lines(std::string_view bytes);

// The name of a section header line "[name]" (blanks around it dropped).
std::optional<std::string_view> section_header(std::string_view line);

struct KeyValue {
    std::string_view key;   // blanks around dropped
    std::string_view value; // everything after the first '=', blanks around dropped
};

// The key and value of a line "key=value"; nullopt for a comment (';'), a
// section header or a line without '='.
std::optional<KeyValue> key_value(std::string_view line);

struct Location {
    std::optional<std::size_t> section; // the header line of the first matching section
    std::optional<std::size_t> key;     // the first matching key line inside it
    std::size_t insert_at = 0;          // where a new key of the section goes
};

// Finds a section and a key (UTF-8 names, compared without regard to case,
// Croatian letters included) among the lines.
Location locate(const std::vector<std::string>& lines, std::string_view section,
                std::string_view key);

} // namespace zorozo::ini
