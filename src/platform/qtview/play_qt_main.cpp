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

#include <iostream>
#include <string>
#include <vector>

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
    const auto player =
        qtview::take_player_options(std::vector<std::string>(argv + 1, argv + argc));
    std::string program = "sample";
    std::string script;
    for (std::size_t i = 0; i < player.rest.size(); ++i) {
        const std::string& a = player.rest[i];
        if (a == "--program" && i + 1 < player.rest.size()) {
            program = player.rest[++i];
        } else if (script.empty() && !a.empty() && a[0] != '-') {
            script = a;
        } else {
            return usage();
        }
    }
    if (script.empty() || (program != "gallery" && program != "sample" && program != "frame")) {
        return usage();
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
    return qtview::play_file(argc, argv, script, player, options);
}
