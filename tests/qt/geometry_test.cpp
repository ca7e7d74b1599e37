// A window the user moves and resizes keeps its placement through the
// placement procedures: saved on close, restored on the next open.

#include "platform/window/placement.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"
#include "qt_fixture.h"

#include <QDir>
#include <QTemporaryDir>

namespace zorozo::qtview::testing {
namespace {

using namespace zorozo::window;

class GeometryTest : public QtFixture {};

TEST_F(GeometryTest, MovedAndResizedWindowIsSavedAndRestored) {
    QTemporaryDir dir;
    const std::filesystem::path ini = dir.filePath("kw_zezido.INI").toStdString();
    auto program = [ini] {
        Window w(WindowDef{.caption = "Smještaj",
                           .rect = {10, 10, 200, 100},
                           .controls = {{.kind = ControlKind::list,
                                         .use = "?LIST1",
                                         .rect = {4, 4, 192, 92},
                                         .format = "60L(2)|M~Naziv~@s20@"}}});
        if (!w.open()) {
            return;
        }
        ini_restore_window(w, "smjestaj", ini);
        while (w.next()) {
        }
        ini_save_window(w, "smjestaj", ini);
    };

    window::start(program, "SMJESTAJ");
    WindowView* v = view("Smještaj");
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(pump_until([&] { return !v->core()->snapshot().busy; }));
    const QSize first = v->size();
    // The user drags the window to another place and makes it larger.
    v->host()->move(300, 200);
    v->host()->resize(first.width() + 120, first.height() + 80);
    const Rect moved = v->units().to_rect(QRect(QPoint(300, 200), v->size()));
    ASSERT_TRUE(pump_until([&] { return v->core()->snapshot().rect == moved; }));
    // The list grew with the window.
    EXPECT_EQ(v->widget(1)->width(), v->units().x(192) + v->width() - v->units().x(200));
    EXPECT_EQ(v->widget(1)->height(), v->units().y(92) + v->height() - v->units().y(100));
    const auto first_window = v->core()->id();
    v->host()->close(); // the close box asks the procedure, which saves and closes
    ASSERT_TRUE(pump_until([] { return window::running_procedures() == 0; }));

    window::start(program, "SMJESTAJ");
    WindowView* again = nullptr;
    ASSERT_TRUE(pump_until([&] {
        again = view("Smještaj");
        return again && again->core()->id() != first_window;
    }));
    EXPECT_TRUE(pump_until([&] { return again->core()->snapshot().rect == moved; }))
        << again->core()->snapshot().rect.x << "," << again->core()->snapshot().rect.y << " "
        << again->core()->snapshot().rect.width << "x" << again->core()->snapshot().rect.height
        << " wanted " << moved.x << "," << moved.y << " " << moved.width << "x" << moved.height;
    ASSERT_TRUE(pump_until([&] {
        again->refresh();
        return again->host()->pos() == QPoint(again->units().x(moved.x), again->units().y(moved.y));
    }));
    // The offscreen platform may round a window's size by a pixel.
    EXPECT_NEAR(again->width(), again->units().x(moved.width), 2);
    EXPECT_NEAR(again->height(), again->units().y(moved.height), 2);
    EXPECT_GT(again->width(), again->units().x(200) + 100);
}

TEST_F(GeometryTest, ControlsBelowOrRightOfAGrowingListMoveWithTheWindowEdge) {
    window::start(
        [] {
            Window w(WindowDef{
                .caption = "Sidra",
                .rect = {10, 10, 200, 120},
                .controls = {{.kind = ControlKind::prompt, .text = "Popis:", .rect = {4, 2}},
                             {.kind = ControlKind::list,
                              .use = "?LIST1",
                              .rect = {4, 12, 150, 84},
                              .format = "60L(2)|M~Naziv~@s20@"},
                             {.kind = ControlKind::button,
                              .use = "?ZATVORI",
                              .text = "Zatvori",
                              .rect = {4, 100, 50, 14}},
                             {.kind = ControlKind::button,
                              .use = "?ISPIS",
                              .text = "Ispis",
                              .rect = {160, 12, 36, 14}}}});
            if (!w.open()) {
                return;
            }
            while (w.next()) {
            }
        },
        "SIDRA");
    WindowView* v = view("Sidra");
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(pump_until([&] { return !v->core()->snapshot().busy; }));
    const QSize first = v->size();
    v->host()->resize(v->host()->width() + 120, v->host()->height() + 80);
    ASSERT_TRUE(pump_until([&] { return v->size() != first && v->widget(2)->height() > 0; }));
    const auto& u = v->units();
    const int dx = v->width() - u.x(200);
    const int dy = v->height() - u.y(120);
    ASSERT_GT(dx, 0);
    ASSERT_GT(dy, 0);
    EXPECT_EQ(v->widget(1)->pos(), QPoint(u.x(4), u.y(2))); // above the list: stays
    EXPECT_EQ(v->widget(2)->size(), QSize(u.x(150) + dx, u.y(84) + dy));
    EXPECT_EQ(v->widget(3)->pos(), QPoint(u.x(4), u.y(100) + dy));  // below: follows the bottom
    EXPECT_EQ(v->widget(4)->pos(), QPoint(u.x(160) + dx, u.y(12))); // right: follows the right
    // Nothing overlaps the grown list.
    EXPECT_FALSE(v->widget(2)->geometry().intersects(v->widget(3)->geometry()));
    EXPECT_FALSE(v->widget(2)->geometry().intersects(v->widget(4)->geometry()));
}

} // namespace
} // namespace zorozo::qtview::testing
