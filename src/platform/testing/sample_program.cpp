#include "platform/testing/sample_program.h"

#include "platform/text.h"
#include "platform/window/dialogs.h"
#include "platform/window/halt.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

#include <cstdint>
#include <string>

namespace zorozo::testing {

using namespace zorozo::window;

namespace {

struct Values {
    text::Text<20> korisnik;
    std::int32_t port = 3306;
    std::int32_t aktivan = 0;
};

WindowDef definition(Values& v) {
    return WindowDef{.caption = "Uzorak",
                     .rect = {10, 10, 240, 160},
                     .font = {.name = "Segoe UI", .size = 10, .charset = 238},
                     .controls = {
                         {.kind = ControlKind::prompt, .text = "Korisnik:", .rect = {10, 10}},
                         {.kind = ControlKind::entry,
                          .use = "?KORISNIK",
                          .rect = {60, 10, 100, 10},
                          .picture = "@s20",
                          .binding = v.korisnik},
                         {.kind = ControlKind::prompt, .text = "port:", .rect = {10, 24}},
                         {.kind = ControlKind::entry,
                          .use = "?PORT",
                          .rect = {60, 24, 100, 10},
                          .picture = "@n-14",
                          .flags = flag::right,
                          .binding = v.port},
                         {.kind = ControlKind::check,
                          .use = "?AKTIVAN",
                          .text = "Aktivan",
                          .rect = {60, 38, 60, 10},
                          .binding = v.aktivan},
                         {.kind = ControlKind::list,
                          .use = "?LIST1",
                          .rect = {10, 52, 220, 60},
                          .format = "20R(2)|M~Br~C@n_6@80L(2)|M~Naziv~C@s20@"},
                         {.kind = ControlKind::button,
                          .use = "?SPREMI",
                          .text = "Spremi",
                          .rect = {10, 120, 60, 14}},
                         {.kind = ControlKind::button,
                          .use = "?KRAJ",
                          .text = "Kraj",
                          .rect = {80, 120, 60, 14}},
                     }};
}

} // namespace

void sample_program() {
    Values v;
    v.korisnik = "demo";
    Window w(definition(v));
    if (!w.open()) {
        return;
    }
    const int spremi = w.find("?SPREMI");
    const int kraj = w.find("?KRAJ");
    const int list = w.find("?LIST1");
    while (auto e = w.next()) {
        if (e->kind == EventKind::rejected) {
            beep();
            w.display(e->control);
            w.select(e->control);
        } else if (e->kind == EventKind::accepted && e->control == spremi) {
            ListRows rows;
            rows.push_back({{std::int32_t{1}, v.korisnik.trimmed()}});
            rows.push_back({{v.port, std::string(v.aktivan ? "aktivan" : "neaktivan")}});
            w.list(list).set_rows(std::move(rows));
            message("Spremljeno|" + v.korisnik.trimmed(), "Uzorak");
        } else if (e->kind == EventKind::accepted && e->control == kraj) {
            if (stop_box("Izlazak ...") == button::abort) {
                halt(0);
            }
        }
    }
    words().response = response_cancelled;
}

} // namespace zorozo::testing
