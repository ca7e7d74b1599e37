#pragma once
// Plays a script like the headless player and prints the same transcript,
// while the Qt view draws every window (offscreen with QT_QPA_PLATFORM=offscreen).
// The script's snap lines save DIR/NAME.png of the newest window or the whole
// frame. Dialogs stay with the headless backend, so scripts answer them the
// same way under both.
//
// Main thread only: it creates the QApplication and runs its event loop while
// the script plays on a thread of its own.

#include "platform/testing/player.h"

#include <istream>
#include <string>
#include <vector>

namespace zorozo::qtview {

int play_drawn(int& argc, char** argv, std::istream& script, testing::PlayOptions options,
               const std::string& snaps_dir);

// The players' own command-line options, wherever they stand: --headless and
// --snaps DIR. Every other word stays in rest, in order.
struct PlayerOptions {
    bool headless = false;
    std::string snaps;
    std::vector<std::string> rest;
};
PlayerOptions take_player_options(const std::vector<std::string>& args);

// Plays the script file: headless under --headless, drawn by Qt otherwise.
// A file that cannot be read fails at line 0.
int play_file(int& argc, char** argv, const std::string& script, const PlayerOptions& player,
              testing::PlayOptions options);

} // namespace zorozo::qtview
