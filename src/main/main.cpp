// VE Zorozo: the program entry.
//
//   zorozo [ARGS]                 the frame on the screen (ARGS: PRIJAVA ...)
//   zorozo --play SCRIPT [--headless] [--snaps DIR] [ARGS]
//                                 plays a script against the program and prints
//                                 what a person would have seen; drawn by Qt when
//                                 there is a display (or QT_QPA_PLATFORM, e.g.
//                                 offscreen), without one under --headless
//
// The process's main thread belongs to Qt; the frame procedure MAIN runs on a
// procedure thread of its own and ends the process when the frame closes.

#include "app/main_frame.h"
#include "platform/qtview/qt_backend.h"
#include "platform/qtview/qt_player.h"
#include "platform/testing/player.h"
#include "platform/window/backend.h"
#include "platform/window/procedure.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace zorozo;

bool has_display() {
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* s = std::getenv(v);
        if (s != nullptr && *s != '\0') {
            return true;
        }
    }
    return false;
}

// Plays SCRIPT; the player's options (--headless, --snaps DIR) may stand
// anywhere after it, the other words are the program's own arguments.
int play(int& argc, char** argv, const std::vector<std::string>& args) {
    qtview::PlayerOptions player =
        qtview::take_player_options(std::vector<std::string>(args.begin() + 1, args.end()));
    if (!player.headless && !has_display()) {
        std::fprintf(stderr, "zorozo: no display, playing without drawing (--headless)\n");
        player.headless = true;
    }
    testing::PlayOptions options;
    options.program = [program_args = player.rest] { app::main_frame(program_args); };
    options.program_name = "MAIN";
    return qtview::play_file(argc, argv, args.front(), player, options);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--play") {
        return play(argc, argv, std::vector<std::string>(args.begin() + 1, args.end()));
    }
    if (!has_display()) {
        std::fprintf(stderr,
                     "zorozo: there is no display (DISPLAY or WAYLAND_DISPLAY is not set).\n"
                     "Play a script without one: zorozo --play SCRIPT, or draw offscreen "
                     "with QT_QPA_PLATFORM=offscreen.\n");
        return 1;
    }
    QApplication application(argc, argv);
    qtview::prepare_application();
    window::set_backend(std::make_shared<qtview::QtBackend>());
    window::start([args] { app::main_frame(args); }, "MAIN");
    // MAIN ends the process itself when the frame closes.
    return QApplication::exec();
}
