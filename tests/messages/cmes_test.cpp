#include "messages/cmes.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/testing/driver.h"
#include "temp_root.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using zorozo::messages::cmes;
using zorozo::testing::Driver;

class CmesTest : public ::testing::Test {
protected:
    // Starts cmes on a procedure thread of its own and waits until its window is up.
    zorozo::window::WindowState show(std::string first, std::string second = {},
                                     std::string proposed = {}) {
        driver.start([this, first, second, proposed] { answer = cmes(first, second, proposed); },
                     "CMES");
        EXPECT_TRUE(driver.wait());
        auto w = driver.window(" - Poruka -");
        EXPECT_TRUE(w.has_value());
        return w.value_or(zorozo::window::WindowState{});
    }
    std::string finish() {
        EXPECT_TRUE(driver.wait_ended());
        return answer.value_or("<no answer>");
    }

    TempRoot root;
    Driver driver;
    std::optional<std::string> answer;
};

TEST_F(CmesTest, NoticeShowsItsLinesAndNoAnswerField) {
    auto w = show("Pristup odbijen|Podaci za ulazak nisu ispravni|Pokušajte ponovo");
    EXPECT_EQ(driver.text(w, "?XS1"),
              "Pristup odbijen\r\nPodaci za ulazak nisu ispravni\r\nPokušajte ponovo");
    EXPECT_EQ(driver.text(w, "?XS2"), "");
    EXPECT_FALSE(driver.state(w, "?ODGOVOR")->visible);
    EXPECT_FALSE(driver.state(w, "Odgovor:")->visible);
    ASSERT_TRUE(driver.press(w, "Potvrda"));
    EXPECT_EQ(finish(), "");
    EXPECT_FALSE(driver.window(" - Poruka -").has_value());
}

TEST_F(CmesTest, ATextEndingInABarEndsWithAnEmptyLine) {
    auto w = show("Greška|", "prvi||drugi");
    EXPECT_EQ(driver.text(w, "?XS1"), "Greška\r\n");
    EXPECT_EQ(driver.text(w, "?XS2"), "prvi\r\n\r\ndrugi");
    ASSERT_TRUE(driver.press(w, "Potvrda"));
    finish();
}

TEST_F(CmesTest, QuestionAnswers) {
    struct Case {
        const char* what;
        std::optional<std::string> typed; // typed into the answer field first
        std::function<bool(Driver&, const zorozo::window::WindowState&)> end;
        const char* expected;
    };
    const Case cases[] = {
        {"Potvrda keeps the proposal", std::nullopt,
         [](Driver& d, const auto& w) { return d.press(w, "Potvrda"); }, "DA"},
        {"Odustani answers NE", std::nullopt,
         [](Driver& d, const auto& w) { return d.press(w, "Odustani"); }, "NE"},
        {"Odustani after typing answers NE", "DA",
         [](Driver& d, const auto& w) { return d.press(w, "Odustani"); }, "NE"},
        {"a cleared field gives blanks", "",
         [](Driver& d, const auto& w) { return d.press(w, "Potvrda"); }, ""},
        {"an edited answer comes back as typed", "ne",
         [](Driver& d, const auto& w) { return d.press(w, "Potvrda"); }, "ne"},
        {"the close box returns what the field holds", std::nullopt,
         [](Driver& d, const auto& w) { return d.close(w); }, "DA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        answer.reset();
        auto w = show("Obrisati označene redove?", "Upišite DA za brisanje", "DA");
        EXPECT_TRUE(driver.state(w, "?ODGOVOR")->visible);
        EXPECT_TRUE(driver.state(w, "Odgovor:")->visible);
        EXPECT_EQ(driver.text(w, "?ODGOVOR"), "DA");
        if (c.typed) {
            ASSERT_TRUE(driver.type(w, "?ODGOVOR", *c.typed));
        }
        ASSERT_TRUE(c.end(driver, w));
        EXPECT_EQ(finish(), c.expected);
    }
}

TEST_F(CmesTest, ReopensWhereItWasLeft) {
    const auto file = zorozo::paths::placement_file();
    auto w = show("prvi put");
    ASSERT_TRUE(driver.post(w, zorozo::window::UserAction::placed({30, 40, 413, 189}, false)));
    ASSERT_TRUE(driver.wait());
    ASSERT_TRUE(driver.press(w, "Potvrda"));
    finish();
    EXPECT_EQ(zorozo::ini::read(file, "cmes", "XPosit", ""), "30");
    EXPECT_EQ(zorozo::ini::read(file, "cmes", "YPosit", ""), "40");

    w = show("drugi put");
    EXPECT_EQ(w.rect.x, 30);
    EXPECT_EQ(w.rect.y, 40);
    ASSERT_TRUE(driver.press(w, "Odustani"));
    EXPECT_EQ(finish(), "NE");
}

} // namespace
