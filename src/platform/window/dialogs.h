#pragma once
// System message boxes, the open-file dialog, printer setup and the beep.
// The backend shows them without blocking any other window; the asking
// procedure thread waits for the answer. Called on procedure threads.

#include "platform/window/window_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::window {

enum class Icon { none, information, question, exclamation, stop };

// Standard buttons, combined with |; message() returns the one pressed.
namespace button {
inline constexpr int none = 0; // the box was closed without an answer (close-down)
inline constexpr int ok = 1;
inline constexpr int yes = 2;
inline constexpr int no = 4;
inline constexpr int abort = 8;
inline constexpr int retry = 16;
inline constexpr int ignore = 32;
inline constexpr int cancel = 64;
} // namespace button

// "OK", "Yes", "Abort" ... for a standard button value.
std::string button_text(int button);

struct MessageRequest {
    std::string text{}; // '|' breaks lines
    std::string caption{};
    Icon icon = Icon::none;
    int buttons = button::ok;          // standard buttons, when custom is empty
    std::vector<std::string> custom{}; // custom button texts, in order
    int default_button = 0;            // a standard value, or a custom index (1-based)
    ProcedureId asking = 0;            // filled by message()

    std::vector<std::string> lines() const; // text split at '|'
    // The buttons in the order shown: their texts and the numbers message() returns.
    std::vector<std::pair<std::string, int>> choices() const;
};

// Shows the box and waits. Returns the pressed standard button's value, or the
// 1-based index of a custom button, or button::none when it was closed down.
int message(MessageRequest request);
int message(std::string_view text, std::string_view caption = {}, Icon icon = Icon::none,
            int buttons = button::ok, int default_button = 0);
// Custom buttons given as one text separated by '|', e.g. "++|--|idp|Aps".
int message_custom(std::string_view text, std::string_view caption, Icon icon,
                   std::string_view buttons, int default_button = 1);
// The stop box: Abort (default) and Ignore.
int stop_box(std::string_view text, std::string_view caption = "Stop");

struct FileRequest {
    std::string title{};
    std::string filter{}; // pairs "description|pattern|description|pattern", e.g. "All Files|*.lst"
    std::string folder{}; // start folder; empty = the current folder
    bool must_exist = true;
    bool keep_current_folder = true; // choosing a file never changes the process's folder
    ProcedureId asking = 0;
};

// The chosen file's path, or nullopt when the user cancelled.
std::optional<std::string> open_file(FileRequest request);

// True when the user confirmed the printer setup.
bool printer_setup();

void beep();

} // namespace zorozo::window
