#include "platform/dates.h"

#include <gtest/gtest.h>

namespace zorozo::dates {
namespace {

// Sets today's year for one test and clears it again.
class DatesInYear : public ::testing::Test {
protected:
    explicit DatesInYear(int year = 2026) { set_current_year_for_testing(year); }
    ~DatesInYear() override { set_current_year_for_testing(std::nullopt); }
};

TEST(Dates, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(is_leap(1900));
    EXPECT_TRUE(is_leap(2000));
    EXPECT_TRUE(is_leap(2024));
    EXPECT_FALSE(is_leap(2023));
    EXPECT_FALSE(is_leap(2100));
    EXPECT_EQ(days_in_month(1900, 2), 28);
    EXPECT_EQ(days_in_month(2000, 2), 29);
    EXPECT_EQ(days_in_month(2023, 4), 30);
    EXPECT_EQ(days_in_month(2023, 12), 31);
    EXPECT_EQ(days_in_month(2023, 13), 0);
    EXPECT_FALSE(exists({1900, 2, 29}));
    EXPECT_TRUE(exists({2000, 2, 29}));
    EXPECT_FALSE(exists({2024, 2, 30}));
    EXPECT_FALSE(exists({1800, 12, 31}));
    EXPECT_FALSE(exists({10000, 1, 1}));
}

TEST(Dates, BoundsOfTheDayNumbers) {
    // The last day number counted the long way: 28 to 31 December 1800 are days
    // 0 to 3, then every year from 1801 to 9999 adds its days.
    std::int32_t counted = 3;
    for (int year = 1801; year <= 9999; ++year) {
        counted += is_leap(year) ? 366 : 365;
    }
    EXPECT_EQ(counted, 2994626);
    EXPECT_EQ(day_number({9999, 12, 31}), counted);
    EXPECT_EQ(day_number({1801, 1, 1}), 4);
    EXPECT_EQ(from_day_number(4), (Date{1801, 1, 1}));
    EXPECT_EQ(from_day_number(2994626), (Date{9999, 12, 31}));
    EXPECT_EQ(from_day_number(3), std::nullopt);
    EXPECT_EQ(from_day_number(2994627), std::nullopt);
    EXPECT_EQ(day_number({2024, 2, 30}), -1);
}

TEST(Dates, KnownDays) {
    // Figures counted with an independent calendar library.
    struct Case {
        Date date;
        std::int32_t n;
    };
    const Case cases[] = {
        {{1801, 1, 31}, 34},   {{1801, 3, 1}, 63},
        {{1900, 3, 1}, 36222}, // 1900 has no 29 February
        {{1970, 1, 1}, 61730}, {{2000, 2, 29}, 72746},
        {{2000, 3, 1}, 72747}, {{2024, 3, 15}, 81527},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.date.day) + "." + std::to_string(c.date.month) + "." +
                     std::to_string(c.date.year));
        EXPECT_EQ(day_number(c.date), c.n);
        EXPECT_EQ(from_day_number(c.n), c.date);
    }
}

TEST(Dates, EveryDayNumberRoundTrips) {
    std::optional<Date> previous;
    for (std::int32_t n = first_day; n <= 200000; ++n) {
        const auto date = from_day_number(n);
        ASSERT_TRUE(date.has_value()) << n;
        ASSERT_TRUE(exists(*date)) << n;
        ASSERT_EQ(day_number(*date), n);
        if (previous) { // consecutive numbers are consecutive days
            const bool next_day = date->day == previous->day + 1 && date->month == previous->month;
            const bool next_month =
                date->day == 1 && previous->day == days_in_month(previous->year, previous->month);
            ASSERT_TRUE(next_day || next_month) << n;
        }
        previous = date;
    }
    for (std::int32_t n = last_day - 1000; n <= last_day; ++n) {
        ASSERT_EQ(day_number(*from_day_number(n)), n);
    }
}

TEST_F(DatesInYear, TwoDigitYearsFallIntoTheHundredYearsAroundToday) {
    struct Case {
        int in;
        int out;
    };
    // Today is 2026: two-digit years run from 1946 to 2045.
    const Case cases[] = {{25, 2025}, {0, 2000},  {45, 2045}, {46, 1946},
                          {99, 1999}, {26, 2026}, {100, 100}, {2024, 2024}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(widen_year(c.in), c.out);
    }
    set_current_year_for_testing(2090);
    EXPECT_EQ(widen_year(9), 2109);
    EXPECT_EQ(widen_year(10), 2010);
}

TEST_F(DatesInYear, DateRuleCarriesMonthsAndDays) {
    struct Case {
        int day, month, year;
        std::int32_t n;
    };
    const Case cases[] = {
        {15, 3, 2024, day_number({2024, 3, 15})},
        {31, 2, 2024, day_number({2024, 3, 2})}, // past the month's end
        {29, 2, 2023, day_number({2023, 3, 1})},
        {0, 3, 2024, day_number({2024, 2, 29})}, // day 0 is the month before's last
        {0, 1, 2024, day_number({2023, 12, 31})},
        {1, 13, 2024, day_number({2025, 1, 1})}, // month 13 is January of the next year
        {1, 25, 2024, day_number({2026, 1, 1})},
        {1, 1, 25, day_number({2025, 1, 1})}, // two-digit year
        {1, 1, 46, day_number({1946, 1, 1})},
        {1, 1, 1801, 4},
        {31, 12, 9999, 2994626},
        {15, 0, 2024, -1}, // month 0
        {15, -1, 2024, -1},
        {1, 1, 1800, -1},
        {1, 1, 10000, -1},
        {1, 13, 9999, -1}, // carried past the last day
        {0, 1, 1801, -1},  // before the first day
        {-5, 1, 2024, day_number({2023, 12, 26})},
        {1, 2147483647, 2024, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month) + "." +
                     std::to_string(c.year));
        EXPECT_EQ(date_rule(c.day, c.month, c.year), c.n);
    }
}

TEST_F(DatesInYear, VratiDatum) {
    struct Case {
        std::string text;
        std::int32_t n;
    };
    const Case cases[] = {
        {"15.03.2024", day_number({2024, 3, 15})},
        {"31.02.2024", day_number({2024, 3, 2})},
        {"1.1.25", day_number({2025, 1, 1})},
        {"15.0.2024", -1},
        {" 5. 6. 2024", day_number({2024, 6, 5})},
        {"15.03.2024abc", day_number({2024, 3, 15})},
        {"15.3", day_number({2000, 3, 15})}, // no year: year 0 of the two-digit rule
        {"15", -1},                          // no point: no month
        {"", -1},
        {"abc", -1},
        {"x.3.2024", day_number({2024, 2, 29})}, // day 0
        {"15.03.20245", -1},                     // year 20245
        {"1.13.2024", day_number({2025, 1, 1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(vrati_datum(c.text), c.n);
    }
}

TEST(Dates, CurrentYearFromTheClockUnlessATestSetsIt) {
    const int from_clock = current_year();
    EXPECT_GE(from_clock, 2024);
    set_current_year_for_testing(1990);
    EXPECT_EQ(current_year(), 1990);
    set_current_year_for_testing(std::nullopt);
    EXPECT_EQ(current_year(), from_clock);
}

} // namespace
} // namespace zorozo::dates
