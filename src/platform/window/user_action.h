#pragma once
// What a backend posts into a window when the user does something. The window's
// procedure thread applies it inside next() and turns it into events.
//
// Typed text reaches the procedure as a commit carrying the control's revision
// that the backend showed; a backend posts a commit for every modified entry
// before the command that ends the edit (button, key, menu item, close request),
// into the same queue, so the procedure sees them in the user's order.

#include "platform/window/definition.h"
#include "platform/window/key.h"

#include <cstdint>
#include <string>

namespace zorozo::window {

struct UserAction {
    enum class Kind {
        commit,       // text typed into control (entry, multi-line text, rich text)
        press,        // a button or a menu item (negative control) was used
        check,        // a check box set to value (1 ticked, 0 not)
        choose,       // a tab (value = tab control's number), spin value, list row/column
        key,          // a key pressed in the window
        close,        // the close box was used: ask the procedure to close
        focus,        // the window became active
        placement,    // moved or resized by the user: rect (dialog units)
        maximize,     // value 1 maximised, 0 restored
        minimize,     // value 1 minimised, 0 restored
        column_width, // list control, column, value = new width in dialog units
        tick,         // a timer event now (test drivers)
    };
    Kind kind = Kind::press;
    int control = 0;
    std::string text{};
    std::uint64_t revision = 0; // commit: the control revision the backend showed
    std::int32_t value = 0;
    std::int32_t column = 0; // choose on a list: current column (0 keeps it); column_width
    Key key = Key::none;
    Rect rect{};

    static UserAction commit(int control, std::string text, std::uint64_t revision);
    static UserAction press(int control);
    static UserAction check(int control, bool on);
    static UserAction choose(int control, std::int32_t value, std::int32_t column = 0);
    static UserAction press_key(Key key);
    static UserAction close_request();
    static UserAction focus_gained();
    static UserAction placed(Rect rect, bool resized);
    static UserAction set_maximized(bool on);
    static UserAction set_minimized(bool on);
    static UserAction width(int control, std::int32_t column, std::int32_t width);
    static UserAction timer_tick();
};

} // namespace zorozo::window
