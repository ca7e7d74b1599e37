#include "platform/text.h"

#include <gtest/gtest.h>
#include <limits>

namespace zorozo::text {
namespace {

TEST(TextClip, NeverCutsALetterInHalf) {
    struct Case {
        std::string in;
        std::size_t n;
        std::string out;
    };
    const Case cases[] = {
        {"abcdef", 3, "abc"},
        {"abc", 10, "abc"},
        {"abc", 0, ""},
        {"čćđšž", 2, "čć"}, // two-byte letters
        {"ač", 1, "a"},     // the boundary falls just before a two-byte letter
        {"ač", 2, "ač"},
        {"a€b", 2, "a€"},   // a three-byte letter
        {"đ€😀x", 3, "đ€😀"}, // a four-byte letter at the boundary
        {"Šibenik  ", 8, "Šibenik "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in + " / " + std::to_string(c.n));
        EXPECT_EQ(clip(c.in, c.n), c.out);
        EXPECT_LE(length(clip(c.in, c.n)), c.n);
    }
}

TEST(TextLength, CountsCharactersNotBytes) {
    EXPECT_EQ(length(""), 0u);
    EXPECT_EQ(length("abc"), 3u);
    EXPECT_EQ(length("čćđšž"), 5u);
    EXPECT_EQ(length("€😀"), 2u);
}

TEST(TextBlanks, TrailingBlanksCutAndBlankTexts) {
    EXPECT_EQ(rtrim("abc   "), "abc");
    EXPECT_EQ(rtrim("  abc"), "  abc");
    EXPECT_EQ(rtrim("abc\t"), "abc\t");
    EXPECT_EQ(rtrim("    "), "");
    EXPECT_TRUE(is_blank(""));
    EXPECT_TRUE(is_blank("   "));
    EXPECT_FALSE(is_blank(" x "));
    EXPECT_FALSE(is_blank("\t"));
}

TEST(TextToNumber, FollowsTheNumberRule) {
    struct Case {
        std::string in;
        std::int32_t out;
    };
    const Case cases[] = {
        {"3306", 3306},
        {" 3307", 3307},
        {"abc", 0},
        {"", 0},
        {"   ", 0},
        {"-42", -42},
        {"+7", 7},
        {"12abc", 12},
        {"1 2", 1},
        {"- 5", 0},
        {".5", 0},
        {"x12", 0},
        {"2147483647", 2147483647},
        {"99999999999999", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-99999999999999", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.in + "\"");
        EXPECT_EQ(to_number(c.in), c.out);
    }
}

TEST(TextFromNumber, PlainDecimalWithLeadingMinus) {
    EXPECT_EQ(from_number(0), "0");
    EXPECT_EQ(from_number(3306), "3306");
    EXPECT_EQ(from_number(-15), "-15");
    EXPECT_EQ(from_number(1234567890123), "1234567890123");
}

TEST(TextUpper, HandlesCroatianAndLatinLetters) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"da", "DA"},
        {"Da", "DA"},
        {"čćđšž", "ČĆĐŠŽ"},
        {"ČĆĐŠŽ", "ČĆĐŠŽ"},
        {"računalo", "RAČUNALO"},
        {"äöüéàñ", "ÄÖÜÉÀÑ"},
        {"łńőźż", "ŁŃŐŹŻ"},
        {"ß 1-2 ×÷", "ß 1-2 ×÷"}, // no upper form, signs unchanged
        {"€x", "€X"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(upper(c.in), c.out);
    }
}

TEST(TextSameIgnoringCase, ComparesLettersNotCase) {
    EXPECT_TRUE(same_ignoring_case("?my:host", "?MY:HOST"));
    EXPECT_TRUE(same_ignoring_case("?GX:ŠIFRA", "?gx:šifra"));
    EXPECT_FALSE(same_ignoring_case("?GX:SIFRA", "?GX:ŠIFRA"));
    EXPECT_FALSE(same_ignoring_case("F1", "F10"));
}

TEST(TextSqlQuote, NoTypedTextEndsTheValueEarly) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"abc", R"("abc")"},
        {"abc   ", R"("abc")"},
        {"", R"("")"},
        {"Đuro Šimić", R"("Đuro Šimić")"},
        {R"(a"b)", R"("a\"b")"},
        {R"(a\b)", R"("a\\b")"},
        {R"(x\")", R"("x\\\"")"}, // a backslash cannot swallow the escape of the quote
        {R"(" or 1=1 -- )", R"("\" or 1=1 --")"},
        {std::string("a\0b", 3), R"("a\0b")"},
        {"it's", R"("it's")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        const std::string quoted = sql_quote(c.in);
        EXPECT_EQ(quoted, c.out);
        // Reading the quoted text as the server does ends exactly at its last character.
        std::size_t i = 1;
        while (i < quoted.size() && quoted[i] != '"') {
            i += quoted[i] == '\\' ? 2 : 1;
        }
        EXPECT_EQ(i, quoted.size() - 1);
    }
}

TEST(TextFixedWidth, AssigningClipsAndComparisonIgnoresTrailingBlanks) {
    Text<5> t = "čćđšžabc";
    EXPECT_EQ(t.str(), "čćđšž");
    t = "ab   ";
    EXPECT_EQ(t.str(), "ab   ");
    EXPECT_EQ(t.trimmed(), "ab");
    EXPECT_TRUE(t == "ab");
    EXPECT_TRUE(t == "ab       ");
    EXPECT_FALSE(t == "abc");
    t = "     ";
    EXPECT_TRUE(t.blank());
}

} // namespace
} // namespace zorozo::text
