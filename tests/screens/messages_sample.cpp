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
#include <string>
#include <vector>

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
    const auto player =
        qtview::take_player_options(std::vector<std::string>(argv + 1, argv + argc));
    if (player.rest.size() != 1) {
        std::fprintf(stderr, "usage: messages-sample [--headless] [--snaps DIR] SCRIPT\n");
        return testing::play_failed;
    }
    testing::PlayOptions options;
    options.program = sample;
    options.program_name = "PORUKE";
    return qtview::play_file(argc, argv, player.rest.front(), player, options);
}
