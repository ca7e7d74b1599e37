#include "app/globals.h"
#include "app/postavke.h"
#include "app/settings.h"
#include "platform/ini.h"
#include "program_fixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace zorozo;
using zorozo::testing::ProgramTest;

app::Settings settings() {
    return app::program().values().settings;
}

std::string stored(const char* key) {
    return ini::read(app::settings_file(), "kw_zezido", key, "<missing>");
}

using SettingsTest = ProgramTest;

TEST_F(SettingsTest, DefaultsWithoutAFile) {
    app::procitaj_postavke();
    const app::Settings s = settings();
    EXPECT_EQ(s.my_naziv.str(), "google_pat");
    EXPECT_EQ(s.my_host.str(), "127.0.0.1");
    EXPECT_EQ(s.my_port, 3306);
    EXPECT_EQ(s.my_user.str(), "root");
    EXPECT_EQ(s.my_db.str(), "app_reg");
    // The default stored text "tarvomel." has no wrapping: characters 3 to 11.
    EXPECT_EQ(s.my_psw.str(), "rvomel.");
    EXPECT_EQ(s.app_inv_broj.str(), "");
    EXPECT_EQ(s.app_korisnik.str(), "");
}

TEST_F(SettingsTest, StoredValuesAreReadIntoTheirWidths) {
    struct Case {
        const char* key;
        std::string value;
        std::function<std::string(const app::Settings&)> read;
        std::string expected;
    };
    const auto port = [](const app::Settings& s) { return std::to_string(s.my_port); };
    const auto naziv = [](const app::Settings& s) { return s.my_naziv.str(); };
    const auto psw = [](const app::Settings& s) { return s.my_psw.str(); };
    const auto korisnik = [](const app::Settings& s) { return s.app_korisnik.str(); };
    const Case cases[] = {
        {"my:port", "abc", port, "0"},
        {"my:port", " 3307", port, "3307"},
        {"my:port", "-12x", port, "-12"},
        {"my:naziv", std::string(40, 'n'), naziv, std::string(32, 'n')},
        {"my:naziv", "čćđšž" + std::string(35, 'x'), naziv, "čćđšž" + std::string(27, 'x')},
        {"my:psw", "qz123456789pu907", psw, "123456789"},
        {"my:psw", "qzkratkapu907", psw, "kratka"},
        {"my:psw", "qzvrlo-duga-lozinka-2026pu907", psw, "vrlo-duga-lozinka-2026"},
        {"my:psw", "qzpu907", psw, ""},
        // A stored text without the wrapping keeps the old rule: characters 3 to 11.
        {"my:psw", "xx123456789yyy", psw, "123456789"},
        {"my:psw", "ab", psw, ""},
        {"app:korisnik", "ALFA d.o.o. Zagreb ima dugo ime", korisnik, "ALFA d.o.o. Zagreb i"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        ASSERT_TRUE(ini::write(app::settings_file(), "kw_zezido", c.key, c.value));
        app::procitaj_postavke();
        EXPECT_EQ(c.read(settings()), c.expected);
    }
}

// Types every setting into the settings window, saves, and reads them back as
// the next start does.
TEST_F(SettingsTest, SavedSettingsComeBackOnTheNextStart) {
    for (const std::string password : {"tajna1234", "kratka", "lozinka-od-dvadeset-i-vise"}) {
        SCOPED_TRACE(password);
        app::program().reset();
        app::procitaj_postavke();
        driver->start(app::postavke, "POSTAVKE");
        auto w = window("Postavke");
        const std::pair<const char*, std::string> typed[] = {
            {"Korisnik:", "BETA"}, {"naziv:", "moj_izvor"},       {"host:", "db.example.hr"},
            {"port:", "3310"},     {"user:", "operater"},         {"db:", "app_test"},
            {"psw:", password},    {"app inv broj:", "INV-0042"},
        };
        for (const auto& [prompt, value] : typed) {
            ASSERT_TRUE(driver->type(w, prompt, value)) << prompt;
        }
        // Pressing twice writes the same wrapped password both times.
        for (int press = 0; press < 2; ++press) {
            ASSERT_TRUE(driver->press(w, "Spremi"));
            ASSERT_TRUE(driver->wait());
            auto m = driver->message();
            ASSERT_TRUE(m);
            EXPECT_EQ(m->text, "OK");
            ASSERT_TRUE(driver->answer("OK"));
            EXPECT_EQ(stored("my:psw"), "qz" + password + "pu907");
        }
        EXPECT_EQ(settings().my_psw.str(), password) << "the global keeps the plain password";
        ASSERT_TRUE(driver->close(w));
        ASSERT_TRUE(driver->wait_ended());

        EXPECT_EQ(stored("my:port"), "3310");
        app::program().reset();
        app::procitaj_postavke();
        const app::Settings s = settings();
        EXPECT_EQ(s.app_korisnik.str(), "BETA");
        EXPECT_EQ(s.my_naziv.str(), "moj_izvor");
        EXPECT_EQ(s.my_host.str(), "db.example.hr");
        EXPECT_EQ(s.my_port, 3310);
        EXPECT_EQ(s.my_user.str(), "operater");
        EXPECT_EQ(s.my_db.str(), "app_test");
        EXPECT_EQ(s.my_psw.str(), password);
        EXPECT_EQ(s.app_inv_broj.str(), "INV-0042");
    }
}

TEST_F(SettingsTest, TheWindowShowsAndEditsTheGlobalsThemselves) {
    app::procitaj_postavke();
    app::program().with([](app::Globals& g) { g.settings.app_korisnik = "ALFA"; });
    driver->start(app::postavke, "POSTAVKE");
    auto w = window("Postavke");
    EXPECT_EQ(driver->text(w, "Korisnik:"), "ALFA");
    EXPECT_EQ(driver->text(w, "naziv:"), "google_pat");
    EXPECT_EQ(driver->text(w, "port:"), "          3306") << "a right-aligned number of 14";
    ASSERT_TRUE(driver->type(w, "Korisnik:", "GAMA"));
    ASSERT_TRUE(driver->close(w));
    ASSERT_TRUE(driver->wait_ended());
    // Closing keeps what was typed in the globals and writes nothing.
    EXPECT_EQ(settings().app_korisnik.str(), "GAMA");
    EXPECT_FALSE(std::filesystem::exists(app::settings_file()));
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsReported) {
    // A folder in the file's place cannot be replaced by the file.
    std::filesystem::create_directory(app::settings_file());
    app::procitaj_postavke();
    driver->start(app::postavke, "POSTAVKE");
    auto w = window("Postavke");
    ASSERT_TRUE(driver->press(w, "Spremi"));
    ASSERT_TRUE(driver->wait());
    auto m = driver->message();
    ASSERT_TRUE(m);
    EXPECT_NE(m->text, "OK");
    EXPECT_NE(m->text.find(app::settings_file().string()), std::string::npos) << m->text;
    ASSERT_TRUE(driver->answer("OK"));
    ASSERT_TRUE(driver->wait());
    EXPECT_TRUE(driver->window("Postavke").has_value()) << "the window stays open";
}

TEST(Password, WrapAndUnwrap) {
    const char* passwords[] = {"tajna1234",           "", "a", "qz", "pu907", "qzpu907",
                               "s razmakom u sredini"};
    for (const char* p : passwords) {
        EXPECT_EQ(app::unwrap_password(app::wrap_password(p)), p) << p;
    }
    EXPECT_EQ(app::wrap_password("tajna1234   "), "qztajna1234pu907");
}

} // namespace
