// zorozo-play FILE: plays a script against the sample program and prints what a
// person would have seen. The program itself will offer the same as --play.

#include "platform/testing/player.h"
#include "platform/testing/sample_program.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zorozo-play SCRIPT\n";
        return zorozo::testing::play_failed;
    }
    zorozo::testing::PlayOptions options;
    options.program = zorozo::testing::sample_program;
    options.program_name = "UZORAK";
    return zorozo::testing::play_script(argv[1], options);
}
