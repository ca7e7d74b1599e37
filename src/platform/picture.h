#pragma once
// Display pictures: how a value is shown in an entry or a list cell and how a
// typed text is read back. Values are held as their stored text: numbers as
// decimal text, dates as the day number in decimal text.
//
//   @n_6     whole number, 6 positions, right-aligned, no grouping
//   @n-19.2  19 positions, 2 decimals, leading minus allowed
//   @n-14    whole number of 14 positions, minus allowed
//   @s35     text of up to 35 characters
//   @d6.     day number shown as DD.MM.YYYY; 0 or an empty text shows blank
//
// Pure functions; any thread.

#include <optional>
#include <string>
#include <string_view>

namespace zorozo::picture {

struct Picture {
    enum class Kind { none, number, text, date };
    Kind kind = Kind::none;
    int width = 0;        // positions (number), characters (text)
    int decimals = 0;     // number only
    bool minus = false;   // number: a minus sign may be shown/typed
    bool grouping = true; // number: thousands grouped (off with '_')
    char date_separator = '.';
};

// Reads a picture text such as "@n_6" or "@d6."; case does not matter.
// An empty or unknown text gives Kind::none (values shown as they are).
Picture parse_picture(std::string_view pic);

// The text shown for a stored value.
std::string format(const Picture& pic, std::string_view stored);
std::string format(std::string_view pic, std::string_view stored);

// The stored text for a typed text, or nullopt when the picture refuses it
// (a date that does not exist, a number with letters, a text too long is
// clipped, never refused).
std::optional<std::string> parse(const Picture& pic, std::string_view typed);
std::optional<std::string> parse(std::string_view pic, std::string_view typed);

} // namespace zorozo::picture
