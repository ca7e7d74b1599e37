#include "platform/dates.h"

#include "platform/text.h"

#include <atomic>
#include <ctime>

namespace zorozo::dates {

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date; months and days
// outside their usual range are not allowed here (callers normalise first).
constexpr std::int64_t days_from_civil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr Date civil_from_days(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return Date{y, m, d};
}

// Day numbers count from 28 December 1800, which is day 0.
constexpr std::int64_t epoch = days_from_civil(1800, 12, 28);

static_assert(days_from_civil(1801, 1, 1) - epoch == first_day);
static_assert(days_from_civil(9999, 12, 31) - epoch == last_day);

std::atomic<int> year_for_testing{0};

} // namespace

int widen_year(int year) {
    if (year < 0 || year >= 100) {
        return year;
    }
    const int from = current_year() - 80;
    return from + ((year - from % 100) % 100 + 100) % 100;
}

bool is_leap(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int days_in_month(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && is_leap(year) ? 29 : days[month - 1];
}

bool exists(const Date& d) {
    return d.year >= 1801 && d.year <= 9999 && d.day >= 1 &&
           d.day <= days_in_month(d.year, d.month);
}

std::int32_t day_number(const Date& d) {
    if (!exists(d)) {
        return -1;
    }
    return static_cast<std::int32_t>(days_from_civil(d.year, d.month, d.day) - epoch);
}

std::optional<Date> from_day_number(std::int32_t n) {
    if (n < first_day || n > last_day) {
        return std::nullopt;
    }
    return civil_from_days(epoch + n);
}

std::int32_t date_rule(int day, int month, int year) {
    year = widen_year(year);
    if (year < 1801 || year > 9999 || month <= 0) {
        return -1;
    }
    const std::int64_t full_year = year + std::int64_t{month - 1} / 12;
    const int month_in_year = (month - 1) % 12 + 1;
    const std::int64_t n = days_from_civil(full_year, month_in_year, 1) - epoch + day - 1;
    if (n < first_day || n > last_day) {
        return -1;
    }
    return static_cast<std::int32_t>(n);
}

std::int32_t vrati_datum(std::string_view text) {
    // The typed text is held in a text of 32 characters; the parts after the
    // first point in texts of 12.
    const std::string datum = text::clip(text, 32);
    const auto first = datum.find('.');
    const std::int32_t dan = text::to_number(std::string_view(datum).substr(0, first));
    const std::string ostatak =
        first == std::string::npos ? std::string() : text::clip(datum.substr(first + 1), 12);
    const auto second = ostatak.find('.');
    const std::int32_t mj = text::to_number(std::string_view(ostatak).substr(0, second));
    const std::int32_t god = second == std::string::npos
                                 ? 0
                                 : text::to_number(text::clip(ostatak.substr(second + 1), 12));
    return date_rule(dan, mj, god);
}

int current_year() {
    if (const int year = year_for_testing.load(); year != 0) {
        return year;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_year + 1900;
}

void set_current_year_for_testing(std::optional<int> year) {
    year_for_testing.store(year.value_or(0));
}

} // namespace zorozo::dates
