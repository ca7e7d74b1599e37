#pragma once
// Starting outside programs. Any thread. No shell is involved: the program and
// its arguments are passed as they are, so no text can be read as a command.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorozo::window {

struct ProcessRequest {
    std::string program{}; // a path, or a name looked up in PATH
    std::vector<std::string> arguments{};
    std::filesystem::path folder{}; // working folder; empty = the current folder
    bool wait = false;
};

struct ProcessResult {
    bool started = false;
    std::optional<int> exit_code{}; // when waited for and the program exited normally
    std::string error{};            // why it did not start
};

// Runs the program through the backend (which a test backend may record).
ProcessResult start_process(const ProcessRequest& request);
// Runs the program for real; the default behaviour of every backend.
ProcessResult run_program(const ProcessRequest& request);

} // namespace zorozo::window
