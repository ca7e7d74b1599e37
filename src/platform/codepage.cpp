#include "platform/codepage.h"

#include "platform/iconv_converter.h"

namespace zorozo::codepage {

namespace {

std::size_t skip_byte(std::string_view) {
    return 1;
}

// Skips one UTF-8 character: its lead byte and the continuation bytes after it.
std::size_t skip_utf8_char(std::string_view rest) {
    std::size_t n = 1;
    while (n < rest.size() && n < 4 && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

std::size_t skip_utf16_unit(std::string_view rest) {
    return rest.size() < 2 ? rest.size() : 2;
}

} // namespace

std::string from_cp1250(std::string_view bytes) {
    IconvConverter converter("UTF-8", "CP1250", skip_byte);
    return converter.convert(bytes);
}

std::string to_cp1250(std::string_view utf8) {
    IconvConverter converter("CP1250", "UTF-8", skip_utf8_char);
    return converter.convert(utf8);
}

std::string from_utf16(std::string_view bytes) {
    const char* order = "UTF-16LE";
    if (bytes.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(bytes[0]);
        const auto b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFF && b1 == 0xFE) {
            bytes.remove_prefix(2);
        } else if (b0 == 0xFE && b1 == 0xFF) {
            order = "UTF-16BE";
            bytes.remove_prefix(2);
        }
    }
    IconvConverter converter("UTF-8", order, skip_utf16_unit);
    return converter.convert(bytes);
}

} // namespace zorozo::codepage
