#include "app/main_frame.h"

#include "app/globals.h"
#include "app/login.h"
#include "app/ovlasti.h"
#include "app/postavke.h"
#include "app/settings.h"
#include "app/standard_warning.h"
#include "data/config.h"
#include "messages/standard_events.h"
#include "platform/paths.h"
#include "platform/window/backend.h"
#include "platform/window/dialogs.h"
#include "platform/window/halt.h"
#include "platform/window/placement.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

namespace zorozo::app {

using namespace zorozo::window;

namespace {

MenuDef item(std::string text, std::string message = {}) {
    return {.kind = MenuKind::item, .text = std::move(text), .message = std::move(message)};
}
MenuDef separator() {
    return {.kind = MenuKind::separator};
}

WindowDef appframe() {
    const std::string arrange = "Arrange multiple opened windows";
    return WindowDef{
        .caption = "VE Zorozo",
        .rect = {0, 0, 675, 355},
        .font = {.name = "MS Sans Serif", .size = 8},
        .icon = "WAFRAME.ICO",
        .image = "server-room.jpg",
        .frame = true,
        .status_bar = true,
        .timer = 200,
        .menu = {
            {.kind = MenuKind::menu,
             .use = "OBRADA",
             .text = "Uređivanje podataka",
             .flags = flag::disabled,
             .children = {item("Popis opreme"), item("Pregled arhiviranja"),
                          item("Pregled arhive (log)"), separator(), item("Postavke"),
                          item("Ovlasti")}},
            item("Opis postupaka (Upute)"),
            {.kind = MenuKind::menu,
             .text = "&File",
             .children = {item("&Print Setup ...", "Setup printer"), separator(),
                          item("E&xit", "Exit this application")}},
            {.kind = MenuKind::menu,
             .text = "&Window",
             .children = {item("T&ile", arrange), item("&Cascade", arrange),
                          item("&Arrange Icons", "Arrange the icons for minimized windows")}},
        }};
}

namespace menu {
constexpr int obrada = -1;
constexpr int popis_opreme = -2;
constexpr int pregled_arhiviranja = -3;
constexpr int pregled_arhive_log = -4;
constexpr int postavke = -5;
constexpr int ovlasti = -6;
constexpr int upute = -7;
constexpr int print_setup = -9;
constexpr int exit = -10;
constexpr int tile = -12;
constexpr int cascade = -13;
constexpr int arrange_icons = -14;
} // namespace menu

// A screen that a later version brings: until then it says it is not available.
void not_available(std::string name) {
    start([name] { standard_warning(6, name); }, name);
}

void menu_command(Window& w, int control) {
    switch (control) {
    case menu::popis_opreme:
        not_available("XREG_OPREMA");
        break;
    case menu::pregled_arhiviranja:
        not_available("ARHIVA_PREGLED");
        break;
    case menu::pregled_arhive_log:
        not_available("ARHIVA_LOG");
        break;
    case menu::postavke:
        start(postavke, "POSTAVKE");
        break;
    case menu::ovlasti:
        start(ovlasti, "OVLASTI");
        break;
    case menu::upute:
        not_available("UPUTE");
        break;
    case menu::print_setup:
        printer_setup();
        break;
    case menu::exit:
        w.post(EventKind::close_window);
        break;
    case menu::tile:
        backend()->frame_action(FrameAction::tile);
        break;
    case menu::cascade:
        backend()->frame_action(FrameAction::cascade);
        break;
    case menu::arrange_icons:
        backend()->frame_action(FrameAction::arrange_icons);
        break;
    default:
        break;
    }
}

} // namespace

void configure_data_layer() {
    const Settings s = program().values().settings;
    data::configure({.data_source = s.my_naziv.trimmed(),
                     .host = s.my_host.trimmed(),
                     .port = s.my_port,
                     .user = s.my_user.trimmed(),
                     .password = s.my_psw.trimmed(),
                     .database = s.my_db.trimmed()});
}

std::string first_argument(const std::vector<std::string>& args) {
    if (args.empty()) {
        return {};
    }
    std::string out;
    bool quoted = false;
    for (char c : args.front()) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            break;
        } else {
            out += c;
        }
    }
    return out;
}

void main_frame(std::vector<std::string> args) {
    words().request = 0;
    words().response = 0;

    procitaj_postavke();
    configure_data_layer();

    const std::string com = first_argument(args);
    program().with([&](Globals& g) { g.app_com = com; });
    if (text::Text<255>(com) == "PRIJAVA") {
        message("Prijava i gašenje", {}, Icon::none, button::ok);
        halt(0);
    }

    Window w(appframe());
    if (!w.open()) {
        halt(0);
    }
    start(login, "LOGIN");
    const auto placement = paths::placement_file();
    ini_restore_window(w, "Main", placement);

    messages::StandardEvents standard(w);
    while (auto e = w.next()) {
        if (standard.handle(*e)) {
            continue;
        }
        if (e->kind == EventKind::timer) {
            if (program().app_ovlasti.load() > 0) {
                w.enable(menu::obrada);
            }
        } else if (e->kind == EventKind::accepted && e->control < 0) {
            menu_command(w, e->control);
        }
    }
    ini_save_window(w, "Main", placement);
    w.close();
    words().response = response_cancelled;
    halt(0);
}

} // namespace zorozo::app
