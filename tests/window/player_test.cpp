#include "platform/testing/player.h"
#include "platform/testing/sample_program.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace zorozo::testing {
namespace {

struct Played {
    int code;
    std::string transcript;
};

Played play(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    PlayOptions o;
    o.program = sample_program;
    o.program_name = "UZORAK";
    o.out = &out;
    int code = play_stream(in, o);
    return {code, out.str()};
}

TEST(Player, DrivesTheSampleWindowEndToEnd) {
    auto p = play("# a whole session\n"
                  "expect window Uzorak\n"
                  "type ?KORISNIK ivana\n"
                  "type port: 12x\n"
                  "expect text ?PORT 3306\n"
                  "type port: 3307\n"
                  "check Aktivan\n"
                  "press Spremi\n"
                  "expect message Spremljeno\n"
                  "answer OK\n"
                  "expect cell ?LIST1 1 2 ivana\n"
                  "expect cell ?LIST1 2 2 aktivan\n"
                  "press Kraj\n"
                  "answer Ignore\n"
                  "expect window Uzorak\n"
                  "press Kraj\n"
                  "answer Abort\n"
                  "expect halt 0\n");
    EXPECT_EQ(p.code, 0) << p.transcript;
    for (const char* line :
         {"window opened: \"Uzorak\"\n", "beep\n", "message \"Uzorak\": Spremljeno | ivana [OK]\n",
          "message \"Stop\": Izlazak ... [Abort, Ignore]\n", "halt: exit code 0\n",
          "window closed: \"Uzorak\"\n", "program ended with exit code 0\n"}) {
        EXPECT_NE(p.transcript.find(line), std::string::npos) << line << "\n" << p.transcript;
    }
}

TEST(Player, AFailedCheckOrAMissingControlEndsWithThreeNamingTheLine) {
    struct Case {
        const char* script;
        const char* failure;
    };
    const Case cases[] = {
        {"type ?KORISNIK ana\nexpect text ?KORISNIK ivo\n", "FAILED at line 2: it shows \"ana\""},
        {"press Nepostojeći\n", "FAILED at line 1: cannot press Nepostojeći"},
        {"wait\nanswer OK\n", "FAILED at line 2: no message is open"},
        {"skoči\n", "FAILED at line 1: unknown command skoči"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        auto p = play(c.script);
        EXPECT_EQ(p.code, play_failed);
        EXPECT_NE(p.transcript.find(c.failure), std::string::npos) << p.transcript;
    }
}

TEST(Player, AScriptThatLeavesTheProgramRunningEndsWithZero) {
    auto p = play("show\n");
    EXPECT_EQ(p.code, 0);
    EXPECT_NE(p.transcript.find("  2 entry ?KORISNIK \"demo\""), std::string::npos) << p.transcript;
}

} // namespace
} // namespace zorozo::testing
