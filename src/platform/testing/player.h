#pragma once
// Plays a script against the program under the headless backend and prints a
// transcript of what a person would have seen. One action or check per line;
// the line language is described in README.md next to this file.
//
// Returns the program's exit code when it halted, 0 when the script ended with
// the program still running (it is then closed down), or 3 when a check failed,
// an action found nothing to act on, a wait timed out or a procedure failed;
// the transcript names the script line. Call from a thread that is not a
// procedure thread.

#include <chrono>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

namespace zorozo::testing {

struct PlayOptions {
    std::function<void()> program; // the first procedure (the frame)
    std::string program_name = "MAIN";
    std::ostream* out = nullptr; // transcript; std::cout when null
    std::chrono::milliseconds timeout = std::chrono::seconds(10);
    // Takes a picture for the lines "snap NAME" (the newest window) and
    // "snap-frame NAME" (the whole frame) once the program is idle. Without a
    // drawing backend there is nothing to take and the lines only wait.
    std::function<void(bool whole_frame, const std::string& name)> snap;
};

inline constexpr int play_failed = 3;

int play_script(const std::filesystem::path& script, const PlayOptions& options);
int play_stream(std::istream& script, const PlayOptions& options);

} // namespace zorozo::testing
