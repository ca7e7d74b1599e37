#include "platform/window/column_format.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zorozo::window {
namespace {

struct Col {
    int width;
    char align;
    const char* header;
    const char* picture;
};

// Every browse column: indent 2, right border, resizable, colour fields, centred header;
// the first column also carries the mark icon and a line under each cell.
std::string browse_format(const std::vector<Col>& cols) {
    std::string out;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const auto& c = cols[i];
        out += std::to_string(c.width) + c.align + "(2)|" + (i == 0 ? "_M*I" : "M*") + "~" +
               c.header + "~C" + c.picture + "@";
    }
    return out;
}

std::vector<std::string> formats_in_use() {
    std::vector<std::string> f;
    // Backup register.
    f.push_back("13R(2)|_M*I~Idp~C@n_6@66L(2)|M*~Kor~C@s35@66L(2)|M*~Inv_broj~C@s35@"
                "66L(2)|M*~Lokacija~C@s35@66L(2)|M*~Radnajedinica~C@s35@66L(2)|M*~Djelatnik~C@s35@"
                "66L(2)|M*~Opis~C@s35@66L(2)|M*~Popis_arhive~C@s35@66L(2)|M*~Vrsta_arhive~C@s35@"
                "40R(2)|M*~Datum_zadnje_arhive~C@d6.@40R(2)|M*~Datum_pred_zadnje_arhive~C@d6.@");
    // Backup log.
    f.push_back(
        "13R(2)|_M*I~Idp~C@n_6@66L(2)|M*~Kor~C@s35@66L(2)|M*~Lokacija~C@s35@"
        "66L(2)|M*~Inv_broj~C@s35@66L(2)|M*~Radnajedinica~C@s35@66L(2)|M*~Djelatnik~C@s35@");
    // Equipment register: 34 columns.
    std::vector<Col> eq = {{13, 'R', "Idp", "@n_6"}};
    const char* s135[] = {"Djelatnik", "Opis_radnog_mjesta", "Radnajedinica", "Naziv_racunala"};
    eq.push_back({66, 'L', "Inv_broj", "@s35"});
    for (const char* h : s135) {
        eq.push_back({66, 'L', h, "@s135"});
    }
    for (int i = 0; i < 23; ++i) {
        eq.push_back({66, 'L', "Sifra_računala", i % 3 == 0 ? "@s235" : "@s35"});
    }
    eq.push_back({40, 'R', "Datum_zadnje_arhive", "@d6."});
    for (int i = 0; i < 4; ++i) {
        eq.push_back({66, 'L', "Ostalo_1_naziv", "@s235"});
    }
    f.push_back(browse_format(eq));
    // The browse's second list: nine columns, no border under the cells.
    std::string second;
    for (int i = 1; i <= 9; ++i) {
        second += std::string(i == 9 ? "55" : "66") + "L(2)|M*I~a" + std::to_string(i) + "~@s55@";
    }
    f.push_back(second);
    // The report-lines list; and pieces written out in full.
    f.push_back("500L(2)|_M@s125@");
    f.push_back("40R(2)|M~Datum~C(1)@d6.@#12#20D~~R@n-19.2@");
    return f;
}

TEST(ColumnFormat, TextsInUseReadBackUnchanged) {
    for (const auto& text : formats_in_use()) {
        SCOPED_TRACE(text);
        auto parsed = parse_column_format(text);
        ASSERT_TRUE(parsed.format) << parsed.error << " at " << parsed.position;
        EXPECT_EQ(write_column_format(*parsed.format), text);
    }
}

TEST(ColumnFormat, PiecesOfTheFirstBrowseColumn) {
    auto p = parse_column_format("13R(2)|_M*I~Idp~C@n_6@66L(2)|M*~Kor~C@s35@");
    ASSERT_TRUE(p.format);
    ASSERT_EQ(p.format->columns.size(), 2u);
    const auto& idp = p.format->columns[0];
    EXPECT_EQ(idp.width, 13);
    EXPECT_EQ(idp.align, 'R');
    EXPECT_EQ(idp.indent, 2);
    EXPECT_TRUE(idp.right_border && idp.underline && idp.resizable && idp.colours && idp.icon);
    EXPECT_EQ(idp.header, "Idp");
    EXPECT_EQ(idp.header_align, 'C');
    EXPECT_EQ(idp.picture, "@n_6");
    const auto& kor = p.format->columns[1];
    EXPECT_FALSE(kor.underline);
    EXPECT_FALSE(kor.icon);
    EXPECT_EQ(kor.picture, "@s35");
}

TEST(ColumnFormat, FieldNumbersFollowTheFieldsEachColumnTakes) {
    // Idp: value, four colours, icon (fields 1-6); Kor from 7 (value + colours: 7-11);
    // a plain column from 12; an explicit field number resets the count.
    auto p = parse_column_format("13R|*I@n_6@66L*@s35@66L@s35@66L#30#66L");
    ASSERT_TRUE(p.format);
    const auto& f = *p.format;
    EXPECT_EQ(f.field_of(1), 1);
    EXPECT_EQ(f.field_of(2), 7);
    EXPECT_EQ(f.field_of(3), 12);
    EXPECT_EQ(f.field_of(4), 30);
    EXPECT_EQ(f.field_of(5), 31);
    EXPECT_EQ(f.field_of(6), 0);
}

TEST(ColumnFormat, MalformedTextsAreRefusedWithThePlace) {
    struct Case {
        const char* text;
        std::size_t position;
    };
    const Case cases[] = {
        {"L(2)", 0},          // no width
        {"13X", 2},           // unknown alignment
        {"13R(2", 5},         // indent not closed
        {"13R~Idp", 4},       // header not closed
        {"13R~Idp~C@n_6", 9}, // picture not closed
        {"13R#7", 5},         // field number not closed
        {"13R%", 3},          // unknown piece
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto p = parse_column_format(c.text);
        EXPECT_FALSE(p.format);
        EXPECT_FALSE(p.error.empty());
        EXPECT_EQ(p.position, c.position);
    }
    EXPECT_TRUE(parse_column_format("").format); // no columns at all
}

} // namespace
} // namespace zorozo::window
