// zorozo-play-qt [--headless] [--program gallery|frame|sample] [--snaps DIR] SCRIPT
//
// Plays a script like zorozo-play and prints the same transcript, while the
// Qt view draws every window (offscreen with QT_QPA_PLATFORM=offscreen). The
// lines "snap NAME" and "snap-frame NAME" save a picture of the newest window
// or of the whole frame as DIR/NAME.png; under --headless they only wait, so
// one script gives one transcript under both.

#include "platform/qtview/gallery_program.h"
#include "platform/qtview/qt_player.h"
#include "platform/testing/player.h"
#include "platform/testing/sample_program.h"

#include <fstream>
#include <iostream>

namespace {

using namespace zorozo;

int usage() {
    std::cerr
        << "usage: zorozo-play-qt [--headless] [--program gallery|frame|sample] [--snaps DIR] "
           "SCRIPT\n";
    return testing::play_failed;
}

} // namespace

int main(int argc, char** argv) {
    bool headless = false;
    std::string program = "sample";
    std::string snaps;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--headless") {
            headless = true;
        } else if (a == "--program" && i + 1 < argc) {
            program = argv[++i];
        } else if (a == "--snaps" && i + 1 < argc) {
            snaps = argv[++i];
        } else if (script.empty() && !a.empty() && a[0] != '-') {
            script = a;
        } else {
            return usage();
        }
    }
    if (script.empty() || (program != "gallery" && program != "sample" && program != "frame")) {
        return usage();
    }
    std::ifstream in(script);
    if (!in) {
        std::cout << "FAILED at line 0: cannot read " << script << '\n';
        return testing::play_failed;
    }
    testing::PlayOptions options;
    if (program == "frame") {
        options.program = qtview::gallery_frame_program;
        options.program_name = "MAIN";
    } else if (program == "gallery") {
        options.program = qtview::gallery_program;
        options.program_name = "GALERIJA";
    } else {
        options.program = testing::sample_program;
        options.program_name = "UZORAK";
    }
    if (headless) {
        return testing::play_stream(in, options);
    }
    return qtview::play_drawn(argc, argv, in, options, snaps);
}
