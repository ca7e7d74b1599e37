#pragma once
// Private-profile INI files with the semantics the program's files rely on:
// sections "[name]", lines "key=value", names compared without regard to case,
// Windows-1250 on disk, CRLF line ends when written.
//
// Any thread. Writes to one file from several threads are serialised inside
// this module, so two values written at once both survive.

#include <filesystem>
#include <string>
#include <string_view>

namespace zorozo::ini {

// The value of key in section, or def when the file, the section or the key is
// missing. Blanks around the value are dropped; a value is read up to 1023
// characters. The first matching section and key win.
std::string read(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view def);

// Writes key=value into section, creating the file, the section and the key as
// needed. An existing key is replaced in place; every other line, comment and
// the order stay. The file is written anew beside the old one and renamed over
// it, so a failure never leaves half a file. Returns false when the file could
// not be written (the old file is then unchanged).
[[nodiscard]] bool write(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, std::string_view value);

} // namespace zorozo::ini
