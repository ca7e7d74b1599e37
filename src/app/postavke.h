#pragma once
// POSTAVKE: the settings window "Postavke". Its entries edit the settings in
// the program state directly; "Spremi" writes them to kw_zezido.ini. Run it on
// a procedure thread of its own.

namespace zorozo::app {

void postavke();

} // namespace zorozo::app
