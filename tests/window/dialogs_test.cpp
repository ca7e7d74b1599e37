#include "platform/testing/driver.h"
#include "platform/window/dialogs.h"
#include "platform/window/halt.h"
#include "platform/window/process.h"
#include "platform/window/window.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zorozo::window {
namespace {

using testing::Driver;
using namespace std::chrono_literals;

TEST(Messages, ButtonsAnswerWithTheirNumbers) {
    struct Case {
        const char* name;
        std::function<int()> ask;
        const char* press;
        int expected;
        const char* shown;
    };
    const Case cases[] = {
        {"custom texts",
         [] { return message_custom("Sortiranje", "Sort", Icon::question, "++|--|idp|Aps"); },
         "idp", 3, "message \"Sort\": Sortiranje [++, --, idp, Aps]"},
        {"stop box", [] { return stop_box("Izlazak ..."); }, "Ignore", button::ignore,
         "message \"Stop\": Izlazak ... [Abort, Ignore]"},
        {"lines and OK", [] { return message("Prijava i gašenje|druga||"); }, "ok", button::ok,
         "message: Prijava i gašenje | druga |  |  [OK]"},
        {"yes or no", [] { return message("Da?", "", Icon::question, button::yes | button::no); },
         "No", button::no, "message: Da? [Yes, No]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Driver d;
        std::promise<int> got;
        d.start([&] { got.set_value(c.ask()); }, "PITANJE");
        ASSERT_TRUE(d.wait());
        ASSERT_TRUE(d.message());
        EXPECT_EQ(d.transcript().back(), c.shown);
        EXPECT_FALSE(d.answer("Nema takvog"));
        ASSERT_TRUE(d.answer(c.press));
        auto f = got.get_future();
        ASSERT_EQ(f.wait_for(5s), std::future_status::ready);
        EXPECT_EQ(f.get(), c.expected);
    }
}

TEST(Messages, FileDialogAndPrinterSetupAreAnsweredByTheDriver) {
    Driver d;
    std::promise<std::string> got;
    d.start(
        [&] {
            FileRequest r;
            r.title = "Odaberi";
            r.filter = "All Files|*.lst";
            auto first = open_file(r);
            auto second = open_file(r);
            bool printer = printer_setup();
            got.set_value(first.value_or("-") + "," + second.value_or("-") + "," +
                          (printer ? "da" : "ne"));
        },
        "DATOTEKA");
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.answer_file("/tmp/popis.lst"));
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.answer_file(std::nullopt));
    ASSERT_TRUE(d.wait());
    ASSERT_TRUE(d.answer_printer(true));
    auto f = got.get_future();
    ASSERT_EQ(f.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(f.get(), "/tmp/popis.lst,-,da");
}

TEST(Messages, ClosingDownWakesAProcedureWaitingForAnAnswer) {
    std::promise<int> answer;
    std::promise<EventKind> last_event;
    {
        Driver d;
        d.start(
            [&] {
                WindowDef def;
                def.caption = "Čeka";
                Window w(std::move(def));
                ASSERT_TRUE(w.open());
                answer.set_value(message("Čekam"));
                EventKind last = EventKind::opened;
                while (auto e = w.next()) {
                    last = e->kind;
                }
                last_event.set_value(last);
            },
            "CEKA");
        ASSERT_TRUE(d.wait());
    } // the driver closes the program down
    auto a = answer.get_future();
    ASSERT_EQ(a.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(a.get(), button::none);
    auto e = last_event.get_future();
    ASSERT_EQ(e.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(e.get(), EventKind::close_down);
}

TEST(Halt, ShowsTheFinalTextThenStopsEveryProcedure) {
    Driver d;
    std::promise<bool> other_unwound;
    d.start(
        [&] {
            struct Unwound {
                std::promise<bool>& p;
                ~Unwound() { p.set_value(true); }
            } guard{other_unwound};
            WindowDef def;
            def.caption = "Drugi";
            Window w(std::move(def));
            ASSERT_TRUE(w.open());
            while (w.next()) {
            }
        },
        "DRUGI");
    d.start(
        [] {
            try {
                halt(4, "Pristup odbijen|Pokušajte ponovo");
            } catch (const std::exception&) {
                // A procedure's own catch does not stop the program stop.
            }
        },
        "PRIJAVA");
    ASSERT_TRUE(d.wait());
    EXPECT_FALSE(d.halted()); // the final text is shown first
    ASSERT_TRUE(d.answer("OK"));
    ASSERT_TRUE(d.wait_ended());
    ASSERT_TRUE(d.halted());
    EXPECT_EQ(d.halted()->code, 4);
    EXPECT_EQ(d.halted()->final_text, "Pristup odbijen|Pokušajte ponovo");
    EXPECT_TRUE(d.failures().empty());
    auto f = other_unwound.get_future();
    ASSERT_EQ(f.wait_for(5s), std::future_status::ready);
    // The other procedure's window was closed as it unwound. The halting thread
    // records its own line concurrently, so the order of the two is not fixed.
    const auto lines = d.transcript();
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) {
                               return l.rfind("window closed", 0) == 0 &&
                                      l.find("Drugi") != std::string::npos;
                           }),
              lines.end());
}

TEST(Processes, StartWithAndWithoutWaiting) {
    Driver d;
    ProcessRequest r;
    r.program = "sh";
    // The argument reaches the program as one text; nothing is read as a second command.
    r.arguments = {"-c", "exit 7", "; exit 9"};
    r.wait = true;
    auto waited = start_process(r);
    ASSERT_TRUE(waited.started);
    EXPECT_EQ(waited.exit_code, 7);
    r.wait = false;
    auto detached = start_process(r);
    EXPECT_TRUE(detached.started);
    EXPECT_FALSE(detached.exit_code);
    ProcessRequest missing;
    missing.program = "/nonexistent/zorozo-nothing";
    auto none = start_process(missing);
    EXPECT_FALSE(none.started);
    EXPECT_FALSE(none.error.empty());
    EXPECT_EQ(d.transcript().front(), "process: sh -c exit 7 ; exit 9 (waited for)");
}

} // namespace
} // namespace zorozo::window
