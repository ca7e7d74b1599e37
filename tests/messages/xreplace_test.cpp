#include "messages/xreplace.h"
#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

using zorozo::messages::xreplace;

struct Case {
    const char* text;
    const char* find;
    const char* replace;
    std::uint8_t case_flag;
    const char* expected; // compared without trailing blanks
};

TEST(Xreplace, ReplacesEveryOccurrence) {
    const Case cases[] = {
        {"a|B|c", "|", "-", 0, "a-B-c"},
        {"xAx", "a", "y", 0, "xyx"},
        {"xAx", "a", "y", 1, "xAx"},
        {"xax", "a", "y", 1, "xyx"},
        {"jedan|dva|", "|", "\r\n", 0, "jedan\r\ndva\r\n"},
        {"||", "|", "\r\n", 0, "\r\n\r\n"},
        {"bez crte", "|", "\r\n", 0, "bez crte"},
        {"", "|", "-", 0, ""},
        {"   ", "|", "-", 0, ""},
        // The replacement holds what is searched for: replaced once, no loop.
        {"a|b", "|", "||", 0, "a||b"},
        {"aaa", "a", "aa", 0, "aaaaaa"},
        // Croatian letters compare regardless of case too.
        {"ščŠČ", "č", "c", 0, "šcŠc"},
        {"ščŠČ", "č", "c", 1, "šcŠČ"},
        {"ab", "abc", "x", 0, "ab"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zorozo::text::rtrim(xreplace(c.text, c.find, c.replace, c.case_flag)), c.expected)
            << "text '" << c.text << "' find '" << c.find << "' flag " << int(c.case_flag);
    }
}

TEST(Xreplace, BlanksAfterTheLastOccurrenceAreDropped) {
    EXPECT_EQ(xreplace("a|   ", "|", "-", 0), "a-");
    // Blanks followed by more text stay.
    EXPECT_EQ(xreplace("a|  b", "|", "-", 0), "a-  b");
    EXPECT_EQ(xreplace("a  |b", "|", "-", 0), "a  -b");
}

TEST(Xreplace, ABlankTextIsSearchedOnce) {
    // The first search runs whatever the text holds; only the rest after an
    // occurrence is left alone once it is blank.
    EXPECT_EQ(xreplace("   ", " ", "-", 0), "-");
    EXPECT_EQ(xreplace(" ", " ", "-", 1), "-");
    EXPECT_EQ(xreplace(" a ", " ", "-", 0), "-a-");
}

TEST(Xreplace, TextBeforeAnOccurrenceKeepsItsOwnLetters) {
    // Letters are compared upper-cased but copied as they stand.
    EXPECT_EQ(xreplace("mala|Slova", "|", " ", 0), "mala Slova");
    EXPECT_EQ(xreplace("xABCx", "b", "-", 0), "xA-Cx");
}

} // namespace
