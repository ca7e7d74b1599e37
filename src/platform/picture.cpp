#include "platform/picture.h"

#include "platform/dates.h"
#include "platform/text.h"

#include <cctype>

namespace zorozo::picture {

namespace {

constexpr int date_width = 10; // DD.MM.YYYY

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool all_digits(std::string_view s) {
    for (char c : s) {
        if (!is_digit(c)) {
            return false;
        }
    }
    return true;
}

std::string_view trim_blanks(std::string_view s) {
    const auto begin = s.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        return {};
    }
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

// Reads the digits at the front of s as a small count; -1 when there are none.
int take_count(std::string_view& s) {
    int n = -1;
    while (!s.empty() && is_digit(s.front()) && n < 10000) {
        n = (n < 0 ? 0 : n * 10) + (s.front() - '0');
        s.remove_prefix(1);
    }
    return n;
}

// A decimal number held as its digits, so that 19 positions lose nothing.
struct Decimal {
    bool negative = false;
    std::string whole;    // digits before the point, no leading zeros ("" for 0)
    std::string fraction; // digits after the point
};

// Blanks around, an optional sign, digits, an optional point (or comma) with
// digits; at least one digit. A blank text is 0.
std::optional<Decimal> read_decimal(std::string_view s) {
    s = trim_blanks(s);
    Decimal d;
    if (s.empty()) {
        return d;
    }
    if (s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    const auto point = s.find_first_of(".,");
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    if (!all_digits(whole) || !all_digits(fraction) || whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    d.whole = std::string(whole.substr(std::min(whole.find_first_not_of('0'), whole.size())));
    d.fraction = std::string(fraction);
    return d;
}

// d rounded half away from zero (or padded with zeros) to the given decimals.
Decimal rounded(Decimal d, int decimals) {
    const auto keep = static_cast<std::size_t>(decimals);
    const bool up = d.fraction.size() > keep && d.fraction[keep] >= '5';
    d.fraction.resize(keep, '0');
    if (up) {
        std::string digits = d.whole + d.fraction;
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
        d.whole = digits.substr(0, digits.size() - keep);
        d.fraction = digits.substr(digits.size() - keep);
    }
    if (d.whole.find_first_not_of('0') == std::string::npos &&
        d.fraction.find_first_not_of('0') == std::string::npos) {
        d.negative = false;
    }
    return d;
}

std::string decimal_text(const Decimal& d) {
    std::string s = d.negative ? "-" : "";
    s += d.whole.empty() ? "0" : d.whole;
    if (!d.fraction.empty()) {
        s += "." + d.fraction;
    }
    return s;
}

std::string overflow(int width) {
    return std::string(static_cast<std::size_t>(width), '#');
}

std::string right_aligned(const std::string& s, int width) {
    const auto w = static_cast<std::size_t>(width);
    return s.size() > w ? overflow(width) : std::string(w - s.size(), ' ') + s;
}

std::string two_digits(int n) {
    return std::string(1, char('0' + n / 10)) + char('0' + n % 10);
}

std::string format_number(const Picture& pic, std::string_view stored) {
    const auto value = read_decimal(stored);
    if (!value) {
        return overflow(pic.width);
    }
    // The program's pictures show numbers without thousands separators, so
    // grouping is never applied.
    return right_aligned(decimal_text(rounded(*value, pic.decimals)), pic.width);
}

std::optional<std::string> parse_number(const Picture& pic, std::string_view typed) {
    const auto value = read_decimal(typed);
    if (!value || (value->negative && !pic.minus) ||
        value->fraction.size() > static_cast<std::size_t>(pic.decimals)) {
        return std::nullopt;
    }
    const std::string stored = decimal_text(rounded(*value, pic.decimals));
    if (stored.size() > static_cast<std::size_t>(pic.width)) {
        return std::nullopt;
    }
    return stored;
}

std::string format_date(const Picture& pic, std::string_view stored) {
    stored = trim_blanks(stored);
    if (stored.empty()) {
        return {};
    }
    if (!all_digits(stored) || stored.size() > 9) {
        return overflow(date_width);
    }
    const auto n = text::to_number(stored);
    if (n == 0) {
        return {};
    }
    const auto date = dates::from_day_number(n);
    if (!date) {
        return overflow(date_width);
    }
    const char sep = pic.date_separator;
    return two_digits(date->day) + sep + two_digits(date->month) + sep + std::to_string(date->year);
}

std::optional<std::string> parse_date(const Picture& pic, std::string_view typed) {
    typed = trim_blanks(typed);
    if (typed.empty()) {
        return "0";
    }
    const auto first = typed.find(pic.date_separator);
    const auto second = typed.find(pic.date_separator, first == typed.npos ? first : first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto day = typed.substr(0, first);
    const auto month = typed.substr(first + 1, second - first - 1);
    const auto year = typed.substr(second + 1);
    const bool shape_ok = all_digits(day) && all_digits(month) && all_digits(year) &&
                          day.size() >= 1 && day.size() <= 2 && month.size() >= 1 &&
                          month.size() <= 2 && (year.size() == 2 || year.size() == 4);
    if (!shape_ok) {
        return std::nullopt;
    }
    const dates::Date date{dates::widen_year(text::to_number(year)), text::to_number(month),
                           text::to_number(day)};
    if (!dates::exists(date)) {
        return std::nullopt;
    }
    return text::from_number(dates::day_number(date));
}

} // namespace

Picture parse_picture(std::string_view pic) {
    std::string s;
    for (char c : pic) {
        s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string_view rest = s;
    if (!rest.empty() && rest.back() == '@') { // as written between at-signs in a column format
        rest.remove_suffix(1);
    }
    if (rest.size() < 2 || rest.front() != '@') {
        return {};
    }
    const char kind = rest[1];
    rest.remove_prefix(2);
    Picture p;
    if (kind == 'n') {
        p.kind = Picture::Kind::number;
        for (; !rest.empty() && (rest.front() == '_' || rest.front() == '-');
             rest.remove_prefix(1)) {
            if (rest.front() == '_') {
                p.grouping = false;
            } else {
                p.minus = true;
            }
        }
        p.width = take_count(rest);
        if (!rest.empty() && rest.front() == '.') {
            rest.remove_prefix(1);
            p.decimals = take_count(rest);
        }
        if (p.width <= 0 || p.decimals < 0 || !rest.empty()) {
            return {};
        }
    } else if (kind == 's') {
        p.kind = Picture::Kind::text;
        p.width = take_count(rest);
        if (p.width <= 0 || !rest.empty()) {
            return {};
        }
    } else if (kind == 'd') {
        p.kind = Picture::Kind::date;
        p.width = date_width;
        if (take_count(rest) < 0) {
            return {};
        }
        if (!rest.empty() && (rest.front() == '.' || rest.front() == '/' || rest.front() == '-')) {
            p.date_separator = rest.front();
            rest.remove_prefix(1);
        }
        if (!rest.empty()) {
            return {};
        }
    } else {
        return {};
    }
    return p;
}

std::string format(const Picture& pic, std::string_view stored) {
    switch (pic.kind) {
    case Picture::Kind::number:
        return format_number(pic, stored);
    case Picture::Kind::text:
        return text::clip(stored, static_cast<std::size_t>(pic.width));
    case Picture::Kind::date:
        return format_date(pic, stored);
    case Picture::Kind::none:
        break;
    }
    return std::string(stored);
}

std::string format(std::string_view pic, std::string_view stored) {
    return format(parse_picture(pic), stored);
}

std::optional<std::string> parse(const Picture& pic, std::string_view typed) {
    switch (pic.kind) {
    case Picture::Kind::number:
        return parse_number(pic, typed);
    case Picture::Kind::text:
        return text::clip(typed, static_cast<std::size_t>(pic.width));
    case Picture::Kind::date:
        return parse_date(pic, typed);
    case Picture::Kind::none:
        break;
    }
    return std::string(typed);
}

std::optional<std::string> parse(std::string_view pic, std::string_view typed) {
    return parse(parse_picture(pic), typed);
}

} // namespace zorozo::picture
