#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace zorozo::codepage {
namespace {

struct Pair {
    std::string cp1250;
    std::string utf8;
};

// Texts both directions agree on.
const Pair round_trip[] = {
    {"", ""},
    {"abc 123", "abc 123"},
    {"\xE8\xE6\xF0\x9A\x9E", "čćđšž"},
    {"\xC8\xC6\xD0\x8A\x8E", "ČĆĐŠŽ"},
    {"\x80 \x84\x93\x94", "€ „“”"},
    {"Ra\xE8unalo \x8Aibenik", "Računalo Šibenik"},
};

TEST(Codepage, Cp1250AndUtf8BothWays) {
    for (const auto& p : round_trip) {
        SCOPED_TRACE(p.utf8);
        EXPECT_EQ(from_cp1250(p.cp1250), p.utf8);
        EXPECT_EQ(to_cp1250(p.utf8), p.cp1250);
    }
}

TEST(Codepage, UndefinedBytesBecomeQuestionMarks) {
    EXPECT_EQ(from_cp1250("a\x81"
                          "b"),
              "a?b");
    EXPECT_EQ(from_cp1250("\x81\x83\xE8"), "??č");
}

TEST(Codepage, CharactersWindows1250LacksBecomeQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string cp1250;
    };
    const Case cases[] = {
        {"a日b", "a?b"},
        {"😀č", "?\xE8"},
        {"ñ", "?"},          // Latin-1 letter missing from Central European
        {"a\xC3(b", "a?(b"}, // a lead byte without its continuation
        {"a\xFF"
         "b",
         "a?b"},           // a byte never valid in UTF-8
        {"ab\xC4", "ab?"}, // a sequence cut at the end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(to_cp1250(c.utf8), c.cp1250);
    }
}

TEST(Codepage, Utf16WithAndWithoutByteOrderMark) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"little-endian BOM",
         "\xFF\xFE"
         "a\0\x0D\x01"s,
         "ač"},
        {"big-endian BOM", "\xFE\xFF\0a\x01\x0D"s, "ač"},
        {"no BOM reads little-endian", "a\0\x0D\x01"s, "ač"},
        {"a BOM alone", "\xFF\xFE"s, ""},
        {"surrogate pair", "\xFF\xFE\x3D\xD8\x00\xDE"s, "😀"},
        {"line ends kept", "a\0\r\0\n\0"s, "a\r\n"},
        {"unpaired surrogate",
         "a\0\x3D\xD8"
         "b\0"s,
         "a?b"},
        {"odd byte at the end", "a\0b"s, "a?"},
        {"empty", ""s, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(from_utf16(c.bytes), c.utf8);
    }
}

TEST(Codepage, LongTextsConvertWhole) {
    // Longer than the converter's working buffer.
    std::string utf8;
    std::string cp1250;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "šx";
        cp1250 += "\x9Ax";
    }
    EXPECT_EQ(to_cp1250(utf8), cp1250);
    EXPECT_EQ(from_cp1250(cp1250), utf8);
}

} // namespace
} // namespace zorozo::codepage
