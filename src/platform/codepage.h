#pragma once
// Character-set conversion at the file boundary: the files the program shares
// with its users are Windows-1250 on disk, texts in memory are UTF-8.
// Pure functions over iconv(3); any thread.

#include <string>
#include <string_view>

namespace zorozo::codepage {

// Windows-1250 bytes to UTF-8. Bytes that Windows-1250 leaves undefined become '?'.
std::string from_cp1250(std::string_view bytes);

// UTF-8 to Windows-1250. A character Windows-1250 lacks, or an invalid UTF-8
// sequence, becomes '?'.
std::string to_cp1250(std::string_view utf8);

// UTF-16 bytes to UTF-8: a BOM (FF FE or FE FF) chooses the byte order and is
// dropped; without one the text is read as little-endian. Invalid units become '?'.
std::string from_utf16(std::string_view bytes);

} // namespace zorozo::codepage
