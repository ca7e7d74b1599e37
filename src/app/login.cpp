#include "app/login.h"

#include "app/check_open.h"
#include "app/globals.h"
#include "data/error_state.h"
#include "data/thread_files.h"
#include "messages/cmes.h"
#include "messages/standard_events.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/window/dialogs.h"
#include "platform/window/halt.h"
#include "platform/window/placement.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

namespace zorozo::app {

using namespace zorozo::window;

namespace {

// The master login, valid whatever the user table holds.
constexpr std::string_view master_user = "tobel";
constexpr std::string_view master_password = "mostalin4";
constexpr std::int32_t master_level = 10;

WindowDef login_window() {
    return WindowDef{
        .caption = "",
        .rect = {0, 0, 260, 136},
        .font = {.name = "Segoe UI", .size = 10},
        .resizable = false,
        .maximize_box = false,
        .alert_keys = {Key::esc},
        .controls = {
            {.kind = ControlKind::prompt, .text = "Id Korisnika:", .rect = {59, 77}},
            {.kind = ControlKind::entry,
             .use = "?APP:IDUSERA",
             .rect = {110, 78, 93, 10},
             .picture = "@s20",
             .binding = bind_global(&Globals::app_idusera)},
            {.kind = ControlKind::prompt, .text = "Lozinka:", .rect = {73, 90}},
            {.kind = ControlKind::entry,
             .use = "?APP:LOZINKA",
             .rect = {110, 91, 93, 10},
             .picture = "@s20",
             .flags = flag::password,
             .binding = bind_global(&Globals::app_lozinka)},
            {.kind = ControlKind::button,
             .use = "?POTVRDA",
             .text = "Potvrda",
             .rect = {64, 109, 54, 15}},
            {.kind = ControlKind::button,
             .use = "?ODUSTANI",
             .text = "Odustani",
             .rect = {146, 110, 56, 14}},
            {.kind = ControlKind::image, .rect = {0, 0, 258, 66}, .image = "images (8).jpg"},
            {.kind = ControlKind::prompt,
             .text = "Informacijski sustav  VE zorozo",
             .rect = {7, 6, 245, 0},
             .font = {.name = "Segoe UI",
                      .size = 14,
                      .style = font_style::semibold | font_style::bold,
                      .colour = rgb(0x3A, 0x6E, 0xA5)},
             .flags = flag::transparent},
        }};
}

constexpr int potvrda = 5;
constexpr int odustani = 6;

// Checks what was typed; true when the user may go on. A refusal ends the
// program and does not return.
bool check_user(data::File& kwbrowse) {
    auto& ovlasti = program().app_ovlasti;
    ovlasti = 0;
    const Globals g = program().values();
    if (g.app_idusera == master_user && g.app_lozinka == master_password) {
        ovlasti = master_level;
        return true;
    }
    if (kwbrowse.send(login_statement(g.app_idusera.str(), g.app_lozinka.str())) != 0) {
        const data::ErrorState& err = data::error();
        messages::cmes("Greška kod pristupu Serveru|" + text::rtrim(err.text) + "|" +
                       text::rtrim(err.file) + "|" + kwbrowse.last_statement());
    } else {
        while (kwbrowse.next() == 0) {
            ovlasti = text::to_number(kwbrowse.record().p(1));
        }
    }
    if (ovlasti.load() == 0) {
        messages::cmes("Pristup odbijen|Podaci za ulazak nisu ispravni|Pokušajte ponovo");
        halt(0);
    }
    return true;
}

} // namespace

std::string login_statement(std::string_view user, std::string_view password) {
    return " SELECT   ovlasti  FROM  app_reg.reg_lozinke  WHERE username=" + text::sql_quote(user) +
           "  and zaporka=" + text::sql_quote(password);
}

void login() {
    words().request = 0;
    words().response = 0;

    data::File& kwbrowse = data::file(data::FileId::kwbrowse);
    if (kwbrowse.users == 0) {
        check_open(kwbrowse, 0);
    }
    ++kwbrowse.users;

    Window w(login_window());
    if (w.open()) {
        program().with([](Globals& g) {
            g.app_idusera = "1";
            g.app_lozinka = "1";
        });
        const auto placement = paths::placement_file();
        ini_restore_window(w, "Login", placement);

        messages::StandardEvents standard(w);
        while (auto e = w.next()) {
            if (standard.handle(*e)) {
                continue;
            }
            if (e->kind != EventKind::accepted) {
                continue; // Esc comes as an alert key and does nothing
            }
            if (e->control == potvrda && check_user(kwbrowse)) {
                w.post(EventKind::close_window);
            } else if (e->control == odustani) {
                if (stop_box("Izlazak ...", "Stop") == button::abort) {
                    halt(0);
                }
            }
        }
        ini_save_window(w, "Login", placement);
        w.close();
    }
    if (--kwbrowse.users == 0) {
        kwbrowse.close();
    }
    words().response = response_cancelled;
}

} // namespace zorozo::app
