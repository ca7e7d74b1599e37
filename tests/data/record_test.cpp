// Records, field sets and the pure texts of the data layer.
#include "data/config.h"
#include "data/connection.h"
#include "data/date_time.h"
#include "data/record.h"
#include "platform/dates.h"

#include <gtest/gtest.h>

namespace zorozo::data {
namespace {

TEST(Record, HasOneFieldPerColumnAndTwoForADateAndTime) {
    struct Case {
        FileId file;
        std::size_t fields;
        const char* last;
    };
    const Case cases[] = {
        {FileId::reg_oprema, 43, "rdc"},
        {FileId::reg_zezido, 13, "ts_time"},
        {FileId::reg_zezido_log, 8, "ts_time"},
        {FileId::kwbrowse, 36, "idp"},
    };
    for (const Case& c : cases) {
        Record r(declaration(c.file));
        EXPECT_EQ(r.field_count(), c.fields);
        EXPECT_EQ(r.field(r.field_count() - 1).name, c.last);
    }
    Record oprema(declaration(FileId::reg_oprema));
    ASSERT_TRUE(oprema.find("SIFRA_RAčUNALA"));
    EXPECT_EQ(oprema.field(*oprema.find("kor")).characters, 19u);
    EXPECT_EQ(oprema.field(*oprema.find("ts")).characters, 32u);
}

TEST(Record, CopyByNameTakesCommonFieldsOnlyAndConverts) {
    Record rec(declaration(FileId::reg_zezido));
    rec.set_idp(12);
    rec.set_text("kor", "ABCDE");
    rec.set_text("opis", "opis iz tablice");
    rec.set_number("ts_date", 80000);

    // An edit group in its own order, with a narrower kor and the date as text.
    FieldValues gx({{"OPIS", FieldKind::text, 50},
                    {"IDP", FieldKind::integer, 0},
                    {"KOR", FieldKind::text, 3},
                    {"ts_date", FieldKind::text, 10},
                    {"samo_u_gx", FieldKind::text, 10}});
    gx.set_text("samo_u_gx", "ostaje");
    copy_by_name(rec, gx);
    EXPECT_EQ(gx.text("opis"), "opis iz tablice");
    EXPECT_EQ(gx.number("idp"), 12);
    EXPECT_EQ(gx.text("kor"), "ABC");
    EXPECT_EQ(gx.text("ts_date"), "80000");
    EXPECT_EQ(gx.text("samo_u_gx"), "ostaje");

    gx.set_text("opis", "promijenjeno");
    gx.set_text("ts_date", "  81000");
    rec.set_text("inv_broj", "bez para");
    copy_by_name(gx, rec);
    EXPECT_EQ(rec.text("opis"), "promijenjeno");
    EXPECT_EQ(rec.number("ts_date"), 81000);
    EXPECT_EQ(rec.text("kor"), "ABC");
    EXPECT_EQ(rec.text("inv_broj"), "bez para") << "no edit field: kept";
}

TEST(Record, FieldNamesMatchWhateverTheCaseOfTheirCroatianLetters) {
    // An edit field is named in capitals (SIFRA_RAČUNALA), the column in
    // lower case (sifra_računala): the row must still move between them.
    Record rec(declaration(FileId::reg_oprema));
    FieldValues gx({{"SIFRA_RAČUNALA", FieldKind::text, 32}, {"KOR", FieldKind::text, 19}});
    gx.set_text("SIFRA_RAČUNALA", "PC-007");
    gx.set_text("KOR", "ZEZ");
    copy_by_name(gx, rec);
    EXPECT_EQ(rec.text("sifra_računala"), "PC-007");
    EXPECT_EQ(rec.text("kor"), "ZEZ");

    rec.set_text("sifra_računala", "PC-008");
    copy_by_name(rec, gx);
    EXPECT_EQ(gx.text("SIFRA_RAČUNALA"), "PC-008");

    struct Case {
        const char* field;
        const char* asked;
        bool found;
    };
    const Case cases[] = {
        {"šifra", "ŠIFRA", true}, {"ŽUTO", "žuto", true},
        {"ćup", "ĆUP", true},     {"đak", "ĐAK", true},
        {"čaša", "ČAŠA", true},   {"čaša", "caša", false},
        {"kor", "KOR", true},     {"sifra_računala", "SIFRA", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " / " + c.asked);
        FieldValues set({{c.field, FieldKind::text, 10}});
        EXPECT_EQ(set.find(c.asked).has_value(), c.found);
    }
}

TEST(DateTime, SplitsIntoDayNumberAndHundredthsPlusOne) {
    const std::int32_t day = dates::day_number({2026, 12, 11});
    struct Case {
        const char* text;
        DateTimeHalves halves;
    };
    const Case cases[] = {
        {"2026-12-11 13:00:00", {day, 13 * 360000 + 1}},
        {"2026-12-11 00:00:00", {day, 1}},
        {"2026-12-11 23:59:59.990000", {day, 24 * 360000}},
        {"2026-12-11", {day, 1}},
        {"1801-01-01 00:00:00", {4, 1}},
        {"0000-00-00 00:00:00", {0, 0}},
        {"2026-02-30 10:00:00", {0, 0}},
        {"", {0, 0}},
        {"nije datum", {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DateTimeHalves h = parse_date_time(c.text);
        EXPECT_EQ(h, c.halves);
        if (h.date != 0) {
            const auto parts = to_parts(h);
            ASSERT_TRUE(parts);
            const DateTimeHalves back{dates::day_number({parts->year, parts->month, parts->day}),
                                      ((parts->hour * 60 + parts->minute) * 60 + parts->second) *
                                              100 +
                                          parts->hundredths + 1};
            EXPECT_EQ(back, h);
        }
    }
    EXPECT_FALSE(to_parts({0, 5}));
}

TEST(ConnectionText, NamesTheDataSourceOrTheServerAndQuotesAwkwardValues) {
    ConnectionSettings s;
    s.data_source = "google_pat  ";
    s.user = "korisnik ";
    s.password = "ta;jna}";
    s.database = "app_reg";
    EXPECT_EQ(connection_string(s),
              "DSN=google_pat;UID=korisnik;PWD={ta;jna}}};DATABASE=app_reg;CHARSET=utf8mb4;");
    s.data_source = "";
    s.host = "db.local";
    s.port = 3307;
    s.password = "obicna";
    s.database = "";
    EXPECT_EQ(connection_string(s), "DRIVER={MariaDB Unicode};SERVER=db.local;PORT=3307;"
                                    "UID=korisnik;PWD=obicna;CHARSET=utf8mb4;");
}

TEST(ConnectionText, TableNamesFollowTheDatabase) {
    ConnectionSettings s;
    s.database = "baza  ";
    configure(s);
    EXPECT_EQ(table_name(FileId::reg_zezido_log), "baza.reg_zezido_log");
    s.database = "";
    configure(s);
    EXPECT_EQ(table_name(FileId::kwbrowse), ".kwbrowse");
    reset_configuration();
}

TEST(SqlMode, DropsOnlyTheModesThatChangeQuoting) {
    EXPECT_EQ(without_quoting_modes("STRICT_TRANS_TABLES,ANSI_QUOTES,NO_BACKSLASH_ESCAPES"),
              "STRICT_TRANS_TABLES");
    EXPECT_EQ(without_quoting_modes("REAL_AS_FLOAT,PIPES_AS_CONCAT,ANSI_QUOTES,IGNORE_SPACE,ANSI"),
              "REAL_AS_FLOAT,PIPES_AS_CONCAT,IGNORE_SPACE");
    EXPECT_EQ(without_quoting_modes(""), "");
}

} // namespace
} // namespace zorozo::data
