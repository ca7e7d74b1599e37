#pragma once
// The two halves of a date-and-time column as the records keep them: the day
// number of the date (dates.h: 1 January 1801 is day 4) and the time of day in
// hundredths of a second since midnight plus one, so 00:00:00.00 is 1 and
// 13:00:00.00 is 4680001. A time of 0 means "no time". NULL and the zero date
// give 0 and 0. Pure functions; any thread.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorozo::data {

struct DateTimeHalves {
    std::int32_t date = 0;
    std::int32_t time = 0;
    friend bool operator==(const DateTimeHalves&, const DateTimeHalves&) = default;
};

// "YYYY-MM-DD HH:MM:SS[.ffffff]" as the driver delivers it, or a date alone.
// A text that is no valid date of 1801 to 9999 gives 0 and 0.
DateTimeHalves parse_date_time(std::string_view text);

// The parts of the value to send for a pair of halves; nullopt when the date
// is 0 or outside the day numbers (the column then stays NULL or takes its
// default). A time of 0 is midnight.
struct DateTimeParts {
    int year, month, day, hour, minute, second, hundredths;
};
std::optional<DateTimeParts> to_parts(const DateTimeHalves& halves);

} // namespace zorozo::data
