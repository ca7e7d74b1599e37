#include "platform/testing/driver.h"
#include "platform/text.h"
#include "platform/window/window.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <vector>

namespace zorozo::window {
namespace {

using testing::Driver;

// A window with a text entry, a number entry, a date entry, a check box, two
// buttons (the second on F5), a sheet with two tabs and a button on the second
// tab, and a menu with a disabled item. The procedure logs each event with the
// bound variables as they were when the event was handed out.
struct Form {
    text::Text<5> naziv;
    std::int32_t port = 3306;
    std::string datum = "0";
    std::int32_t aktivan = 0;
    std::mutex mutex;
    std::vector<std::string> log;

    std::vector<std::string> events() {
        std::lock_guard lock(mutex);
        return log;
    }

    WindowDef definition() {
        WindowDef d;
        d.caption = "Obrazac";
        d.rect = {0, 0, 200, 150};
        d.alert_keys = {Key::esc};
        auto entry = [](std::string use, std::string pic, Binding b) {
            ControlDef c;
            c.kind = ControlKind::entry;
            c.use = std::move(use);
            c.picture = std::move(pic);
            c.binding = std::move(b);
            return c;
        };
        d.controls.push_back(entry("?NAZIV", "@s5", naziv));  // 1
        d.controls.push_back(entry("?PORT", "@n-14", port));  // 2
        d.controls.push_back(entry("?DATUM", "@d6.", datum)); // 3
        ControlDef check{.kind = ControlKind::check, .use = "?AKTIVAN", .text = "Aktivan"};
        check.binding = aktivan;
        d.controls.push_back(check);                                                         // 4
        d.controls.push_back({.kind = ControlKind::button, .text = "Spremi"});               // 5
        d.controls.push_back({.kind = ControlKind::button, .text = "Novi", .key = Key::f5}); // 6
        ControlDef sheet{.kind = ControlKind::sheet, .use = "?SHEET1"};                      // 7
        sheet.children.push_back({.kind = ControlKind::tab, .text = "Unos"});                // 8
        ControlDef second{.kind = ControlKind::tab, .text = "Korekcije"};                    // 9
        second.children.push_back({.kind = ControlKind::button, .text = "Briši"});           // 10
        sheet.children.push_back(second);
        d.controls.push_back(sheet);
        d.menu.push_back({.kind = MenuKind::menu,
                          .text = "&Datoteka",
                          .children = {{.kind = MenuKind::item, .text = "Otvori"},
                                       {.kind = MenuKind::separator},
                                       {.kind = MenuKind::item,
                                        .use = "ZAKLJ",
                                        .text = "Zaključano",
                                        .flags = flag::disabled}}});
        return d;
    }

    void run() {
        Window w(definition());
        if (!w.open()) {
            return;
        }
        while (auto e = w.next()) {
            std::string line = event_name(e->kind) + " " + std::to_string(e->control);
            if (e->kind == EventKind::user) {
                line += " " + std::to_string(e->user_code);
            }
            line += " [" + naziv.str() + "," + std::to_string(port) + "," + datum + "," +
                    std::to_string(aktivan) + "]";
            {
                std::lock_guard lock(mutex);
                log.push_back(line);
            }
            switch (e->kind) {
            case EventKind::rejected:
                w.display(e->control);
                break;
            case EventKind::resized:
                w.post_user(refresh_event);
                break;
            case EventKind::accepted:
                if (e->control == w.find("Otvori")) { // it enables the locked item
                    w.enable(w.find("ZAKLJ"));
                }
                if (e->control == 6) { // "Novi" changes the name under the user's hands
                    naziv = "novo";
                    w.display(1);
                }
                break;
            case EventKind::alert_key:
                w.post(EventKind::close_window);
                break;
            default:
                break;
            }
        }
    }
};

class Events : public ::testing::Test {
protected:
    void SetUp() override {
        d.start([this] { form.run(); }, "OBRAZAC");
        ASSERT_TRUE(d.wait());
        w = *d.window("Obrazac");
    }
    std::vector<std::string> after_opened() {
        auto all = form.events();
        if (!all.empty() && all.front().rfind("opened", 0) == 0) {
            all.erase(all.begin());
        }
        return all;
    }
    Form form;
    Driver d;
    WindowState w;
};

TEST_F(Events, TypedValuesReachTheVariablesBeforeTheirAcceptedEvents) {
    ASSERT_TRUE(d.type(w, "?NAZIV", "Zagreb")); // clipped to 5 characters
    ASSERT_TRUE(d.type(w, "?PORT", "3307"));
    ASSERT_TRUE(d.type(w, "?DATUM", "15.03.2024"));
    ASSERT_TRUE(d.press(w, "Spremi"));
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(after_opened(), (std::vector<std::string>{"accepted 1 [Zagre,3306,0,0]",
                                                        "accepted 2 [Zagre,3307,0,0]",
                                                        "accepted 3 [Zagre,3307,81527,0]",
                                                        "accepted 5 [Zagre,3307,81527,0]"}));
    EXPECT_EQ(d.text(w, "?NAZIV"), "Zagre"); // the entry shows what the variable holds
    EXPECT_EQ(d.text(w, "?DATUM"), "15.03.2024");
    EXPECT_EQ(text::to_number(d.text(w, "?PORT")), 3307);
}

TEST_F(Events, RefusedValuesGiveRejectedAndKeepTheVariable) {
    const char* refused[][2] = {{"?PORT", "12x"}, {"?DATUM", "31.02.2024"}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r[1]);
        ASSERT_TRUE(d.type(w, r[0], r[1]));
        ASSERT_TRUE(d.wait());
        EXPECT_NE(d.text(w, r[0]), r[1]); // redisplayed from the variable
    }
    EXPECT_EQ(after_opened(),
              (std::vector<std::string>{"rejected 2 [,3306,0,0]", "rejected 3 [,3306,0,0]"}));
    EXPECT_EQ(form.port, 3306);
    EXPECT_EQ(form.datum, "0");
}

TEST_F(Events, ATextTheProcedureChangedIsNotOverwrittenByAStaleCommit) {
    auto shown = d.state(w, "?NAZIV");
    ASSERT_TRUE(shown);
    ASSERT_TRUE(d.key(w, Key::f5)); // F5 presses "Novi", which sets the name
    ASSERT_TRUE(d.wait());
    // A commit carrying the revision shown before the change is dropped.
    ASSERT_TRUE(d.post(w, UserAction::commit(1, "stari", shown->revision)));
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(form.naziv.str(), "novo");
    auto now = d.state(w, "?NAZIV");
    EXPECT_EQ(now->text, "novo");
    EXPECT_GT(now->revision, shown->revision + 1); // bumped again so the view shows "novo"
    EXPECT_EQ(after_opened(), (std::vector<std::string>{"accepted 6 [,3306,0,0]"}));
}

TEST_F(Events, ChecksTabsMenusAndKeys) {
    ASSERT_TRUE(d.check(w, "Aktivan", true));
    ASSERT_TRUE(d.menu("Zaključano")); // disabled: no event
    ASSERT_TRUE(d.press(w, "Briši"));  // on a tab that is not chosen: no event
    ASSERT_TRUE(d.choose_tab(w, "Korekcije"));
    ASSERT_TRUE(d.press(w, "Briši"));
    ASSERT_TRUE(d.menu("Otvori"));
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.menu("Zaključano"));
    ASSERT_TRUE(d.key(w, Key::f9)); // nothing listens to F9
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(d.state(w, "?SHEET1")->value, 2);
    EXPECT_EQ(after_opened(),
              (std::vector<std::string>{"accepted 4 [,3306,0,1]", "new_selection 7 [,3306,0,1]",
                                        "accepted 10 [,3306,0,1]", "accepted -2 [,3306,0,1]",
                                        "accepted -3 [,3306,0,1]"}));
}

TEST_F(Events, ResizeGivesTheRefreshEventAndEscClosesThroughTheProcedure) {
    ASSERT_TRUE(d.post(w, UserAction::placed({5, 5, 300, 200}, true)));
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(d.refresh(w)->rect, (Rect{5, 5, 300, 200}));
    ASSERT_TRUE(d.key(w, Key::esc));
    ASSERT_TRUE(d.wait_ended());
    EXPECT_FALSE(d.window("Obrazac"));
    EXPECT_EQ(after_opened(),
              (std::vector<std::string>{"resized 0 [,3306,0,0]", "user 0 1023 [,3306,0,0]",
                                        "alert_key 0 [,3306,0,0]", "close_window 0 [,3306,0,0]"}));
}

TEST(Timer, TheWindowTimerFiresWhileTheProcedureWaits) {
    Driver d;
    std::vector<EventKind> seen;
    d.start(
        [&] {
            WindowDef def;
            def.caption = "Sat";
            def.timer = 1; // a hundredth of a second
            Window w(std::move(def));
            ASSERT_TRUE(w.open());
            int ticks = 0;
            while (auto e = w.next()) {
                seen.push_back(e->kind);
                if (e->kind == EventKind::timer && ++ticks == 3) {
                    w.set_timer(0);
                    w.close();
                }
            }
        },
        "SAT");
    ASSERT_TRUE(d.wait_ended());
    EXPECT_EQ(seen, (std::vector<EventKind>{EventKind::opened, EventKind::timer, EventKind::timer,
                                            EventKind::timer}));
}

TEST(Timer, ADriverTickGivesATimerEventAtOnce) {
    Driver d;
    int ticks = 0;
    d.start(
        [&] {
            WindowDef def;
            def.caption = "Okvir";
            def.timer = 200; // two seconds: the test does not wait for it
            Window w(std::move(def));
            ASSERT_TRUE(w.open());
            while (auto e = w.next()) {
                ticks += e->kind == EventKind::timer ? 1 : 0;
            }
        },
        "OKVIR");
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.tick(*d.window("Okvir")));
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace zorozo::window
