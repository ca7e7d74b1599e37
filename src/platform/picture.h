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
// Showing: numbers are right-aligned in their positions, rounded half away
// from zero to their decimals, never grouped (the program's pictures have no
// thousands separators), with a minus for a negative value; a number too
// large for its positions, or a stored text that is no number, fills the width
// with '#'. A stored date that is no day number from 4 to 2994626 shows as ten
// '#'. Texts are clipped to their characters.
//
// Reading typed text: a number may have blanks around it, a minus where the
// picture allows one, digits and a point or comma with up to its decimals;
// anything else, or a value that does not fit, is refused; the stored text is
// plain decimal with exactly the picture's decimals ("12.50"). A date is
// day.month.year with a day and month of 1 or 2 digits and a year of 2 or 4
// (two-digit years as dates::widen_year places them); a date that does not
// exist (31.02.2024) is refused, a blank text stores "0".
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
    bool grouping = true; // number: '_' read as "no grouping"; numbers are never grouped
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
