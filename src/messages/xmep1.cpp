#include "messages/report_lines.h"
#include "messages/standard_events.h"
#include "messages/xme.h"
#include "platform/text.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

namespace zorozo::messages {

using namespace zorozo::window;

namespace {

WindowDef report_window(text::Text<100>& naslov) {
    return WindowDef{
        .caption = "Kontrola podataka ",
        .rect = {0, 0, 366, 249},
        .font = {.name = "Segoe UI", .size = 10},
        .background = rgb(255, 255, 255),
        .image = "KWTolbar.bmp",
        .alert_keys = {Key::esc},
        .controls = {
            {.kind = ControlKind::string,
             .use = "?LOC:NASLOV",
             .rect = {0, 0, 365, 11},
             .font = {.name = "Segoe UI",
                      .size = 10,
                      .style = font_style::semibold,
                      .colour = rgb(255, 255, 255)},
             .background = rgb(0x00, 0x40, 0x80),
             .picture = "@s100",
             .flags = flag::centred,
             .binding = naslov},
            {.kind = ControlKind::list,
             .use = "?LIST1",
             .rect = {6, 15, 355, 208},
             .font = {.name = "Segoe UI", .size = 10, .colour = rgb(0, 0, 0)},
             .flags = flag::vscroll,
             .format = "500L(2)|_M@s125@",
             .grid = rgb(0xEA, 0xEA, 0xEA),
             .line_height = 12},
            {.kind = ControlKind::image, .rect = {302, 231, 56, 15}, .image = "kwgr.bmp"},
            {.kind = ControlKind::button,
             .use = "?BUTTONZATVORI",
             .text = "Zatvori",
             .rect = {302, 230, 60, 14},
             .icon = "KWCancel.ico",
             .flags = flag::flat | flag::icon_left},
        }};
}

constexpr int list1 = 2;
constexpr int buttonzatvori = 4;

} // namespace

void xmep1(std::string_view title) {
    words().request = 0;
    words().response = 0;

    text::Text<100> naslov;
    Window w(report_window(naslov));
    if (!w.open()) {
        report_lines().clear();
        return;
    }
    std::vector<ReportLine> lines = report_lines().take_all();
    if (lines.empty()) {
        w.post(EventKind::close_window);
    }
    naslov = title;
    ListRows kwtree;
    kwtree.reserve(lines.size());
    for (const ReportLine& line : lines) {
        kwtree.push_back({{text::Text<125>(line.zopis.str()).str()}});
    }
    w.list(list1).set_rows(std::move(kwtree));
    w.display();

    StandardEvents standard(w);
    while (auto e = w.next()) {
        if (standard.handle(*e)) {
            continue;
        }
        if (e->kind == EventKind::alert_key && e->key == Key::esc) {
            w.post(EventKind::close_window);
        } else if (e->kind == EventKind::accepted && e->control == buttonzatvori) {
            w.post(EventKind::close_window);
        }
    }
    w.close();
    report_lines().clear();
    words().response = response_cancelled;
}

} // namespace zorozo::messages
