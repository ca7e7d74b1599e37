#include "platform/qtview/gallery_program.h"

#include "platform/text.h"
#include "platform/window/backend.h"
#include "platform/window/dialogs.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

#include <cstdint>
#include <mutex>

namespace zorozo::qtview {

using namespace zorozo::window;

namespace {

std::mutex values_mutex;
GalleryValues values_seen;

struct Values {
    text::Text<20> ime;
    text::Text<20> lozinka;
    std::int32_t broj = 1250;
    std::int32_t aktivan = 1;
    std::int32_t kolicina = 3;
    std::string biljeske = "Prvi redak bilješki\nDrugi redak: čćđšž ČĆĐŠŽ";
    text::Text<30> stanje;
};

WindowDef definition(Values& v) {
    const Font segoe{.name = "Segoe UI", .size = 9, .charset = 238};
    return WindowDef{
        .caption = "Galerija kontrola",
        .rect = {20, 20, 400, 214},
        .font = segoe,
        .icon = "WAFRAME.ICO",
        .alert_keys = {Key::esc},
        .controls = {
            {.kind = ControlKind::image,
             .use = "?SLIKA",
             .rect = {0, 0, 400, 30},
             .image = "images (8).jpg"},
            {.kind = ControlKind::prompt,
             .text = "Ime i prezime:",
             .rect = {6, 36, 0, 0},
             .flags = flag::transparent},
            {.kind = ControlKind::entry,
             .use = "?IME",
             .rect = {70, 35, 100, 10},
             .tooltip = {"Upišite ime korisnika", "najviše 20 znakova"},
             .picture = "@s20",
             .binding = v.ime},
            {.kind = ControlKind::prompt, .text = "Lozinka:", .rect = {6, 50, 0, 0}},
            {.kind = ControlKind::entry,
             .use = "?LOZINKA",
             .rect = {70, 49, 100, 10},
             .picture = "@s20",
             .flags = flag::password,
             .binding = v.lozinka},
            {.kind = ControlKind::prompt, .text = "Broj:", .rect = {6, 64, 0, 0}},
            {.kind = ControlKind::entry,
             .use = "?BROJ",
             .rect = {70, 63, 60, 10},
             .picture = "@n-14",
             .flags = flag::right,
             .binding = v.broj},
            {.kind = ControlKind::prompt, .text = "Samo za čitanje:", .rect = {6, 78, 0, 0}},
            {.kind = ControlKind::entry,
             .use = "?STANJE",
             .rect = {70, 77, 100, 10},
             .picture = "@s30",
             .flags = flag::read_only | flag::skip,
             .binding = v.stanje},
            {.kind = ControlKind::check,
             .use = "?AKTIVAN",
             .text = "Aktivan korisnik",
             .rect = {70, 91, 90, 10},
             .binding = v.aktivan},
            {.kind = ControlKind::prompt, .text = "Količina:", .rect = {6, 106, 0, 0}},
            {.kind = ControlKind::spin,
             .use = "?KOLICINA",
             .rect = {70, 105, 40, 11},
             .binding = v.kolicina,
             .low = 0,
             .high = 99},
            {.kind = ControlKind::text,
             .use = "?BILJESKE",
             .rect = {6, 122, 164, 34},
             .flags = flag::vscroll,
             .binding = v.biljeske},
            {.kind = ControlKind::line,
             .use = "?CRTA",
             .rect = {6, 160, 164, 0},
             .font = {.colour = rgb(0xFF, 0xAC, 0xAC)}},
            {.kind = ControlKind::button,
             .use = "?BUTTONOK",
             .text = "&U redu",
             .rect = {6, 166, 52, 14},
             .font = {.style = font_style::bold},
             .icon = "11_ok.ico",
             .key = Key::f5,
             .flags = flag::icon_left},
            {.kind = ControlKind::button,
             .use = "?BUTTONODUSTANI",
             .text = "&Odustani",
             .rect = {62, 166, 56, 14},
             .icon = "KWCancel.ico",
             .flags = flag::icon_left},
            {.kind = ControlKind::button,
             .use = "?BUTTONPRINT",
             .text = "Ispis",
             .rect = {122, 166, 48, 14},
             .font = {.colour = rgb(0, 0, 160)},
             .icon = "print.ico",
             .tooltip = {"Priprema ispisa", "Otvara se pregled za ispis"},
             .flags = flag::flat | flag::icon_left},
            {.kind = ControlKind::button,
             .use = "?BUTTONKWUPUTE",
             .rect = {152, 184, 16, 14},
             .icon = "web_help.ico",
             .key = Key::f1,
             .tooltip = {"Pregled uputa na Webu"},
             .flags = flag::flat},
            {.kind = ControlKind::box, .rect = {6, 184, 140, 14}},
            {.kind = ControlKind::string,
             .use = "?PORUKA",
             .text = "Spremno.",
             .rect = {10, 186, 132, 10},
             .font = {.style = font_style::italic}},
            {.kind = ControlKind::group,
             .use = "?GRUPA",
             .text = "Podaci",
             .rect = {178, 34, 216, 74},
             .flags = flag::boxed,
             .children =
                 {
                     {.kind = ControlKind::sheet,
                      .use = "?SHEET",
                      .rect = {184, 44, 204, 58},
                      .children =
                          {
                              {.kind = ControlKind::tab,
                               .text = "Opći",
                               .children = {{.kind = ControlKind::string,
                                             .text = "Kartica Opći: šđčćž",
                                             .rect = {192, 64, 150, 10},
                                             .font = {.style = font_style::semibold}}}},
                              {.kind = ControlKind::tab,
                               .text = "Dodatno",
                               .children = {{.kind = ControlKind::rich_text,
                                             .use = "?UPUTE",
                                             .text = "<b>Upute</b> za rad: <i>čitati pažljivo</i>.",
                                             .rect = {190, 62, 192, 36}}}},
                          }},
                 }},
            {.kind = ControlKind::list,
             .use = "?LIST1",
             .rect = {178, 112, 216, 86},
             .font = {.name = "Segoe UI", .size = 9},
             .flags = flag::vscroll | flag::hscroll,
             .format =
                 "40R(2)|_M*I~Idp~C(0)@n_6@90L(2)|_M*~Naziv~C(0)@s30@60R(2)|_M*~Iznos~C(0)@n-12.2@",
             .icons = {"~checkoff.ico", "~checkon.ico"},
             .grid = rgb(0xE1, 0xE1, 0xE1),
             .line_height = 11},
            {.kind = ControlKind::prompt,
             .text = "Ctrl-Č: č ć đ š ž  Č Ć Đ Š Ž",
             .rect = {178, 202, 0, 0},
             .font = {.colour = rgb(128, 0, 0)}},
        }};
}

ListRows rows() {
    ListRows out;
    const char* names[] = {"Računalo ured", "Pisač HP",        "Monitor Dell", "Poslužitelj",
                           "Usmjernik",     "Prijenosnik šef", "Skener"};
    for (std::int32_t i = 1; i <= 7; ++i) {
        const bool zebra = i % 2 == 0;
        const Color back = zebra ? rgb(0xF0, 0xF5, 0xFF) : default_color;
        ListRow r;
        r.fields = {i,
                    default_color,
                    back,
                    default_color,
                    default_color,
                    i % 3 == 0 ? 2 : 1,
                    std::string(names[i - 1]),
                    default_color,
                    back,
                    default_color,
                    default_color,
                    i * 1234 + 56,
                    i == 4 ? rgb(200, 0, 0) : default_color,
                    back,
                    default_color,
                    default_color};
        out.push_back(std::move(r));
    }
    return out;
}

void remember(const Values& v, std::string event) {
    std::lock_guard lock(values_mutex);
    auto events = std::move(values_seen.events);
    if (!event.empty()) {
        events.push_back(std::move(event));
    }
    values_seen = {v.ime.trimmed(), v.lozinka.trimmed(), v.broj,           v.aktivan,
                   v.kolicina,      v.biljeske,          std::move(events)};
}

} // namespace

GalleryValues last_gallery_values() {
    std::lock_guard lock(values_mutex);
    return values_seen;
}

void gallery_program() {
    Values v;
    v.ime = "Ana Horvat";
    v.stanje = "Zaključano";
    {
        std::lock_guard lock(values_mutex);
        values_seen = {};
    }
    Window w(definition(v));
    if (!w.open()) {
        return;
    }
    w.list(w.find("?LIST1")).set_rows(rows());
    w.list(w.find("?LIST1")).set_current_row(1);
    const int ok = w.find("?BUTTONOK");
    const int odustani = w.find("?BUTTONODUSTANI");
    const int poruka = w.find("?PORUKA");
    while (auto e = w.next()) {
        remember(v, event_name(e->kind) + " " + std::to_string(e->control));
        if (e->kind == EventKind::rejected) {
            beep();
            w.display(e->control);
            w.select(e->control);
        } else if (e->kind == EventKind::accepted && e->control == ok) {
            w.set_text(poruka, "Spremljeno: " + v.ime.trimmed());
        } else if (e->kind == EventKind::accepted && e->control == odustani) {
            if (message("Zatvoriti galeriju?", "Galerija", Icon::question,
                        button::yes | button::no) == button::yes) {
                w.close();
            }
        } else if (e->kind == EventKind::alert_key && e->key == Key::esc) {
            w.close();
        }
    }
    remember(v, {});
}

} // namespace zorozo::qtview

namespace zorozo::qtview {

void gallery_frame_program() {
    using namespace zorozo::window;
    Window frame(WindowDef{
        .caption = "VE Zorozo",
        .rect = {0, 0, 560, 340},
        .font = {.name = "Segoe UI", .size = 9, .charset = 238},
        .icon = "WAFRAME.ICO",
        .image = "server-room.jpg",
        .frame = true,
        .status_bar = true,
        .menu = {
            {.kind = MenuKind::menu,
             .text = "&Datoteka",
             .children = {{.text = "&Postavke", .message = "Postavke programa"},
                          {.text = "Postavke &pisača", .message = "Odabir pisača"},
                          {.kind = MenuKind::separator},
                          {.use = "IZLAZ", .text = "&Izlaz", .message = "Izlaz iz programa"}}},
            {.kind = MenuKind::menu,
             .text = "&Uređivanje podataka",
             .flags = flag::disabled,
             .children = {{.text = "Pregled opreme"}}},
            {.kind = MenuKind::menu,
             .text = "&Prozor",
             .children = {{.use = "SLOZI", .text = "&Složi", .message = "Složi prozore"},
                          {.use = "KASKADNO", .text = "&Kaskadno", .message = "Prozori kaskadno"}}},
        }});
    if (!frame.open()) {
        return;
    }
    frame.set_status(1, "Spreman");
    frame.set_status(2, "Korisnik: demo");
    const int izlaz = frame.find("IZLAZ");
    const int slozi = frame.find("SLOZI");
    const int kaskadno = frame.find("KASKADNO");
    start(gallery_program, "GALERIJA");
    while (auto e = frame.next()) {
        if (e->kind != EventKind::accepted) {
            continue;
        }
        if (e->control == izlaz) {
            frame.close();
        } else if (e->control == slozi) {
            backend()->frame_action(FrameAction::tile);
        } else if (e->control == kaskadno) {
            backend()->frame_action(FrameAction::cascade);
        }
    }
}

} // namespace zorozo::qtview
