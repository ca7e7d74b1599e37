// messages-sample [--headless] [--snaps DIR] SCRIPT
//
// Plays a script against a small program that asks a question through the
// message window and then shows three report lines, so that both windows can
// be looked at (drawn by Qt, offscreen with QT_QPA_PLATFORM=offscreen).
#include "messages/cmes.h"
#include "messages/xme.h"
#include "platform/qtview/qt_player.h"
#include "platform/testing/player.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using namespace zorozo;

void sample() {
    const std::string answer =
        messages::cmes("Brisanje označenih redova|Označeno je 3 reda.",
                       "Upišite DA za potvrdu brisanja.|Brisanje se ne može poništiti.", "DA");
    messages::xme("Odgovor: " + answer);
    messages::xme("Obrisan red idp=12");
    messages::xme("Obrisan red idp=15 (Đurđica Šimić, Čakovec)");
    messages::xmep1("Rezultat brisanja");
}

} // namespace

int main(int argc, char** argv) {
    bool headless = false;
    std::string snaps;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--headless") {
            headless = true;
        } else if (a == "--snaps" && i + 1 < argc) {
            snaps = argv[++i];
        } else {
            script = a;
        }
    }
    std::ifstream in(script);
    if (!in) {
        std::printf("FAILED at line 0: cannot read %s\n", script.c_str());
        return testing::play_failed;
    }
    testing::PlayOptions options;
    options.program = sample;
    options.program_name = "PORUKE";
    if (headless) {
        return testing::play_stream(in, options);
    }
    return qtview::play_drawn(argc, argv, in, options, snaps);
}
