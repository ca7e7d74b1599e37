#include "platform/testing/driver.h"
#include "platform/window/procedure.h"
#include "platform/window/window.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zorozo::window {
namespace {

using testing::Driver;
using namespace std::chrono_literals;

WindowDef simple(std::string caption, std::vector<ControlDef> controls = {}) {
    WindowDef d;
    d.caption = std::move(caption);
    d.rect = {0, 0, 200, 100};
    d.controls = std::move(controls);
    return d;
}

ControlDef button(std::string text) {
    ControlDef c;
    c.kind = ControlKind::button;
    c.text = std::move(text);
    return c;
}

TEST(Procedures, ABlockedProcedureDoesNotDelayAnother) {
    Driver d;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> slow_started;
    std::promise<int> fast_handled;

    d.start(
        [&] {
            Window w(simple("Spori", {button("Radi")}));
            ASSERT_TRUE(w.open());
            while (auto e = w.next()) {
                if (e->kind == EventKind::accepted) {
                    slow_started.set_value();
                    released.wait(); // a long call: a slow server, say
                }
            }
        },
        "SPORI");
    d.start(
        [&] {
            Window w(simple("Brzi", {button("Klik")}));
            ASSERT_TRUE(w.open());
            int clicks = 0;
            while (auto e = w.next()) {
                if (e->kind == EventKind::accepted && ++clicks == 2) {
                    fast_handled.set_value(clicks);
                }
            }
        },
        "BRZI");
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.press(*d.window("Spori"), "Radi"));
    ASSERT_EQ(slow_started.get_future().wait_for(5s), std::future_status::ready);
    // The slow procedure is busy now; the other one still answers at once.
    EXPECT_TRUE(d.window("Spori")->busy);
    auto fast = d.window("Brzi");
    ASSERT_TRUE(d.press(*fast, "Klik"));
    ASSERT_TRUE(d.press(*fast, "Klik"));
    auto handled = fast_handled.get_future();
    ASSERT_EQ(handled.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(handled.get(), 2);
    EXPECT_FALSE(wait_until_idle(20ms)); // the slow one is still in its call
    release.set_value();
    EXPECT_TRUE(d.wait());
}

TEST(Procedures, NewerWindowOfAThreadTakesTheInputUntilItCloses) {
    Driver d;
    std::string ime; // bound to the older window's entry
    std::vector<std::string> log;
    d.start(
        [&] {
            ControlDef entry;
            entry.kind = ControlKind::entry;
            entry.use = "?IME";
            entry.binding = ime;
            Window older(simple("Starije", {entry, button("Otvori")}));
            ASSERT_TRUE(older.open());
            while (auto e = older.next()) {
                if (e->kind == EventKind::accepted && e->control == 2) {
                    log.push_back("older: button");
                    Window newer(simple("Novije", {button("Zatvori")}));
                    ASSERT_TRUE(newer.open());
                    while (auto n = newer.next()) {
                        if (n->kind == EventKind::accepted) {
                            log.push_back("newer: button");
                            newer.close();
                        }
                    }
                } else if (e->kind == EventKind::accepted && e->control == 1) {
                    log.push_back("older: entry " + ime);
                }
            }
        },
        "STARIJE");
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.press(*d.window("Starije"), "Otvori"));
    ASSERT_TRUE(d.wait());
    auto older = d.window("Starije");
    ASSERT_TRUE(older && d.window("Novije"));
    EXPECT_FALSE(older->takes_input);
    EXPECT_TRUE(d.window("Novije")->takes_input);
    EXPECT_EQ(d.active()->caption, "Novije");
    // Commands to the older window are refused; typed text for it is kept.
    EXPECT_FALSE(d.press(*older, "Otvori"));
    EXPECT_TRUE(d.type(*older, "?IME", "Ana"));
    ASSERT_TRUE(d.wait());
    EXPECT_EQ(ime, "");
    ASSERT_TRUE(d.press(*d.window("Novije"), "Zatvori"));
    ASSERT_TRUE(d.wait());
    EXPECT_FALSE(d.window("Novije"));
    EXPECT_TRUE(d.window("Starije")->takes_input);
    EXPECT_EQ(ime, "Ana");
    EXPECT_EQ(log,
              (std::vector<std::string>{"older: button", "newer: button", "older: entry Ana"}));
}

TEST(Procedures, RequestAndResponseWordsBelongToTheThread) {
    Driver d;
    std::promise<std::vector<std::int32_t>> seen;
    auto browse = [] {
        // The skeleton's entry: take the request, clear the words, answer on return.
        const std::int32_t request = words().request;
        words().request = 0;
        words().response = 0;
        std::int32_t response = response_cancelled;
        Window w(simple("Odabir", {button("Odabir")}));
        if (w.open()) {
            while (auto e = w.next()) {
                if (e->kind == EventKind::accepted && request == request_select) {
                    response = response_completed;
                    w.close();
                }
            }
        }
        words().response = response;
    };
    d.start(
        [&] {
            std::vector<std::int32_t> out{words().request, words().response, words().step_request};
            words().request = request_select;
            browse(); // on this thread: the caller waits
            out.push_back(words().response);
            words().request = 0;
            browse();
            out.push_back(words().response);
            seen.set_value(out);
        },
        "POZIVATELJ");
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.press(*d.window("Odabir"), "Odabir"));
    ASSERT_TRUE(d.wait());
    // Without the select request the button closes nothing; the close box does.
    ASSERT_TRUE(d.press(*d.window("Odabir"), "Odabir"));
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.window("Odabir"));
    ASSERT_TRUE(d.close(*d.window("Odabir")));
    auto f = seen.get_future();
    ASSERT_EQ(f.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(f.get(),
              (std::vector<std::int32_t>{0, 0, 0, response_completed, response_cancelled}));
    // The test's own thread keeps its own words.
    EXPECT_EQ(words().request, 0);
}

TEST(Procedures, AnExceptionLeavingAProcedureIsRecorded) {
    Driver d;
    d.start([] { throw std::runtime_error("ne valja"); }, "LOSE");
    ASSERT_TRUE(d.wait_ended());
    ASSERT_EQ(d.failures().size(), 1u);
    EXPECT_EQ(d.failures()[0], "LOSE: ne valja");
}

} // namespace
} // namespace zorozo::window
