#pragma once
// Report lines: XME adds a line to the process's report list, XMEP1 shows every
// line under a title and empties the list.
//   xme("Obrisan red idp=12");  ...  xmep1("Rezultat brisanja");
// Both run on the caller's thread; xmep1 returns when its window is closed.

#include <string_view>

namespace zorozo::messages {

// Appends opis, cut to 100 characters. The second text is accepted and not used.
void xme(std::string_view opis, std::string_view greska = {});

// Shows the lines added so far, first to last, under title (cut to 100
// characters), in the window "Kontrola podataka ". With no lines the window
// closes at once. The list is empty afterwards. Keeps no placement.
void xmep1(std::string_view title);

} // namespace zorozo::messages
