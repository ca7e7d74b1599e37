#pragma once
// The events a procedure receives from Window::next(). Plain data; any thread.

#include "platform/window/key.h"

#include <cstdint>
#include <string>

namespace zorozo::window {

enum class EventKind {
    accepted,      // a button, menu item or check box was used, or a typed value was taken
    rejected,      // a typed value its picture refuses; the bound variable kept its value
    new_selection, // a list row or column, a tab or a spin value was chosen
    opened,        // the window was opened (always the first event)
    gained_focus,  // the window became the active one
    resized,       // the user changed the window's size
    timer,         // the window's timer period elapsed
    alert_key,     // a key the window captures (WindowDef::alert_keys) was pressed
    close_window,  // the window is asked to close (close box, Esc of the standard action, post)
    close_down,    // the program is closing down
    user,          // an event posted by a procedure (user_code)
};

// The user event a window posts to itself after a resize: "refresh the window".
inline constexpr int refresh_event = 1023;

struct Event {
    EventKind kind = EventKind::opened;
    int control = 0;     // the control (menu entries negative); 0 = the window itself
    Key key = Key::none; // alert_key, and accepted by a control's key
    int user_code = 0;   // user
};

std::string event_name(EventKind kind);

} // namespace zorozo::window
