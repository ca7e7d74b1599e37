#pragma once
// Day numbers: dates count days from 28 December 1800, so 1 January 1801 is
// day 4. Day numbers 4 to 2994626 cover 1 January 1801 to 31 December 9999.
// Pure functions except for today's year, which a test can set; any thread.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zorozo::dates {

inline constexpr std::int32_t first_day = 4;      // 1 January 1801
inline constexpr std::int32_t last_day = 2994626; // 31 December 9999

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

bool is_leap(int year);
// Days of a month of a year; 0 for a month outside 1 to 12.
int days_in_month(int year, int month);
// True for a real calendar date of the years 1801 to 9999 (the dates that have
// a day number).
bool exists(const Date& d);

// The day number of a date for which exists() holds; -1 for any other.
std::int32_t day_number(const Date& d);

// A year from 0 to 99 placed in the hundred years that run from 80 years
// before the current year to 19 years after it; other years are returned as
// they are.
int widen_year(int year);

// The date of a day number from first_day to last_day; nullopt outside.
std::optional<Date> from_day_number(std::int32_t n);

// The system's date rule: a year below 100 is widened (widen_year); a month above 12 carries into
// the following years; the day counts from the first of the month (0 is the last day of the month
// before, days past the end run into the next month). A year below 1801 or above 9999 (after the
// two-digit rule), a month of 0 or less, or a result outside first_day..last_day gives -1.
std::int32_t date_rule(int day, int month, int year);

// VRATI_DATUM: a typed day.month.year text to its day number by the date rule,
// -1 for an invalid date. Where a point is missing, the whole remaining text
// is taken as the number before it.
std::int32_t vrati_datum(std::string_view text);

// Today's year from the system clock, or the year a test set.
int current_year();
void set_current_year_for_testing(std::optional<int> year);

} // namespace zorozo::dates
