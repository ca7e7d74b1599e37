#pragma once
// Ending the program from any thread.
//
// halt(code, final text) shows the final text first when it is not blank (a
// message box with an OK button, on the calling thread), then ends the program
// with the exit code through the backend. In the real program the process
// ends at once (exit_process()); under the test backend the calling procedure
// is unwound by a ProgramHalted exception, which the thread root records.
// ProgramHalted deliberately does not derive from std::exception, so a
// procedure's catch (const std::exception&) does not stop it.

#include <string>
#include <string_view>

namespace zorozo::window {

struct ProgramHalted {
    int code = 0;
    std::string final_text{};
};

[[noreturn]] void halt(int code, std::string_view final_text = {});

// Flushes the standard streams and ends the process with code without
// joining threads or running destructors. The first caller wins; a second
// thread calling it at the same time waits until the process is gone.
[[noreturn]] void exit_process(int code);

} // namespace zorozo::window
