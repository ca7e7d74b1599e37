// CHECKOPEN, the standard warnings and OVLASTI, played through the headless
// backend against the private server.
#include "app/check_open.h"
#include "app/ovlasti.h"
#include "app/standard_warning.h"
#include "data/error_state.h"
#include "data_fixture.h"
#include "platform/testing/driver.h"
#include "platform/window/dialogs.h"
#include "platform/window/procedure.h"

#include <atomic>
#include <gtest/gtest.h>

namespace zorozo::data::testing {
namespace {

using window::Icon;
using ::zorozo::testing::Driver;

// One box the program shows and the button the user presses in it.
struct Box {
    std::string text, caption;
    Icon icon;
    std::vector<std::string> buttons;
    std::string press;
};

// Answers the boxes in order, checking each; then the program must have
// stopped with final_text, or (final_text empty) the procedure ended itself.
void expect_boxes(Driver& d, const std::vector<Box>& boxes, const std::string& final_text) {
    for (const Box& b : boxes) {
        ASSERT_TRUE(d.wait());
        const auto m = d.message();
        ASSERT_TRUE(m) << "expected the box " << b.caption;
        EXPECT_EQ(m->text, b.text);
        EXPECT_EQ(m->caption, b.caption);
        EXPECT_EQ(m->icon, b.icon);
        std::vector<std::string> shown;
        for (const auto& [label, number] : m->choices()) {
            shown.push_back(label);
        }
        EXPECT_EQ(shown, b.buttons);
        ASSERT_TRUE(d.answer(b.press));
    }
    if (!final_text.empty()) {
        ASSERT_TRUE(d.wait());
        const auto m = d.message();
        ASSERT_TRUE(m) << "expected the final text " << final_text;
        EXPECT_EQ(m->text, final_text);
        ASSERT_TRUE(d.answer("OK"));
    }
    ASSERT_TRUE(d.wait_ended());
    EXPECT_FALSE(d.message());
    if (final_text.empty()) {
        EXPECT_FALSE(d.halted());
    } else {
        ASSERT_TRUE(d.halted());
        EXPECT_EQ(d.halted()->code, app::warning_exit_code);
        EXPECT_EQ(d.halted()->final_text, final_text);
    }
    EXPECT_TRUE(d.failures().empty());
}

const std::vector<std::string> ok_only{"OK"};

using CheckOpen = DataTest;

TEST_F(CheckOpen, OpensCreatesOrStopsAfterTheRightWarning) {
    const std::string oprema = table(FileId::reg_oprema);
    const std::string zezido = table(FileId::reg_zezido);
    struct Case {
        const char* what;
        std::string change;
        FileId file;
        int override_create;
        std::vector<Box> boxes;
        std::string final_text; // empty: opened
    };
    const std::vector<Case> cases = {
        {"existing table", "", FileId::reg_zezido, 0, {}, ""},
        {"missing reg_oprema created", "DROP TABLE " + oprema, FileId::reg_oprema, 1, {}, ""},
        {"missing reg_zezido",
         "DROP TABLE " + zezido,
         FileId::reg_zezido,
         0,
         {{"Greška: (File Not Found (2)) kod kreiranja " + zezido +
               ".  Pritisnite  OK za izlazak. ",
           "Greška kod kreiranja ", Icon::exclamation, ok_only, "OK"}},
         "Greška kod kreiranja!"},
        {"missing reg_oprema, creation not allowed",
         "DROP TABLE " + oprema,
         FileId::reg_oprema,
         0,
         {{"Greška: (File Not Found (2)) kod kreiranja " + oprema +
               ".  Pritisnite  OK za izlazak. ",
           "Greška kod kreiranja ", Icon::exclamation, ok_only, "OK"}},
         "Greška kod kreiranja!"},
        {"wrong column",
         "ALTER TABLE " + zezido + " CHANGE opis opisi VARCHAR(5000)",
         FileId::reg_zezido,
         0,
         {{"Greška : (Invalid Record Declaration (47)) kod pregleda datoteke " + zezido +
               ".  Pritisnite  OK za izlazak.",
           "Neispravna datoteka", Icon::exclamation, ok_only, "OK"}},
         "Neispravna datoteka !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.change.empty()) {
            ASSERT_EQ(admin({c.change}), 0) << error().server_text;
        }
        std::atomic<bool> opened{false};
        {
            Driver d;
            d.start(
                [&] {
                    File& f = file(c.file);
                    app::check_open(f, c.override_create);
                    opened = f.is_open();
                },
                "XREG_OPREMA");
            expect_boxes(d, c.boxes, c.final_text);
        }
        EXPECT_EQ(opened.load(), c.final_text.empty());
        // Put the table back as declared for the next case.
        close_thread_files();
        ASSERT_EQ(admin({"DROP TABLE IF EXISTS " + table(c.file)}), 0);
        ASSERT_EQ(file(c.file).create(), 0);
    }
}

TEST_F(CheckOpen, ACreatedTableHasTheDeclaredLayoutAndOpensTwice) {
    ASSERT_EQ(admin({"DROP TABLE " + table(FileId::reg_oprema)}), 0);
    std::atomic<int> second_open{-1};
    {
        Driver d;
        d.start(
            [&] {
                File& f = file(FileId::reg_oprema);
                app::check_open(f, 1);
                app::check_open(f, 1); // already open: no box, stays open
                f.record().set_text("kor", "novi");
                second_open = f.is_open() && f.insert() == 0 ? 0 : data::error().number;
            },
            "XREG_OPREMA");
        expect_boxes(d, {}, "");
    }
    EXPECT_EQ(second_open.load(), 0);
    // The created table passes the same column check as any other open.
    close_thread_files();
    EXPECT_EQ(file(FileId::reg_oprema).open(), 0);
}

TEST_F(CheckOpen, AnUnreachableServerGivesWarning30AndDiskError) {
    ConnectionSettings nowhere = server_settings(env_);
    nowhere.data_source.clear();
    nowhere.host = "127.0.0.1";
    nowhere.port = 1;
    close_thread_files(); // this thread's connection was made with the old settings
    configure(nowhere);
    set_table_name(FileId::kwbrowse, table(FileId::kwbrowse));
    std::string driver_text;
    {
        File& f = file(FileId::kwbrowse);
        ASSERT_EQ(f.open(), errors::server_error);
        driver_text = error().server_text + " (" + error().server_code + ")";
        close_thread_files();
    }
    Driver d;
    d.start([] { app::check_open(file(FileId::kwbrowse), 0); }, "LOGIN");
    expect_boxes(d,
                 {{"Datoteku: (" + table(FileId::kwbrowse) +
                       ") ne mogu otvoriti   Greska: " + text::clip(driver_text, 150) + ".",
                   "Nemate dozvolljen pristup datoteci", Icon::exclamation, ok_only, "OK"}},
                 "Disk Error");
}

TEST_F(CheckOpen, AFileStillLockedAfterTheRetryGivesWarning30) {
    const std::string log = table(FileId::reg_zezido_log);
    TableLock lock(log);
    {
        Driver d(std::chrono::seconds(30));
        d.start([] { app::check_open(file(FileId::reg_zezido_log), 0); }, "ARHIVA_LOG");
        expect_boxes(
            d,
            {{"Datoteku: (" + log + ") ne mogu otvoriti   Greska: File Is Already Locked (32).",
              "Nemate dozvolljen pristup datoteci", Icon::exclamation, ok_only, "OK"}},
            "Disk Error");
    }
}

TEST(StandardWarning, ShowsEachWarningAsDeclared) {
    struct Case {
        int id;
        bool server; // the error state: a server error, or File Not Found
        std::string name;
        Box box;
        std::string final_text;
        int returns;
    };
    const std::string srv = "Table 'x.y' doesn't exist (1146)";
    const std::string nf = "File Not Found (2)";
    const std::vector<Case> cases = {
        {1,
         false,
         "app_reg.reg_zezido  ",
         {"Greška : (" + nf +
              ") kod pregleda datoteke app_reg.reg_zezido.  Pritisnite  OK za izlazak.",
          "Neispravna datoteka", Icon::exclamation, ok_only, "OK"},
         "Neispravna datoteka !",
         0},
        {2,
         false,
         "T",
         {"T Kljuć datoteke je neispravan. Dali želite da se kreira novi kljuć?",
          "Neispravan kljuć datoteke",
          Icon::question,
          {"Yes", "No"},
          "Yes"},
         "",
         2},
        {2,
         false,
         "T",
         {"T Kljuć datoteke je neispravan. Dali želite da se kreira novi kljuć?",
          "Neispravan kljuć datoteke",
          Icon::question,
          {"Yes", "No"},
          "No"},
         "Neispravan kljuć!",
         0},
        {3,
         true,
         "T",
         {"Greška : (" + srv + ") repariranja ključeva za T.  Pritisnite  OK za izlazak. ",
          "Greška repariranja ključeva datoteke", Icon::exclamation, ok_only, "OK"},
         "Greška kod izrade ključeva!",
         0},
        {4,
         true,
         "T",
         {"Greška: (" + srv + ") kod kreiranja T.  Pritisnite  OK za izlazak. ",
          "Greška kod kreiranja ", Icon::exclamation, ok_only, "OK"},
         "Greška kod kreiranja!",
         0},
        {5,
         false,
         "T",
         {"Greška: (" + nf +
              ") kod kreiranja, otvaranja  datoteke:T.  Pritisnite  OK za izlazak , provjerite "
              "server ,",
          "Greška kod kreiranja datoteke ", Icon::exclamation, ok_only, "OK"},
         "Greška kod kreiranja datoteke!",
         0},
        {6,
         false,
         "Ovlasti ",
         {"Procedura  Ovlasti nije dostupna provjerite kod programera da je ukljući.",
          "Procedura nije dostupna", Icon::exclamation, ok_only, "OK"},
         "",
         1},
        {30,
         true,
         "T",
         {"Datoteku: (T) ne mogu otvoriti   Greska: " + srv + ".",
          "Nemate dozvolljen pristup datoteci", Icon::exclamation, ok_only, "OK"},
         "",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::atomic<int> returned{-1};
        Driver d;
        d.start(
            [&] {
                if (c.server) {
                    set_server_error("x.y", "Table 'x.y' doesn't exist  ", "1146");
                } else {
                    set_error(errors::file_not_found, "x.y");
                }
                returned = app::standard_warning(c.id, c.name);
            },
            "W");
        expect_boxes(d, {c.box}, c.final_text);
        if (c.final_text.empty()) {
            EXPECT_EQ(returned.load(), c.returns);
        }
    }
}

TEST(StandardWarning, ErrorTextIsCutAt150Characters) {
    set_server_error("x.y", std::string(200, 'a'), "1064");
    EXPECT_EQ(app::warning_error_text(), std::string(150, 'a'));
    set_error(errors::bad_declaration, "x.y");
    EXPECT_EQ(app::warning_error_text(), "Invalid Record Declaration (47)");
}

TEST(Ovlasti, SaysTheProcedureIsNotAvailableAndLeavesCancelled) {
    std::atomic<int> response{-1};
    Driver d;
    d.start(
        [&] {
            app::ovlasti();
            response = window::words().response;
        },
        "OVLASTI");
    expect_boxes(d,
                 {{"Procedura  Ovlasti nije dostupna provjerite kod programera da je ukljući.",
                   "Procedura nije dostupna", Icon::exclamation, ok_only, "OK"}},
                 "");
    EXPECT_EQ(response.load(), window::response_cancelled);
}

} // namespace
} // namespace zorozo::data::testing
