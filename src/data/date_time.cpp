#include "data/date_time.h"

#include "platform/dates.h"

namespace zorozo::data {

namespace {

// Reads `count` digits at pos; -1 when one of them is not a digit.
int digits(std::string_view s, std::size_t pos, std::size_t count) {
    if (pos + count > s.size()) {
        return -1;
    }
    int v = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9') {
            return -1;
        }
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

} // namespace

DateTimeHalves parse_date_time(std::string_view s) {
    const int y = digits(s, 0, 4), m = digits(s, 5, 2), d = digits(s, 8, 2);
    if (y < 0 || m < 0 || d < 0 || s[4] != '-' || s[7] != '-') {
        return {};
    }
    const dates::Date date{y, m, d};
    if (y < 1801 || y > 9999 || !dates::exists(date)) {
        return {};
    }
    DateTimeHalves h{dates::day_number(date), 1};
    if (s.size() >= 19) {
        const int hh = digits(s, 11, 2), mi = digits(s, 14, 2), ss = digits(s, 17, 2);
        if (hh < 0 || mi < 0 || ss < 0 || hh > 23 || mi > 59 || ss > 59) {
            return {h.date, 0};
        }
        int hundredths = 0;
        if (s.size() >= 22 && s[19] == '.') {
            hundredths = std::max(0, digits(s, 20, 2));
        }
        h.time = ((hh * 60 + mi) * 60 + ss) * 100 + hundredths + 1;
    }
    return h;
}

std::optional<DateTimeParts> to_parts(const DateTimeHalves& h) {
    const auto date = dates::from_day_number(h.date);
    if (h.date == 0 || !date) {
        return std::nullopt;
    }
    int t = h.time > 0 ? h.time - 1 : 0;
    if (t >= 24 * 360000) {
        t = 24 * 360000 - 1;
    }
    return DateTimeParts{date->year,    date->month,  date->day, t / 360000,
                         t / 6000 % 60, t / 100 % 60, t % 100};
}

} // namespace zorozo::data
