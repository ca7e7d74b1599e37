#include "platform/dates.h"
#include "platform/picture.h"

#include <gtest/gtest.h>

namespace zorozo::picture {
namespace {

using Kind = Picture::Kind;

TEST(PictureText, ReadsThePicturesOfTheProgram) {
    struct Case {
        std::string pic;
        Kind kind;
        int width, decimals;
        bool minus, grouping;
    };
    const Case cases[] = {
        {"@n_6", Kind::number, 6, 0, false, false},
        {"@n-19.2", Kind::number, 19, 2, true, true},
        {"@n-14", Kind::number, 14, 0, true, true},
        {"@N_6@", Kind::number, 6, 0, false, false}, // as written in a column format
        {"@s35", Kind::text, 35, 0, false, true},
        {"@S255", Kind::text, 255, 0, false, true},
        {"@d6.", Kind::date, 10, 0, false, true},
        {"@d6.@", Kind::date, 10, 0, false, true},
        {"", Kind::none, 0, 0, false, true},
        {"@x5", Kind::none, 0, 0, false, true},
        {"@s", Kind::none, 0, 0, false, true},
        {"@n6q", Kind::none, 0, 0, false, true},
        {"n6", Kind::none, 0, 0, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pic);
        const Picture p = parse_picture(c.pic);
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.decimals, c.decimals);
        EXPECT_EQ(p.minus, c.minus);
        EXPECT_EQ(p.grouping, c.grouping);
    }
    EXPECT_EQ(parse_picture("@d6.").date_separator, '.');
    EXPECT_EQ(parse_picture("@d6/").date_separator, '/');
}

struct FormatCase {
    std::string pic;
    std::string stored;
    std::string shown;
};

TEST(PictureFormat, ShowsStoredValues) {
    const FormatCase cases[] = {
        {"@n_6", "42", "    42"},
        {"@n_6", "123456", "123456"},
        {"@n_6", "1234567", "######"}, // too large for its positions
        {"@n_6", "", "     0"},
        {"@n_6", "abc", "######"},
        {"@n_6", "-5", "    -5"}, // never hide a sign
        {"@n-14", "3306", "          3306"},
        {"@n-14", "-3306", "         -3306"},
        {"@n-14", "1234567", "       1234567"}, // no thousands separators
        {"@n-19.2", "1234.5", "            1234.50"},
        {"@n-19.2", "-0.005", "              -0.01"},
        {"@n-19.2", "0.004", "               0.00"},
        {"@n-19.2", "-0.004", "               0.00"},
        {"@n-19.2", "99.995", "             100.00"},
        {"@n-19.2", "1234567890123456.78", "1234567890123456.78"},
        {"@n-19.2", "12345678901234567.8", "###################"},
        {"@n_6", "12.5", "    13"},
        {"@s5", "abcdefgh", "abcde"},
        {"@s3", "čćđšž", "čćđ"},
        {"@s35", "Šibenik", "Šibenik"},
        {"@d6.", "81527", "15.03.2024"},
        {"@d6.", "45000", "13.03.1924"},
        {"@d6.", "4", "01.01.1801"},
        {"@d6.", "2994626", "31.12.9999"},
        {"@d6.", "0", ""},
        {"@d6.", "", ""},
        {"@d6.", "  ", ""},
        {"@d6.", "3", "##########"}, // before the first day
        {"@d6.", "2994627", "##########"},
        {"@d6.", "-1", "##########"},
        {"@d6.", "15.03.2024", "##########"}, // not a day number
        {"@d6/", "81527", "15/03/2024"},
        {"", "as it is ", "as it is "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pic + " / " + c.stored);
        EXPECT_EQ(format(c.pic, c.stored), c.shown);
    }
}

struct ParseCase {
    std::string pic;
    std::string typed;
    std::optional<std::string> stored;
};

TEST(PictureParse, NumbersAreReadOrRefused) {
    const ParseCase cases[] = {
        {"@n_6", "42", "42"},
        {"@n_6", "  42  ", "42"},
        {"@n_6", "007", "7"},
        {"@n_6", "", "0"},
        {"@n_6", "123456", "123456"},
        {"@n_6", "1234567", std::nullopt}, // does not fit
        {"@n_6", "-5", std::nullopt},      // no minus in this picture
        {"@n_6", "12a", std::nullopt},
        {"@n_6", "abc", std::nullopt},
        {"@n_6", "1.5", std::nullopt}, // no decimals
        {"@n_6", "1 2", std::nullopt},
        {"@n-14", "-3306", "-3306"},
        {"@n-14", " 3307", "3307"},
        {"@n-14", "-", std::nullopt},
        {"@n-14", "+5", std::nullopt},
        {"@n-14", "-0", "0"},
        {"@n-19.2", "12.5", "12.50"},
        {"@n-19.2", "12,5", "12.50"},
        {"@n-19.2", "-12.34", "-12.34"},
        {"@n-19.2", "12.", "12.00"},
        {"@n-19.2", ".5", "0.50"},
        {"@n-19.2", "12.345", std::nullopt}, // more decimals than the picture has
        {"@n-19.2", "1.2.3", std::nullopt},
        {"@n-19.2", ".", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pic + " / \"" + c.typed + "\"");
        EXPECT_EQ(parse(c.pic, c.typed), c.stored);
    }
}

class PictureDateParse : public ::testing::Test {
protected:
    PictureDateParse() { dates::set_current_year_for_testing(2026); }
    ~PictureDateParse() override { dates::set_current_year_for_testing(std::nullopt); }
};

TEST_F(PictureDateParse, TypedDatesBecomeDayNumbersOnlyWhenTheyExist) {
    const ParseCase cases[] = {
        {"@d6.", "15.03.2024", "81527"},
        {"@d6.", "15.3.2024", "81527"},
        {"@d6.", "1.1.25", "81819"}, // two-digit year by the date rule
        {"@d6.", "5.7.99", "72507"},
        {"@d6.", " 29.02.2024 ", "81512"},
        {"@d6.", "", "0"},
        {"@d6.", "   ", "0"},
        {"@d6.", "01.01.1801", "4"},
        {"@d6.", "31.12.9999", "2994626"},
        {"@d6.", "31.02.2024", std::nullopt}, // does not exist
        {"@d6.", "29.02.2023", std::nullopt},
        {"@d6.", "0.3.2024", std::nullopt},
        {"@d6.", "15.0.2024", std::nullopt},
        {"@d6.", "15.13.2024", std::nullopt},
        {"@d6.", "31.12.1800", std::nullopt},
        {"@d6.", "15.03.204", std::nullopt}, // three-digit year
        {"@d6.", "15.03.2", std::nullopt},
        {"@d6.", "015.03.2024", std::nullopt},
        {"@d6.", "15.03", std::nullopt},
        {"@d6.", "15-03-2024", std::nullopt},
        {"@d6.", "15.03.2024.", std::nullopt},
        {"@d6.", "a.b.c", std::nullopt},
        {"@d6.", "81527", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pic + " / \"" + c.typed + "\"");
        EXPECT_EQ(parse(c.pic, c.typed), c.stored);
    }
}

TEST_F(PictureDateParse, ShownDatesReadBackToTheSameDayNumber) {
    for (const char* stored : {"4", "45000", "72507", "81512", "81527", "2994626"}) {
        SCOPED_TRACE(stored);
        EXPECT_EQ(parse("@d6.", format("@d6.", stored)), stored);
    }
}

TEST(PictureParse, TextsAreClippedNeverRefused) {
    EXPECT_EQ(parse("@s5", "abcdefgh"), "abcde");
    EXPECT_EQ(parse("@s3", "čćđšž"), "čćđ");
    EXPECT_EQ(parse("@s35", ""), "");
    EXPECT_EQ(parse("", "anything 12"), "anything 12");
}

} // namespace
} // namespace zorozo::picture
