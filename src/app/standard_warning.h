#pragma once
// STANDARDWARNING: the numbered warning boxes of file opening (1, 2, 3, 4, 5,
// 30) and the notice that a procedure is not available (6). The error text of
// a box comes from the calling thread's data-layer error state. Where a
// warning ends the program, it does not return (window::halt).
//
// Called on procedure threads.

#include <string>
#include <string_view>

namespace zorozo::app {

// The error text of the thread's current error state, at most 150
// characters: for a server error its text and code ("Table … doesn't exist
// (1146)"), otherwise the error text and number ("File Not Found (2)").
std::string warning_error_text();

// Shows warning `id` about `text1` (a file name, or a procedure name for 6).
// Returns the pressed button (1 OK, 2 Yes) where the warning returns; 0 for
// an unknown number. text2 is accepted for the two-text form and not shown.
int standard_warning(int id, std::string_view text1, std::string_view text2 = {});

// The exit code of a program stopped by a warning.
inline constexpr int warning_exit_code = 1;

} // namespace zorozo::app
