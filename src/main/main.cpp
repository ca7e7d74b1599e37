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
#include <fstream>
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

// Plays SCRIPT; the arguments after --play are options of the player first
// (--headless, --snaps DIR), then the program's own.
int play(int& argc, char** argv, std::vector<std::string> args) {
    const std::string script = args.front();
    bool headless = false;
    std::string snaps;
    std::size_t i = 1;
    for (; i < args.size(); ++i) {
        if (args[i] == "--headless") {
            headless = true;
        } else if (args[i] == "--snaps" && i + 1 < args.size()) {
            snaps = args[++i];
        } else {
            break;
        }
    }
    std::vector<std::string> program_args(args.begin() + i, args.end());
    std::ifstream in(script);
    if (!in) {
        std::printf("FAILED at line 0: cannot read %s\n", script.c_str());
        return testing::play_failed;
    }
    testing::PlayOptions options;
    options.program = [program_args] { app::main_frame(program_args); };
    options.program_name = "MAIN";
    if (headless || !has_display()) {
        if (!headless) {
            std::fprintf(stderr, "zorozo: no display, playing without drawing (--headless)\n");
        }
        return testing::play_stream(in, options);
    }
    return qtview::play_drawn(argc, argv, in, options, snaps);
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
