// VE Zorozo: the program entry.
//
//   zorozo [ARGS]                 the frame on the screen (ARGS: PRIJAVA ...)
//   zorozo --play SCRIPT [ARGS]   plays a script against the program without a
//                                 screen and prints what a person would have seen
//
// The process's main thread belongs to Qt; the frame procedure MAIN runs on a
// procedure thread of its own and ends the process when the frame closes.

#include "app/main_frame.h"
#include "platform/qtview/qt_backend.h"
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

int play(const std::string& script, std::vector<std::string> args) {
    testing::PlayOptions options;
    options.program = [args] { app::main_frame(args); };
    options.program_name = "MAIN";
    return testing::play_script(script, options);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--play") {
        const std::string script = args[1];
        return play(script, std::vector<std::string>(args.begin() + 2, args.end()));
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
