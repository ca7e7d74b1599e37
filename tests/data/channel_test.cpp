// The SQL channel against the private server: free statements through
// KWBROWSE, the record operations of a register file, errors and threads.
#include "data/error_state.h"
#include "data_fixture.h"
#include "platform/dates.h"
#include "platform/text.h"

#include <gtest/gtest.h>
#include <latch>
#include <string>
#include <thread>
#include <vector>

namespace zorozo::data::testing {
namespace {

using Channel = DataTest;

// Inserts a reg_oprema row with the given kor and note; returns the error number.
int insert_oprema(File& reg, std::string_view kor, std::string_view napomena) {
    reg.record().clear();
    reg.record().set_text("kor", kor);
    reg.record().set_text("napomena", napomena);
    return reg.insert();
}

std::string repeat(std::string_view piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) {
        s += piece;
    }
    return s;
}

// Every row of a free statement as p1 texts.
std::vector<std::string> column_one(File& kw, const std::string& sql) {
    std::vector<std::string> rows;
    EXPECT_EQ(kw.send(sql), 0) << error().server_text;
    while (kw.next() == 0) {
        rows.push_back(kw.record().p(1));
    }
    return rows;
}

TEST_F(Channel, ResultColumnsLandInTheResultBufferByPosition) {
    File& kw = opened(FileId::kwbrowse);
    const std::string oprema = table(FileId::reg_oprema);
    std::string thirty_six = "select 'c1'";
    for (int i = 2; i <= 35; ++i) {
        thirty_six += ", 'c" + std::to_string(i) + "'";
    }
    thirty_six += ", 417";
    struct Case {
        std::string sql;
        std::string p1, p2, p35;
        std::int32_t idp;
    };
    const std::string keep = "(kept)";
    const Case cases[] = {
        {"select count(*) from " + oprema + " where idp > 0", "0", keep, keep, -7},
        {"select 'a', 'ž\"\\\\'", "a", "ž\"\\", keep, -7},
        {"select NULL, 12", "", "12", keep, -7},
        {"select repeat('č', 300)", repeat("č", 221), keep, keep, -7},
        {thirty_six, "c1", "c2", "c35", 417},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        for (std::size_t i = 1; i <= kwbrowse_texts; ++i) {
            kw.record().set_text(i - 1, keep);
        }
        kw.record().set_idp(-7);
        ASSERT_EQ(kw.send(c.sql), 0) << error().server_text;
        ASSERT_EQ(kw.next(), 0);
        EXPECT_EQ(kw.record().p(1), c.p1);
        EXPECT_EQ(kw.record().p(2), c.p2);
        EXPECT_EQ(kw.record().p(35), c.p35);
        EXPECT_EQ(kw.record().idp(), c.idp);
        EXPECT_EQ(kw.next(), errors::no_more_rows);
        EXPECT_EQ(error().number, errors::no_more_rows);
        EXPECT_EQ(error().file, table(FileId::kwbrowse));
    }
}

TEST_F(Channel, InsertWithIdpZeroTakesTheNextIdp) {
    File& kw = opened(FileId::kwbrowse);
    File& reg = opened(FileId::reg_oprema);
    const std::string max = "select max(idp) from " + table(FileId::reg_oprema);
    ASSERT_EQ(insert_oprema(reg, "K1", "prvi"), 0) << error().server_text;
    EXPECT_EQ(column_one(kw, max), std::vector<std::string>{"1"});
    ASSERT_EQ(insert_oprema(reg, "K1", "drugi"), 0) << error().server_text;
    EXPECT_EQ(column_one(kw, max), std::vector<std::string>{"2"});
    // A whole row read back by select * lands column by column in the record.
    ASSERT_EQ(reg.send("select * from " + table(FileId::reg_oprema) + " order by idp"), 0);
    ASSERT_EQ(reg.next(), 0);
    EXPECT_EQ(reg.record().idp(), 1);
    EXPECT_EQ(reg.record().text("napomena"), "prvi");
    EXPECT_FALSE(text::is_blank(reg.record().text("ts"))) << "the server sets the time stamp";
    ASSERT_EQ(reg.next(), 0);
    EXPECT_EQ(reg.record().text("napomena"), "drugi");
    EXPECT_EQ(reg.next(), errors::no_more_rows);
}

TEST_F(Channel, FetchByKeyWriteBackAndFetchAgain) {
    File& reg = opened(FileId::reg_oprema);
    ASSERT_EQ(insert_oprema(reg, "K1", "stara"), 0);
    ASSERT_EQ(insert_oprema(reg, "K1", "susjed"), 0);

    reg.record().clear();
    reg.record().set_idp(1);
    ASSERT_EQ(reg.fetch_by_key(), 0) << error().server_text;
    EXPECT_EQ(reg.record().text("napomena"), "stara");
    reg.record().set_text("napomena", "nova");
    reg.record().set_number("zavrsno", 1);
    ASSERT_EQ(reg.write_back(), 0) << error().server_text;

    reg.record().clear();
    reg.record().set_idp(1);
    ASSERT_EQ(reg.fetch_by_key(), 0);
    EXPECT_EQ(reg.record().text("napomena"), "nova");
    EXPECT_EQ(reg.record().number("zavrsno"), 1);
    // Writing the same values again changes nothing and is no error.
    EXPECT_EQ(reg.write_back(), 0);

    reg.record().set_idp(2);
    ASSERT_EQ(reg.fetch_by_key(), 0);
    EXPECT_EQ(reg.record().text("napomena"), "susjed");

    reg.record().set_idp(999);
    EXPECT_EQ(reg.fetch_by_key(), errors::record_not_found);
    EXPECT_EQ(error().file, table(FileId::reg_oprema));

    // The row fetched last is gone before the write: reported, not ignored.
    reg.record().set_idp(2);
    ASSERT_EQ(reg.fetch_by_key(), 0);
    File& kw = opened(FileId::kwbrowse);
    ASSERT_EQ(kw.send("delete from " + table(FileId::reg_oprema) + " where idp=2"), 0);
    reg.record().set_text("napomena", "izgubljena");
    EXPECT_EQ(reg.write_back(), errors::record_not_found);
}

TEST_F(Channel, RejectedStatementGivesTheServersTextAndCode) {
    File& kw = opened(FileId::kwbrowse);
    struct Case {
        std::string sql, code, words;
    };
    const Case cases[] = {
        {"selec 1", "1064", "SQL syntax"},
        {"select * from " + database_ + ".nema", "1146", "doesn't exist"},
        {"select nema from " + table(FileId::reg_oprema), "1054", "Unknown column"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(kw.send(c.sql), errors::server_error);
        EXPECT_EQ(error().number, errors::server_error);
        EXPECT_EQ(error().text, "File System Error");
        EXPECT_EQ(error().server_code, c.code);
        EXPECT_NE(error().server_text.find(c.words), std::string::npos) << error().server_text;
        EXPECT_EQ(error().server_text.find('['), std::string::npos) << "driver tags left";
        EXPECT_EQ(error().file, table(FileId::kwbrowse));
        EXPECT_EQ(kw.last_statement(), c.sql);
        EXPECT_EQ(kw.next(), errors::no_more_rows);
        // The file stays usable.
        EXPECT_EQ(column_one(kw, "select 5"), std::vector<std::string>{"5"});
        EXPECT_EQ(error().number, errors::no_more_rows);
    }
    // A duplicate idp refused by the server on insert.
    File& reg = opened(FileId::reg_oprema);
    ASSERT_EQ(insert_oprema(reg, "K", "a"), 0);
    reg.record().set_idp(1);
    EXPECT_EQ(reg.insert(), errors::server_error);
    EXPECT_EQ(error().server_code, "1062");
}

TEST_F(Channel, OperationsOnAClosedOrOpenFile) {
    File& kw = file(FileId::kwbrowse);
    EXPECT_EQ(kw.send("select 1"), errors::not_open);
    EXPECT_EQ(kw.last_statement(), "select 1");
    EXPECT_EQ(kw.next(), errors::not_open);
    EXPECT_EQ(kw.open(), 0);
    EXPECT_EQ(kw.open(), errors::already_open);
    EXPECT_EQ(error().text, "File Already Open");
    // The driver option of the locked-file retry is accepted and changes nothing.
    EXPECT_EQ(kw.set_driver_option("Recover=10"), 0);
    EXPECT_TRUE(kw.is_open());
    // A statement without rows leaves nothing to fetch.
    ASSERT_EQ(kw.send("delete from " + table(FileId::reg_oprema) + " where idp=5"), 0);
    EXPECT_EQ(kw.next(), errors::no_more_rows);
    kw.close();
    EXPECT_FALSE(kw.is_open());
    EXPECT_EQ(kw.next(), errors::not_open);
    File& reg = file(FileId::reg_oprema);
    EXPECT_EQ(reg.insert(), errors::not_open);
    ASSERT_EQ(reg.open(), 0);
    EXPECT_EQ(reg.write_back(), errors::no_more_rows) << "nothing fetched yet";
}

TEST_F(Channel, QuotesAndBackslashesComeBackUnchanged) {
    File& reg = opened(FileId::reg_oprema);
    File& kw = opened(FileId::kwbrowse);
    const std::vector<std::string> values = {
        "a\"b", "c\\d", "e'f", "\\\"", "x\" or \"1\"=\"1", "\\'; drop table t; -- ž",
    };
    for (const std::string& v : values) {
        ASSERT_EQ(insert_oprema(reg, "Q", v), 0) << v << ": " << error().server_text;
    }
    const std::string all = "select napomena from " + table(FileId::reg_oprema) + " order by idp";
    EXPECT_EQ(column_one(kw, all), values);
    // Each value finds exactly its own row when quoted into a free statement.
    for (const std::string& v : values) {
        EXPECT_EQ(column_one(kw, "select napomena from " + table(FileId::reg_oprema) +
                                     " where napomena=" + text::sql_quote(v)),
                  std::vector<std::string>{v});
    }
    // Written back over row 1, a quoted value changes no other row.
    reg.record().set_idp(1);
    ASSERT_EQ(reg.fetch_by_key(), 0);
    reg.record().set_text("napomena", "\"' or 1=1 -- \\");
    ASSERT_EQ(reg.write_back(), 0);
    std::vector<std::string> expected = values;
    expected[0] = "\"' or 1=1 -- \\";
    EXPECT_EQ(column_one(kw, all), expected);
}

TEST_F(Channel, TextsAreClippedToTheirFieldAndLongTextsArriveWhole) {
    File& reg = opened(FileId::reg_oprema);
    // The edit group may hold a wider field than the record.
    FieldValues wide({{"kor", FieldKind::text, 100}, {"popis_aplikacija", FieldKind::text, 9000}});
    const std::string kor = repeat("č", 25);
    const std::string popis = repeat("až", 3500);
    wide.set_text("kor", kor);
    wide.set_text("popis_aplikacija", popis);
    reg.record().clear();
    copy_by_name(wide, reg.record());
    ASSERT_EQ(reg.insert(), 0) << error().server_text;

    reg.record().clear();
    reg.record().set_idp(1);
    ASSERT_EQ(reg.fetch_by_key(), 0);
    EXPECT_EQ(reg.record().text("kor"), text::clip(kor, 19));
    EXPECT_EQ(reg.record().text("popis_aplikacija"), text::clip(popis, 6000));
    EXPECT_EQ(text::length(reg.record().text("popis_aplikacija")), 6000u);
}

TEST_F(Channel, DateAndTimeTravelAsTheirTwoHalves) {
    File& zez = opened(FileId::reg_zezido);
    File& kw = opened(FileId::kwbrowse);
    const std::int32_t day = dates::day_number({2026, 12, 11});
    zez.record().clear();
    zez.record().set_text("kor", "ABC");
    zez.record().set_number("ts_date", day);
    zez.record().set_number("ts_time", 13 * 360000 + 5 * 6000 + 7 * 100 + 1); // 13:05:07
    ASSERT_EQ(zez.insert(), 0) << error().server_text;
    EXPECT_EQ(column_one(kw, "select ts from " + table(FileId::reg_zezido)),
              std::vector<std::string>{"2026-12-11 13:05:07"});

    zez.record().clear();
    zez.record().set_idp(1);
    ASSERT_EQ(zez.fetch_by_key(), 0);
    EXPECT_EQ(zez.record().number("ts_date"), day);
    EXPECT_EQ(zez.record().number("ts_time"), 13 * 360000 + 5 * 6000 + 7 * 100 + 1);

    // A date of 0 on write back empties the column.
    zez.record().set_number("ts_date", 0);
    ASSERT_EQ(zez.write_back(), 0);
    ASSERT_EQ(zez.fetch_by_key(), 0);
    EXPECT_EQ(zez.record().number("ts_date"), 0);
    EXPECT_EQ(zez.record().number("ts_time"), 0);

    // A new row without a date takes the server's current time.
    zez.record().clear();
    ASSERT_EQ(zez.insert(), 0);
    zez.record().set_idp(2);
    ASSERT_EQ(zez.fetch_by_key(), 0);
    EXPECT_GT(zez.record().number("ts_date"), dates::day_number({2020, 1, 1}));
    EXPECT_GT(zez.record().number("ts_time"), 0);
}

TEST_F(Channel, TwoThreadsEachSeeTheirOwnRowsStatementsAndErrors) {
    {
        File& reg = opened(FileId::reg_oprema);
        ASSERT_EQ(insert_oprema(reg, "A", "red A"), 0);
        ASSERT_EQ(insert_oprema(reg, "B", "red B"), 0);
    }
    const std::string t = table(FileId::reg_oprema);
    std::latch sent(2), checked(2);
    struct Seen {
        int open = -1, send = -1, next = -1, error_after = -1;
        std::string napomena, last;
    };
    Seen a, b;
    auto run = [&](Seen& seen, std::string sql) {
        File& reg = file(FileId::reg_oprema);
        seen.open = reg.open();
        seen.send = reg.send(sql);
        sent.arrive_and_wait(); // both statements sent before either fetches
        seen.next = reg.next();
        seen.napomena = reg.record().text("napomena");
        seen.last = reg.last_statement();
        seen.error_after = error().number;
        checked.arrive_and_wait();
    };
    std::thread ta(run, std::ref(a), "select * from " + t + " where kor=\"A\"");
    std::thread tb(run, std::ref(b), "select * from " + t + " where kor=B");
    ta.join();
    tb.join();
    EXPECT_EQ(a.open, 0);
    EXPECT_EQ(b.open, 0);
    EXPECT_EQ(a.send, 0);
    EXPECT_EQ(a.next, 0);
    EXPECT_EQ(a.napomena, "red A");
    EXPECT_EQ(a.error_after, 0);
    EXPECT_EQ(a.last, "select * from " + t + " where kor=\"A\"");
    EXPECT_EQ(b.send, errors::server_error) << "unquoted B is an unknown column";
    EXPECT_EQ(b.next, errors::no_more_rows);
    EXPECT_EQ(b.napomena, "");
    EXPECT_EQ(b.last, "select * from " + t + " where kor=B");
    // This thread's own file was not touched by the others.
    EXPECT_EQ(file(FileId::reg_oprema).record().text("napomena"), "red B");
}

} // namespace
} // namespace zorozo::data::testing
