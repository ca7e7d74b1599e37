// A procedure that is blocked, in a long call or waiting for its message box,
// does not stop the GUI from drawing and handling another procedure's window.

#include "platform/window/dialogs.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"
#include "qt_fixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <latch>

namespace zorozo::qtview::testing {
namespace {

using namespace zorozo::window;

WindowDef counter_window(std::string caption) {
    return WindowDef{
        .caption = std::move(caption),
        .rect = {0, 0, 120, 40},
        .controls = {
            {.kind = ControlKind::button, .use = "?PLUS", .text = "Dodaj", .rect = {4, 4, 50, 14}},
            {.kind = ControlKind::string, .use = "?BROJ", .text = "0", .rect = {60, 6, 50, 10}}}};
}

// Counts the presses of its button in its string control.
void counter() {
    Window w(counter_window("Brojač"));
    if (!w.open()) {
        return;
    }
    int n = 0;
    while (auto e = w.next()) {
        if (e->kind == EventKind::accepted && e->control == 1) {
            w.set_text(2, std::to_string(++n));
        }
    }
}

class BlockingTest : public QtFixture {
protected:
    // Clicks the counter's button and waits until its new count is drawn.
    bool counter_still_works() {
        WindowView* v = view("Brojač");
        if (!v) {
            return false;
        }
        auto* label = v->findChild<QLabel*>("?BROJ");
        const int before = label->text().toInt();
        pump_until([&] { return v->isEnabled(); });
        QTest::mouseClick(v->findChild<QPushButton*>("?PLUS"), Qt::LeftButton);
        return pump_until([&] { return label->text().toInt() == before + 1; });
    }
};

TEST_F(BlockingTest, AProcedureInALongCallDoesNotStopAnotherWindow) {
    std::latch release(1);
    std::atomic<bool> done = false;
    window::start(
        [&] {
            Window w(counter_window("Spori"));
            if (!w.open()) {
                return;
            }
            while (auto e = w.next()) {
                if (e->kind == EventKind::opened) {
                    release.wait(); // a long call: the window stays busy
                    done = true;
                }
            }
        },
        "SPORI");
    window::start(counter, "BROJAC");
    ASSERT_NE(view("Spori"), nullptr);
    EXPECT_TRUE(counter_still_works());
    EXPECT_TRUE(counter_still_works());
    EXPECT_FALSE(done);
    release.count_down();
    EXPECT_TRUE(pump_until([&] { return done.load(); }));
}

TEST_F(BlockingTest, AProcedureWaitingForItsMessageBoxDoesNotStopAnotherWindow) {
    std::atomic<int> answer = -1;
    window::start(counter, "BROJAC");
    ASSERT_NE(view("Brojač"), nullptr);
    window::start(
        [&] {
            answer = message("Obrisati označene redove?", "Brisanje", Icon::question,
                             button::yes | button::no);
        },
        "PITA");
    QMessageBox* box = nullptr;
    ASSERT_TRUE(pump_until([&] {
        for (auto* w : QApplication::topLevelWidgets()) {
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) {
                box = b;
            }
        }
        return box != nullptr;
    }));
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_EQ(box->text(), "Obrisati označene redove?");
    EXPECT_TRUE(counter_still_works());
    EXPECT_EQ(answer, -1);
    QPushButton* no = nullptr;
    for (auto* b : box->buttons()) {
        if (b->text() == QString::fromStdString(button_text(button::no))) {
            no = qobject_cast<QPushButton*>(b);
        }
    }
    ASSERT_NE(no, nullptr);
    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_TRUE(pump_until([&] { return answer.load() == button::no; }));
}

} // namespace
} // namespace zorozo::qtview::testing
