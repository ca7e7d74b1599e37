// qt_bench: the list control's first paint of 3000 rows x 40 columns with
// zebra colours and mark icons, and the scroll to its last row, offscreen.
// Prints the median and the worst of several runs in milliseconds.

#include "platform/qtview/dialog_units.h"
#include "platform/qtview/fonts.h"
#include "platform/qtview/list_view.h"
#include "platform/qtview/qt_backend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace zorozo;

namespace {

window::ListState big_list() {
    std::string format = "40L(2)|_M*I~Stupac 1~C@s12@";
    for (int c = 2; c <= 40; ++c) {
        format += "50L(2)|M*~Stupac " + std::to_string(c) + "~C@n-12@";
    }
    window::ListState list;
    list.format_text = format;
    list.format = *window::parse_column_format(format).format;
    window::ListRows rows(3000);
    for (int r = 0; r < 3000; ++r) {
        auto& f = rows[static_cast<std::size_t>(r)].fields;
        const window::Color back = r % 2 ? window::rgb(0xE0, 0xF0, 0xFF) : window::default_color;
        for (int c = 1; c <= 40; ++c) {
            if (c == 1) {
                f.emplace_back("Redak " + std::to_string(r + 1));
            } else {
                f.emplace_back(std::int32_t{r * 40 + c});
            }
            f.insert(f.end(),
                     {window::default_color, back, window::default_color, window::default_color});
            if (c == 1) {
                f.emplace_back(r % 3 ? 1 : 2);
            }
        }
    }
    list.rows = std::make_shared<const window::ListRows>(std::move(rows));
    list.rows_version = 1;
    list.icons = {"~checkoff.ico", "~checkon.ico"};
    return list;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    qtview::prepare_application();
    const window::ListState list = big_list();
    window::ControlDef def{.kind = window::ControlKind::list, .line_height = 11};
    window::ControlState state;
    state.number = 1;
    state.def = &def;
    state.list = list;
    const qtview::DialogUnits units(qtview::window_font(window::Font{"Segoe UI", 10}));

    std::vector<double> first_paint;
    std::vector<double> scroll;
    for (int run = 0; run < 7; ++run) {
        qtview::ListView view(
            1, def, units, [](window::UserAction) {}, nullptr);
        view.resize(1200, 700);
        QElapsedTimer t;
        t.start();
        view.apply(state);
        view.show();
        (void)view.grab(); // the first paint
        first_paint.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        view.scrollToBottom();
        QApplication::processEvents();
        (void)view.grab();
        scroll.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("list 3000 x 40, first paint: median %.1f ms, worst %.1f ms\n", median(first_paint),
                *std::max_element(first_paint.begin(), first_paint.end()));
    std::printf("list 3000 x 40, scroll to end: median %.1f ms, worst %.1f ms\n", median(scroll),
                *std::max_element(scroll.begin(), scroll.end()));
    return 0;
}
