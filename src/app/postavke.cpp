#include "app/postavke.h"

#include "app/globals.h"
#include "app/settings.h"
#include "messages/standard_events.h"
#include "platform/paths.h"
#include "platform/window/dialogs.h"
#include "platform/window/placement.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

namespace zorozo::app {

using namespace zorozo::window;

namespace {

ControlDef prompt(std::string text, int x, int y) {
    return {.kind = ControlKind::prompt, .text = std::move(text), .rect = {x, y}};
}

ControlDef entry(std::string use, int y, std::string picture, Binding binding,
                 std::uint32_t flags = flag::none) {
    return {.kind = ControlKind::entry,
            .use = std::move(use),
            .rect = {70, y, 168, 10},
            .picture = std::move(picture),
            .flags = flags,
            .binding = std::move(binding)};
}

ControlDef note(std::string text, int y) {
    return {.kind = ControlKind::prompt,
            .text = std::move(text),
            .rect = {70, y},
            .font = {.size = 8},
            .flags = flag::transparent};
}

WindowDef settings_window() {
    return WindowDef{
        .caption = "Postavke",
        .rect = {0, 0, 256, 172},
        .font = {.name = "Segoe UI", .size = 10, .charset = 238},
        .background = rgb(255, 255, 255),
        .controls = {
            note("* obavezan podataka  (skračeni naziv)", 2),
            prompt("Korisnik:", 36, 10),
            entry("?APP:KORISNIK", 10, "@s20", bind_global(&Settings::app_korisnik)),
            prompt("naziv:", 46, 24),
            entry("?MY:NAZIV", 24, "@s32", bind_global(&Settings::my_naziv)),
            prompt("host:", 48, 38),
            entry("?MY:HOST", 38, "@s55", bind_global(&Settings::my_host)),
            prompt("port:", 48, 50),
            entry("?MY:PORT", 50, "@n-14", bind_global(&Settings::my_port), flag::right),
            prompt("user:", 48, 64),
            entry("?MY:USER", 64, "@s55", bind_global(&Settings::my_user)),
            prompt("db:", 53, 77),
            entry("?MY:DB", 77, "@s55", bind_global(&Settings::my_db)),
            prompt("psw:", 49, 89),
            entry("?MY:PSW", 89, "@s35", bind_global(&Settings::my_psw), flag::password),
            prompt("app inv broj:", 22, 103),
            entry("?APP_INV_BROJ", 103, "@s20", bind_global(&Settings::app_inv_broj)),
            {.kind = ControlKind::button,
             .use = "?SPREMI",
             .text = "Spremi",
             .rect = {70, 130, 168, 16}},
            note("* obavezan podataka   ", 116),
        }};
}

constexpr int spremi = 18;

void save(Window&) {
    const SaveResult result = spremi_postavke();
    if (result.ok) {
        message("OK", {}, Icon::none, button::ok);
    } else {
        message("Postavke nisu spremljene.|Datoteku " + result.file.string() +
                    " nije moguće zapisati.",
                "Postavke", Icon::exclamation, button::ok);
    }
}

} // namespace

void postavke() {
    words().request = 0;
    words().response = 0;

    Window w(settings_window());
    if (!w.open()) {
        words().response = response_cancelled;
        return;
    }
    const auto placement = paths::placement_file();
    ini_restore_window(w, "Postavke", placement);

    messages::StandardEvents standard(w);
    while (auto e = w.next()) {
        if (standard.handle(*e)) {
            continue;
        }
        if (e->kind == EventKind::accepted && e->control == spremi) {
            save(w);
        }
    }
    ini_save_window(w, "Postavke", placement);
    w.close();
    words().response = response_cancelled;
}

} // namespace zorozo::app
