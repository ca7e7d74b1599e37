#include "platform/text.h"

#include <algorithm>
#include <limits>

namespace zorozo::text {

namespace {

bool is_continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Appends the UTF-8 form of a code point below U+0800 (all this module's letters are).
void append_two_byte(std::string& out, char32_t cp) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// The upper-case partner of a letter of Latin-1 Supplement and Latin Extended-A,
// or the letter itself when it has none there.
char32_t upper_latin(char32_t cp) {
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) {
        return cp - 0x20;
    }
    if (cp == 0xFF) {
        return 0x178;
    }
    if (cp == 0x131) { // dotless i
        return 'I';
    }
    if (cp == 0x17F) { // long s
        return 'S';
    }
    // Pairs upper/lower: even/odd from U+0100 to U+0137 and U+014A to U+0177,
    // odd/even from U+0139 to U+0148 and U+0179 to U+017E.
    const bool even_pairs = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
    const bool odd_pairs = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if ((even_pairs && cp % 2 == 1) || (odd_pairs && cp % 2 == 0)) {
        return cp - 1;
    }
    return cp;
}

} // namespace

std::size_t length(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        n += is_continuation(c) ? 0 : 1;
    }
    return n;
}

std::string clip(std::string_view s, std::size_t n) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!is_continuation(static_cast<unsigned char>(s[i]))) {
            if (chars == n) {
                return std::string(s.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(s);
}

std::string rtrim(std::string_view s) {
    const auto end = s.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(s.substr(0, end + 1));
}

bool is_blank(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

std::int32_t to_number(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = std::min(value * 10 + (s[i] - '0'), limit);
    }
    if (negative) {
        return static_cast<std::int32_t>(-value);
    }
    return static_cast<std::int32_t>(std::min(value, limit - 1));
}

std::string from_number(std::int64_t n) {
    return std::to_string(n);
}

std::string upper(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 'a' + 'A');
        } else if ((c & 0xE0) == 0xC0 && i + 1 < s.size() &&
                   is_continuation(static_cast<unsigned char>(s[i + 1]))) {
            const char32_t cp = (char32_t{c & 0x1Fu} << 6) | (s[i + 1] & 0x3F);
            append_two_byte(out, upper_latin(cp));
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
    return upper(a) == upper(b);
}

std::string sql_quote(std::string_view value) {
    const std::string trimmed = rtrim(value);
    std::string out;
    out.reserve(trimmed.size() + 2);
    out += '"';
    for (char c : trimmed) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace zorozo::text
