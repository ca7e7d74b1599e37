#include "app/globals.h"
#include "app/login.h"
#include "program_fixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zorozo;
using zorozo::testing::ProgramTest;

constexpr const char* message_caption = " - Poruka -";
constexpr const char* refused =
    "Pristup odbijen\r\nPodaci za ulazak nisu ispravni\r\nPokušajte ponovo";

TEST(LoginStatement, KeepsItsShapeAndQuotesWhatWasTyped) {
    struct Case {
        const char* user;
        const char* password;
        const char* expected;
    };
    const Case cases[] = {
        {"marko", "marko3",
         " SELECT   ovlasti  FROM  app_reg.reg_lozinke  WHERE username=\"marko\"  and "
         "zaporka=\"marko3\""},
        // Trailing blanks are cut, leading blanks stay.
        {"  marko   ", "tajna  ",
         " SELECT   ovlasti  FROM  app_reg.reg_lozinke  WHERE username=\"  marko\"  and "
         "zaporka=\"tajna\""},
        {"", "",
         " SELECT   ovlasti  FROM  app_reg.reg_lozinke  WHERE username=\"\"  and zaporka=\"\""},
        // A typed quote or backslash stays inside its value.
        {"x\" or ovlasti>0 or \"", "a\\",
         " SELECT   ovlasti  FROM  app_reg.reg_lozinke  WHERE username=\"x\\\" or ovlasti>0 or "
         "\\\"\"  and zaporka=\"a\\\\\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::login_statement(c.user, c.password), c.expected);
    }
}

// Every test here changes app_reg.reg_lozinke, which the login always reads:
// each starts with the table present and empty, and leaves it so.
class LoginTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ZOROZO_REQUIRE_SERVER(db);
        write_settings(db);
        restore_table();
    }
    void TearDown() override {
        if (!IsSkipped()) {
            restore_table();
        }
        ProgramTest::TearDown();
    }
    void restore_table() {
        // Puts back the table a test hid; fails harmlessly when nothing is hidden.
        sql("rename table app_reg.reg_lozinke_skrivena to app_reg.reg_lozinke");
        ASSERT_EQ(sql("delete from app_reg.reg_lozinke"), 0);
    }
    void add_user(const std::string& name, const std::string& password, const char* ovlasti) {
        ASSERT_EQ(sql("insert into app_reg.reg_lozinke (username, zaporka, ovlasti) values ('" +
                      name + "', '" + password + "', " + ovlasti + ")"),
                  0);
    }
    // Starts the program, types into the login window and presses "Potvrda".
    void log_in(const std::optional<std::string>& user,
                const std::optional<std::string>& password) {
        start_program();
        auto login = window("");
        if (user) {
            ASSERT_TRUE(driver->type(login, "Id Korisnika:", *user));
        }
        if (password) {
            ASSERT_TRUE(driver->type(login, "Lozinka:", *password));
        }
        ASSERT_TRUE(driver->press(login, "Potvrda"));
        ASSERT_TRUE(driver->wait());
    }
    // After a refusal: the message window with its text; its "Potvrda" ends the program.
    void expect_refusal() {
        auto m = driver->window(message_caption);
        ASSERT_TRUE(m) << "no message window";
        EXPECT_EQ(driver->text(*m, "?XS1"), refused);
        EXPECT_FALSE(driver->state(*m, "?ODGOVOR")->visible);
        ASSERT_TRUE(driver->press(*m, "Potvrda"));
        ASSERT_TRUE(driver->wait_ended());
        ASSERT_TRUE(driver->halted());
        EXPECT_EQ(driver->halted()->code, 0);
        EXPECT_EQ(app::program().app_ovlasti.load(), 0);
    }
    void expect_logged_in(int ovlasti) {
        EXPECT_FALSE(driver->window(message_caption).has_value());
        EXPECT_FALSE(driver->window("").has_value()) << "the login window closed";
        EXPECT_FALSE(driver->halted());
        EXPECT_EQ(app::program().app_ovlasti.load(), ovlasti);
    }
};

TEST_F(LoginTest, OpensWithOneInBothEntries) {
    add_user("1", "1", "7");
    start_program();
    auto login = window("");
    EXPECT_EQ(driver->text(login, "Id Korisnika:"), "1");
    EXPECT_EQ(driver->text(login, "Lozinka:"), "1");
    ASSERT_TRUE(driver->press(login, "Potvrda"));
    ASSERT_TRUE(driver->wait());
    expect_logged_in(7);
}

TEST_F(LoginTest, Accepted) {
    struct Case {
        const char* what;
        const char* user;
        const char* password;
        int ovlasti;
    };
    const Case cases[] = {
        {"master login", "tobel", "mostalin4", 10},
        {"master login, trailing blanks do not count", "tobel  ", "mostalin4 ", 10},
        {"user with ovlasti 3", "marko", "marko3", 3},
        {"trailing blanks are not sent", "marko   ", "marko3   ", 3},
        {"two rows, the last wins", "dvostruki", "d", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        add_user("marko", "marko3", "3");
        add_user("dvostruki", "d", "0");
        add_user("dvostruki", "d", "5");
        log_in(c.user, c.password);
        expect_logged_in(c.ovlasti);
    }
}

TEST_F(LoginTest, Refused) {
    struct Case {
        const char* what;
        const char* user;
        const char* password;
    };
    const Case cases[] = {
        {"unknown user", "nitko", "nista"},
        {"wrong password", "marko", "krivo"},
        {"password in other letter case", "marko", "MARKO3"},
        {"ovlasti 0", "gost", "gost"},
        {"ovlasti empty", "prazan", "p"},
        {"two rows 5 then 0", "pet_nula", "pn"},
        {"master name in other letter case goes to the table", "TOBEL", "mostalin4"},
        {"leading blanks stay", "  marko", "marko3"},
        {"a typed quote cannot widen the statement", "x\" or ovlasti>0 or \"", "x"},
        {"nor in the password", "marko", "\" or \"1\"=\"1"},
        {"a backslash cannot end the value", "marko\\", "\" or ovlasti>0 or \""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        add_user("marko", "marko3", "3");
        add_user("gost", "gost", "0");
        add_user("prazan", "p", "NULL");
        add_user("pet_nula", "pn", "5");
        add_user("pet_nula", "pn", "0");
        log_in(c.user, c.password);
        expect_refusal();
    }
}

TEST_F(LoginTest, MasterLoginWorksWithoutTheUserTable) {
    ASSERT_EQ(sql("rename table app_reg.reg_lozinke to app_reg.reg_lozinke_skrivena"), 0);
    log_in("tobel", "mostalin4");
    expect_logged_in(10);
}

TEST_F(LoginTest, AFailedStatementIsShownAndRefused) {
    ASSERT_EQ(sql("rename table app_reg.reg_lozinke to app_reg.reg_lozinke_skrivena"), 0);
    log_in("marko", "marko3");
    auto m = driver->window(message_caption);
    ASSERT_TRUE(m);
    const std::string shown = driver->text(*m, "?XS1");
    EXPECT_EQ(shown.rfind("Greška kod pristupu Serveru\r\n", 0), 0u) << shown;
    EXPECT_NE(shown.find("app_reg.kwbrowse"), std::string::npos) << shown;
    EXPECT_NE(shown.find(app::login_statement("marko", "marko3")), std::string::npos) << shown;
    ASSERT_TRUE(driver->press(*m, "Potvrda"));
    ASSERT_TRUE(driver->wait());
    expect_refusal();
}

TEST_F(LoginTest, OdustaniAsksAndAbortEndsTheProgram) {
    start_program();
    auto login = window("");
    ASSERT_TRUE(driver->press(login, "Odustani"));
    ASSERT_TRUE(driver->wait());
    auto box = driver->message();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Izlazak ...");
    EXPECT_EQ(box->caption, "Stop");
    ASSERT_TRUE(driver->answer("Ignore"));
    ASSERT_TRUE(driver->wait());
    EXPECT_FALSE(driver->halted());
    login = window("");
    EXPECT_TRUE(login.takes_input) << "Ignore returns to the login window";

    ASSERT_TRUE(driver->press(login, "Odustani"));
    ASSERT_TRUE(driver->wait());
    ASSERT_TRUE(driver->answer("Abort"));
    ASSERT_TRUE(driver->wait_ended());
    ASSERT_TRUE(driver->halted());
    EXPECT_EQ(driver->halted()->code, 0);
}

TEST_F(LoginTest, EscDoesNothing) {
    start_program();
    auto login = window("");
    ASSERT_TRUE(driver->key(login, window::Key::esc));
    ASSERT_TRUE(driver->wait());
    EXPECT_TRUE(driver->window("").has_value());
    EXPECT_FALSE(driver->message());
    EXPECT_FALSE(driver->halted());
}

} // namespace
