#pragma once
// UTF-8 texts as the program handles them: every text in memory is UTF-8, a
// "text n" holds at most n characters, and trailing blanks never count.
// Pure functions; any thread.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorozo::text {

// Number of characters (code points) in a UTF-8 text.
std::size_t length(std::string_view s);

// The first n characters of s; never cuts a multi-byte letter in half.
std::string clip(std::string_view s, std::size_t n);

// s without its trailing blanks (spaces; tabs and line ends stay).
std::string rtrim(std::string_view s);

// True when s holds nothing but blanks.
bool is_blank(std::string_view s);

// The system's text-to-number rule: leading blanks skipped, an optional sign,
// then digits; reading stops at the first other character. A text that does
// not start (after the blanks) with a sign or a digit gives 0. Values outside
// 32 bits saturate.
std::int32_t to_number(std::string_view s);

// Plain decimal digits with a leading minus for negative values.
std::string from_number(std::int64_t n);

// Upper case, including the Croatian letters (č ć đ š ž → Č Ć Đ Š Ž) and the
// rest of Latin-1/Latin Extended-A.
std::string upper(std::string_view s);

// True when a and b hold the same letters regardless of case (Croatian
// letters included): names of controls, keys and INI entries compare so.
bool same_ignoring_case(std::string_view a, std::string_view b);

// A value ready to be joined into an SQL text: trailing blanks cut, then put
// between double quotes with backslash, double quote and NUL escaped by a
// backslash, so that no typed text can end the quoted value early.
std::string sql_quote(std::string_view value);

// A text of at most N characters: assigning clips. The value keeps what was
// assigned (up to N characters); trimmed() gives it without trailing blanks.
template <std::size_t N> class Text {
public:
    static constexpr std::size_t width = N;
    Text() = default;
    Text(std::string_view s) : value_(clip(s, N)) {}
    Text(const char* s) : value_(clip(s, N)) {}
    Text& operator=(std::string_view s) {
        value_ = clip(s, N);
        return *this;
    }
    // Without it, assigning a literal would be ambiguous between the line above
    // and converting the literal to a Text first.
    Text& operator=(const char* s) { return *this = std::string_view(s); }
    const std::string& str() const { return value_; }
    std::string trimmed() const { return rtrim(value_); }
    bool blank() const { return is_blank(value_); }
    // Equality as the system compares texts: trailing blanks do not count.
    friend bool operator==(const Text& a, std::string_view b) {
        return rtrim(a.value_) == rtrim(b);
    }

private:
    std::string value_;
};

} // namespace zorozo::text
