// Every control kind of the gallery is drawn with its text, and what a person
// does in the Qt view reaches the procedure as the same events and values the
// headless backend gives for the same actions.

#include "platform/qtview/gallery_program.h"
#include "platform/qtview/list_view.h"
#include "platform/testing/driver.h"
#include "platform/window/procedure.h"
#include "platform/window/procedure_context.h"
#include "qt_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

namespace zorozo::qtview::testing {
namespace {

using window::Key;

class ControlsTest : public QtFixture {};

TEST_F(ControlsTest, EveryControlKindIsDrawnWithItsText) {
    window::start(gallery_program, "GALERIJA");
    WindowView* v = view("Galerija kontrola");
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(pump_until([&] { return !v->state().busy; }));
    v->refresh();

    EXPECT_EQ(find<QLineEdit>(v, "?IME")->text(), "Ana Horvat");
    EXPECT_EQ(find<QLineEdit>(v, "?IME")->accessibleName(), "Ime i prezime:");
    EXPECT_EQ(find<QLineEdit>(v, "?IME")->toolTip(), "Upišite ime korisnika\nnajviše 20 znakova");
    EXPECT_EQ(find<QLineEdit>(v, "?LOZINKA")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(find<QLineEdit>(v, "?BROJ")->alignment() & Qt::AlignRight);
    EXPECT_EQ(find<QLineEdit>(v, "?BROJ")->text().trimmed(), "1250");
    EXPECT_TRUE(find<QLineEdit>(v, "?STANJE")->isReadOnly());
    EXPECT_EQ(find<QLineEdit>(v, "?STANJE")->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(find<QCheckBox>(v, "?AKTIVAN")->isChecked());
    EXPECT_EQ(find<QCheckBox>(v, "?AKTIVAN")->text(), "Aktivan korisnik");
    EXPECT_EQ(find<QSpinBox>(v, "?KOLICINA")->value(), 3);
    EXPECT_TRUE(find<QPlainTextEdit>(v, "?BILJESKE")->toPlainText().contains("ČĆĐŠŽ"));
    auto* ok = find<QPushButton>(v, "?BUTTONOK");
    EXPECT_EQ(ok->text(), "&U redu");
    EXPECT_FALSE(ok->icon().isNull());
    EXPECT_TRUE(find<QPushButton>(v, "?BUTTONPRINT")->isFlat());
    EXPECT_EQ(find<QPushButton>(v, "?BUTTONPRINT")->palette().color(QPalette::ButtonText),
              QColor(0, 0, 160));
    EXPECT_EQ(find<QPushButton>(v, "?BUTTONKWUPUTE")->accessibleName(), "Pregled uputa na Webu");
    EXPECT_FALSE(find<QLabel>(v, "?SLIKA")->pixmap().isNull());
    EXPECT_EQ(find<QLabel>(v, "?PORUKA")->text(), "Spremno.");
    EXPECT_EQ(find<QGroupBox>(v, "?GRUPA")->title(), "Podaci");
    // A line with a colour is drawn flat in it.
    EXPECT_EQ(find<QFrame>(v, "?CRTA")->frameShadow(), QFrame::Plain);
    EXPECT_EQ(find<QFrame>(v, "?CRTA")->palette().color(QPalette::WindowText),
              QColor(0xFF, 0xAC, 0xAC));
    EXPECT_TRUE(find<QTextEdit>(v, "?UPUTE")->toPlainText().contains("Upute za rad"));
    auto* list = find<ListView>(v, "?LIST1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->model()->rowCount(), 7);
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), "Naziv");
    EXPECT_EQ(list->model()->index(3, 1).data().toString(), "Poslužitelj");

    // A tab's controls are shown only while it is chosen.
    auto* tabs = v->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_FALSE(find<QTextEdit>(v, "?UPUTE")->isVisibleTo(v));
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(pump_until([&] { return find<QTextEdit>(v, "?UPUTE")->isVisibleTo(v); }));
}

// One user action done through the Qt widgets and through the headless driver.
struct Action {
    const char* what;
    std::function<void(WindowView*)> in_qt;
    std::function<bool(zorozo::testing::Driver&, const window::WindowState&)> headless;
};

// Types text key by key, Croatian letters too (they have no key code of their own).
void retype(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(e, &press);
        QApplication::sendEvent(e, &release);
    }
}

const std::vector<Action>& actions() {
    static const std::vector<Action> all{
        {"typing a name and clicking the button",
         [](WindowView* v) {
             retype(v->findChild<QLineEdit*>("?IME"), "Marko Kovač");
             QTest::mouseClick(v->findChild<QPushButton*>("?BUTTONOK"), Qt::LeftButton);
         },
         [](auto& d, const auto& w) {
             return d.type(w, "?IME", "Marko Kovač") && d.press(w, "?BUTTONOK");
         }},
        {"a refused number, then the button's key",
         [](WindowView* v) {
             retype(v->findChild<QLineEdit*>("?BROJ"), "12x");
             QTest::keyClick(v->findChild<QLineEdit*>("?BROJ"), Qt::Key_F5);
         },
         [](auto& d, const auto& w) { return d.type(w, "?BROJ", "12x") && d.key(w, Key::f5); }},
        {"a typed number and a click on the check box",
         [](WindowView* v) {
             retype(v->findChild<QLineEdit*>("?BROJ"), "77");
             QTest::mouseClick(v->findChild<QCheckBox*>("?AKTIVAN"), Qt::LeftButton);
         },
         [](auto& d, const auto& w) {
             return d.type(w, "?BROJ", "77") && d.check(w, "?AKTIVAN", false);
         }},
        {"the spin box's up arrow",
         [](WindowView* v) { QTest::keyClick(v->findChild<QSpinBox*>("?KOLICINA"), Qt::Key_Up); },
         [](auto& d, const auto& w) { return d.spin(w, "?KOLICINA", 4); }},
        {"the captured Esc key closes the window",
         [](WindowView* v) { QTest::keyClick(v->findChild<QLineEdit*>("?IME"), Qt::Key_Escape); },
         [](auto& d, const auto& w) { return d.key(w, Key::esc); }},
    };
    return all;
}

TEST_F(ControlsTest, UserActionsGiveTheSameEventsAsUnderTheHeadlessBackend) {
    for (const auto& a : actions()) {
        SCOPED_TRACE(a.what);
        // Headless first: what the procedure saw.
        GalleryValues expected;
        {
            zorozo::testing::Driver driver;
            driver.start(gallery_program, "GALERIJA");
            ASSERT_TRUE(driver.wait());
            auto w = driver.window("Galerija kontrola");
            ASSERT_TRUE(w);
            ASSERT_TRUE(a.headless(driver, *w));
            ASSERT_TRUE(driver.wait());
            expected = last_gallery_values();
        }
        ASSERT_TRUE(window::wait_until_ended(std::chrono::seconds(5)));
        window::detail::reset_program();
        window::set_backend(backend_);

        window::start(gallery_program, "GALERIJA");
        WindowView* v = view("Galerija kontrola");
        ASSERT_NE(v, nullptr);
        ASSERT_TRUE(pump_until([&] { return !v->core()->snapshot().busy; }));
        v->refresh();
        a.in_qt(v);
        ASSERT_TRUE(pump_until([&] {
            return window::wait_until_idle(std::chrono::milliseconds(0)) &&
                   last_gallery_values().events.size() >= expected.events.size();
        }));
        const GalleryValues got = last_gallery_values();
        EXPECT_EQ(got.events, expected.events);
        EXPECT_EQ(got.ime, expected.ime);
        EXPECT_EQ(got.broj, expected.broj);
        EXPECT_EQ(got.aktivan, expected.aktivan);
        EXPECT_EQ(got.kolicina, expected.kolicina);
        window::close_down_all();
        ASSERT_TRUE(pump_until([] { return window::running_procedures() == 0; }));
    }
}

} // namespace
} // namespace zorozo::qtview::testing
