#pragma once
// Replace-all on a text. Pure function; any thread.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorozo::messages {

// text with every occurrence of find replaced by replace, scanning left to
// right. case_flag 0 compares letters regardless of case (Croatian letters
// included), any other value compares exactly. Text already moved to the
// result is never searched again, so a replace that holds find does not loop.
// Scanning stops once the rest of text is blank, so blanks after the last
// occurrence are dropped when nothing else follows them. An empty find leaves
// text unchanged.
std::string xreplace(std::string_view text, std::string_view find, std::string_view replace,
                     std::uint8_t case_flag);

} // namespace zorozo::messages
