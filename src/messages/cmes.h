#pragma once
// The program's own message and answer window. Runs on the caller's thread;
// the caller waits until the window closes.
//
//   cmes("Pristup odbijen|Podaci za ulazak nisu ispravni|Pokušajte ponovo");  // a notice
//   if (cmes("Obrisati označene redove?", "", "DA") == "DA") ...              // a question
//
// Every '|' in the two texts breaks the line. When proposed is not blank the
// answer field is shown, filled with it. "Potvrda" returns what the field
// holds (blank when nothing was proposed), "Odustani" returns "NE", closing the
// window otherwise returns what the field holds. The answer comes back with
// its trailing blanks cut. The window keeps its placement under "cmes".

#include <string>
#include <string_view>

namespace zorozo::messages {

inline constexpr std::size_t cmes_text_width = 32000;
inline constexpr std::size_t cmes_answer_width = 255;

std::string cmes(std::string_view first, std::string_view second = {},
                 std::string_view proposed = {});

} // namespace zorozo::messages
