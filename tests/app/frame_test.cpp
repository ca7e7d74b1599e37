#include "app/globals.h"
#include "app/main_frame.h"
#include "app/settings.h"
#include "data/config.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "program_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace zorozo;
using zorozo::testing::ProgramTest;

using FrameTest = ProgramTest;

constexpr const char* frame_caption = "VE Zorozo";
constexpr int obrada = -1;

bool menu_enabled(const window::WindowState& w, int entry) {
    const window::MenuState* m = w.menu_entry(entry);
    return m != nullptr && m->enabled;
}

TEST(FirstArgument, IsTheFirstArgumentUpToAComma) {
    struct Case {
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {{}, ""},
        {{"PRIJAVA"}, "PRIJAVA"},
        {{"PRIJAVA", "drugi"}, "PRIJAVA"},
        {{"PRIJAVA,drugi"}, "PRIJAVA"},
        {{"\"PRI,JAVA\""}, "PRI,JAVA"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::first_argument(c.args), c.expected);
    }
}

TEST_F(FrameTest, PrijavaEndsTheProgramBeforeTheFrame) {
    // No server needed: the switch ends the program before anything connects.
    ASSERT_TRUE(ini::write(app::settings_file(), "kw_zezido", "my:db", ""));
    start_program({"PRIJAVA"});
    ASSERT_TRUE(driver->wait());
    auto m = driver->message();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "Prijava i gašenje");
    EXPECT_TRUE(driver->windows().empty()) << "no frame and no login before the answer";
    ASSERT_TRUE(driver->answer("OK"));
    ASSERT_TRUE(driver->wait_ended());
    ASSERT_TRUE(driver->halted());
    EXPECT_EQ(driver->halted()->code, 0);
    EXPECT_TRUE(driver->windows().empty());
    EXPECT_EQ(app::program().values().app_com.str(), "PRIJAVA");
    // The table names were set from the (empty) database name before the switch.
    EXPECT_EQ(data::table_name(data::FileId::kwbrowse), ".kwbrowse");
    EXPECT_EQ(data::table_name(data::FileId::reg_zezido), ".reg_zezido");
    EXPECT_EQ(data::table_name(data::FileId::reg_zezido_log), ".reg_zezido_log");
    EXPECT_EQ(data::table_name(data::FileId::reg_oprema), ".reg_oprema");
}

TEST_F(FrameTest, OtherArgumentsStartNormally) {
    ZOROZO_REQUIRE_SERVER(db);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"prijava"}, {"Prijava"}, {"NESTO"}}) {
        SCOPED_TRACE(args.empty() ? "no argument" : args[0]);
        TearDown();
        SetUp();
        write_settings(db);
        start_program(args);
        auto frame = window(frame_caption);
        EXPECT_TRUE(driver->window("").has_value()) << "the login window is open";
        EXPECT_FALSE(driver->message());
        EXPECT_FALSE(driver->halted());
        EXPECT_EQ(data::table_name(data::FileId::reg_oprema), "app_reg.reg_oprema");
    }
}

TEST_F(FrameTest, TheDataMenuOpensOnTheFirstTimerAfterALogin) {
    ZOROZO_REQUIRE_SERVER(db);
    write_settings(db);
    start_program();
    auto frame = window(frame_caption);
    EXPECT_EQ(frame.timer, 200);
    EXPECT_FALSE(menu_enabled(frame, obrada));
    driver->menu("Postavke");
    ASSERT_TRUE(driver->wait());
    EXPECT_FALSE(driver->window("Postavke").has_value()) << "items of the greyed menu do nothing";
    // The instructions sit on the menu bar itself and answer before a login.
    ASSERT_TRUE(driver->menu("Opis postupaka (Upute)"));
    ASSERT_TRUE(driver->wait());
    auto upute = driver->message();
    ASSERT_TRUE(upute) << "the instructions item answers before a login";
    EXPECT_NE(upute->text.find("UPUTE"), std::string::npos) << upute->text;
    ASSERT_TRUE(driver->answer("OK"));
    ASSERT_TRUE(driver->wait());

    ASSERT_TRUE(driver->tick(frame));
    frame = window(frame_caption);
    EXPECT_FALSE(menu_enabled(frame, obrada)) << "nobody logged in yet";

    auto login = window("");
    ASSERT_TRUE(driver->type(login, "Id Korisnika:", "tobel"));
    ASSERT_TRUE(driver->type(login, "Lozinka:", "mostalin4"));
    ASSERT_TRUE(driver->press(login, "Potvrda"));
    ASSERT_TRUE(driver->wait());
    EXPECT_FALSE(driver->window("").has_value()) << "the login window closed";
    EXPECT_FALSE(menu_enabled(*driver->window(frame_caption), obrada))
        << "the menu waits for the timer";

    ASSERT_TRUE(driver->tick(frame));
    frame = window(frame_caption);
    EXPECT_TRUE(menu_enabled(frame, obrada));
    ASSERT_TRUE(driver->menu("Postavke"));
    EXPECT_TRUE(window("Postavke").open);
}

TEST_F(FrameTest, ScreensNotYetThereSayThatTheyAreNotAvailable) {
    ZOROZO_REQUIRE_SERVER(db);
    write_settings(db);
    start_program();
    auto login = window("");
    ASSERT_TRUE(driver->type(login, "Id Korisnika:", "tobel"));
    ASSERT_TRUE(driver->type(login, "Lozinka:", "mostalin4"));
    ASSERT_TRUE(driver->press(login, "Potvrda"));
    ASSERT_TRUE(driver->tick(window(frame_caption)));
    ASSERT_TRUE(driver->wait());

    const std::pair<const char*, const char*> items[] = {
        {"Popis opreme", "XREG_OPREMA"},        {"Pregled arhiviranja", "ARHIVA_PREGLED"},
        {"Pregled arhive (log)", "ARHIVA_LOG"}, {"Ovlasti", "Ovlasti"},
        {"Opis postupaka (Upute)", "UPUTE"},
    };
    for (const auto& [item, name] : items) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(driver->menu(item));
        ASSERT_TRUE(driver->wait());
        auto m = driver->message();
        ASSERT_TRUE(m);
        EXPECT_EQ(m->text, std::string("Procedura  ") + name +
                               " nije dostupna provjerite kod programera da je ukljući.");
        EXPECT_EQ(m->caption, "Procedura nije dostupna");
        ASSERT_TRUE(driver->answer("OK"));
        ASSERT_TRUE(driver->wait());
        EXPECT_FALSE(driver->halted());
    }
}

TEST_F(FrameTest, ClosingTheFrameSavesItsPlaceAndEndsTheProgram) {
    ZOROZO_REQUIRE_SERVER(db);
    write_settings(db);
    start_program();
    auto frame = window(frame_caption);
    ASSERT_TRUE(driver->post(frame, window::UserAction::placed({20, 30, 600, 300}, true)));
    ASSERT_TRUE(driver->wait());
    ASSERT_TRUE(driver->menu("E&xit"));
    ASSERT_TRUE(driver->wait_ended());
    ASSERT_TRUE(driver->halted());
    EXPECT_EQ(driver->halted()->code, 0);
    const auto file = paths::placement_file();
    EXPECT_EQ(ini::read(file, "Main", "XPosit", ""), "20");
    EXPECT_EQ(ini::read(file, "Main", "Width", ""), "600");
    EXPECT_EQ(ini::read(file, "Main", "Maximize", ""), "No");

    // The next start opens the frame where it was left.
    TearDown();
    SetUp();
    std::filesystem::create_directories(paths::placement_file().parent_path());
    ASSERT_TRUE(ini::write(paths::placement_file(), "Main", "Maximize", "No"));
    for (auto [key, value] :
         {std::pair{"XPosit", "20"}, {"YPosit", "30"}, {"Width", "600"}, {"Height", "300"}}) {
        ASSERT_TRUE(ini::write(paths::placement_file(), "Main", key, value));
    }
    write_settings(db);
    start_program();
    frame = window(frame_caption);
    EXPECT_EQ(frame.rect, (window::Rect{20, 30, 600, 300}));
}

} // namespace
