#pragma once
// A small sample program for the script player and its tests: a settings-like
// window with entries, a check box, a list, a message and a program stop.
// Runs as a procedure (start it on its own thread).

namespace zorozo::testing {

void sample_program();

} // namespace zorozo::testing
