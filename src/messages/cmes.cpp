#include "messages/cmes.h"

#include "messages/standard_events.h"
#include "messages/xreplace.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/window/placement.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

namespace zorozo::messages {

using namespace zorozo::window;

namespace {

struct Texts {
    text::Text<cmes_text_width> xs1;
    text::Text<cmes_text_width> xs2;
    text::Text<cmes_answer_width> odgovor;
};

WindowDef quick_window(Texts& t) {
    const Font semibold{
        .name = "Segoe UI", .size = 10, .style = font_style::semibold, .charset = 238};
    const Font text_font{.name = "Segoe UI",
                         .size = 10,
                         .style = font_style::italic,
                         .charset = 238,
                         .colour = rgb(0, 0, 0)};
    const std::uint32_t text_flags = flag::vscroll | flag::transparent;
    return WindowDef{.caption = " - Poruka -",
                     .rect = {0, 0, 413, 189},
                     .font = {.name = "Segoe UI", .size = 10, .charset = 238},
                     .icon = "kw_lozinka.ico",
                     .image = "Katalog - Copy.jpg",
                     .controls = {
                         {.kind = ControlKind::text,
                          .use = "?XS1",
                          .rect = {1, 3, 408, 80},
                          .font = text_font,
                          .background = rgb(0xEF, 0xEF, 0xEF),
                          .flags = text_flags,
                          .binding = t.xs1},
                         {.kind = ControlKind::text,
                          .use = "?XS2",
                          .rect = {1, 91, 408, 70},
                          .font = text_font,
                          .background = rgb(0xEF, 0xEF, 0xEF),
                          .flags = text_flags,
                          .binding = t.xs2},
                         {.kind = ControlKind::line,
                          .rect = {2, 88, 407, 0},
                          .font = {.colour = rgb(0xFF, 0xAC, 0xAC)}},
                         {.kind = ControlKind::button,
                          .use = "?OK1",
                          .text = "Potvrda",
                          .rect = {273, 171, 68, 14},
                          .font = semibold,
                          .icon = "11_ok.ico",
                          .flags = flag::flat | flag::icon_left},
                         {.kind = ControlKind::button,
                          .use = "?ODUSTANI",
                          .text = "Odustani",
                          .rect = {341, 171, 68, 14},
                          .font = semibold,
                          .icon = "KWCancel.ico",
                          .flags = flag::flat | flag::icon_left},
                         {.kind = ControlKind::prompt,
                          .use = "?ODGOVOR:PROMPT",
                          .text = "Odgovor:",
                          .rect = {5, 175},
                          .font = semibold,
                          .flags = flag::hidden | flag::transparent},
                         {.kind = ControlKind::entry,
                          .use = "?ODGOVOR",
                          .rect = {53, 173, 212, 12},
                          .font = semibold,
                          .picture = "@s255",
                          .flags = flag::hidden,
                          .binding = t.odgovor},
                     }};
}

constexpr int potvrda = 4;
constexpr int odustani = 5;
constexpr int odgovor_prompt = 6;
constexpr int odgovor_entry = 7;

} // namespace

std::string cmes(std::string_view first, std::string_view second, std::string_view proposed) {
    words().request = 0;
    words().response = 0;

    Texts t;
    const text::Text<cmes_text_width> xs11(first);
    const text::Text<cmes_text_width> xs22(second);
    t.xs1 = xreplace(xs11.str(), "|", "\r\n", 0);
    t.xs2 = xreplace(xs22.str(), "|", "\r\n", 0);

    Window w(quick_window(t));
    if (!w.open()) {
        return {};
    }
    if (!text::is_blank(proposed)) {
        w.unhide(odgovor_prompt);
        t.odgovor = proposed;
        w.unhide(odgovor_entry);
    }
    const auto placement = paths::placement_file();
    ini_restore_window(w, "cmes", placement);

    StandardEvents standard(w);
    while (auto e = w.next()) {
        if (standard.handle(*e)) {
            continue;
        }
        if (e->kind != EventKind::accepted) {
            continue;
        }
        if (e->control == potvrda) {
            break;
        }
        if (e->control == odustani) {
            t.odgovor = "NE";
            break;
        }
    }
    ini_save_window(w, "cmes", placement);
    w.close();
    words().response = response_cancelled;
    return t.odgovor.trimmed();
}

} // namespace zorozo::messages
