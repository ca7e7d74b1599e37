#include "messages/report_lines.h"
#include "messages/xme.h"
#include "platform/testing/driver.h"
#include "temp_root.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace zorozo::messages;
using zorozo::testing::Driver;

class Xmep1Test : public ::testing::Test {
protected:
    void SetUp() override { report_lines().clear(); }
    void TearDown() override { report_lines().clear(); }

    std::vector<std::string> shown_rows(const zorozo::window::WindowState& w) {
        std::vector<std::string> out;
        for (const auto& row : driver.cells(w, "?LIST1")) {
            out.push_back(row.empty() ? std::string("<no cell>") : row[0].text);
        }
        return out;
    }

    TempRoot root;
    Driver driver;
};

TEST_F(Xmep1Test, ShowsTheLinesInOrderAndEmptiesTheList) {
    xme("Obrisan red idp=3");
    xme("Obrisan red idp=7", "ne čita se");
    xme("Greška kod brisanja idp=9");
    driver.start([] { xmep1("Rezultat brisanja"); }, "XMEP1");
    ASSERT_TRUE(driver.wait());
    auto w = driver.window("Kontrola podataka ");
    ASSERT_TRUE(w);
    EXPECT_EQ(driver.text(*w, "?LOC:NASLOV"), "Rezultat brisanja");
    EXPECT_EQ(shown_rows(*w), (std::vector<std::string>{"Obrisan red idp=3", "Obrisan red idp=7",
                                                        "Greška kod brisanja idp=9"}));
    EXPECT_EQ(report_lines().size(), 0u);
    ASSERT_TRUE(driver.press(*w, "Zatvori"));
    ASSERT_TRUE(driver.wait_ended());

    // A second call right after has nothing to show: its window closes at once.
    driver.start([] { xmep1("Rezultat brisanja"); }, "XMEP1");
    ASSERT_TRUE(driver.wait_ended());
    EXPECT_FALSE(driver.window("Kontrola podataka ").has_value());
}

TEST_F(Xmep1Test, EscClosesTheWindow) {
    xme("jedan");
    driver.start([] { xmep1("Naslov"); }, "XMEP1");
    ASSERT_TRUE(driver.wait());
    auto w = driver.window("Kontrola podataka ");
    ASSERT_TRUE(w);
    ASSERT_TRUE(driver.key(*w, zorozo::window::Key::esc));
    ASSERT_TRUE(driver.wait_ended());
    EXPECT_FALSE(driver.window("Kontrola podataka ").has_value());
}

TEST_F(Xmep1Test, LongLinesAndTitlesAreCutTo100Characters) {
    const std::string long_line(130, 'x');
    xme(long_line);
    driver.start([&] { xmep1(std::string(120, 'N')); }, "XMEP1");
    ASSERT_TRUE(driver.wait());
    auto w = driver.window("Kontrola podataka ");
    ASSERT_TRUE(w);
    EXPECT_EQ(shown_rows(*w), std::vector<std::string>{std::string(100, 'x')});
    EXPECT_EQ(driver.text(*w, "?LOC:NASLOV"), std::string(100, 'N'));
    ASSERT_TRUE(driver.press(*w, "Zatvori"));
    ASSERT_TRUE(driver.wait_ended());
}

TEST_F(Xmep1Test, LinesFromManyThreadsAllArrive) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 250; ++i) {
                xme("nit " + std::to_string(t) + " red " + std::to_string(i));
            }
        });
    }
    for (auto& th : threads) {
        th.join();
    }
    const auto lines = report_lines().take_all();
    ASSERT_EQ(lines.size(), 1000u);
    // Each thread's own lines keep their order.
    std::vector<int> next(4, 0);
    for (const auto& line : lines) {
        const std::string s = line.zopis.trimmed();
        const int t = s[4] - '0';
        EXPECT_EQ(s, "nit " + std::to_string(t) + " red " + std::to_string(next[t]));
        ++next[t];
    }
}

} // namespace
