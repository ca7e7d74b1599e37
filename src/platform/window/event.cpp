#include "platform/window/event.h"

namespace zorozo::window {

std::string event_name(EventKind kind) {
    switch (kind) {
    case EventKind::accepted:
        return "accepted";
    case EventKind::rejected:
        return "rejected";
    case EventKind::new_selection:
        return "new_selection";
    case EventKind::opened:
        return "opened";
    case EventKind::gained_focus:
        return "gained_focus";
    case EventKind::resized:
        return "resized";
    case EventKind::timer:
        return "timer";
    case EventKind::alert_key:
        return "alert_key";
    case EventKind::close_window:
        return "close_window";
    case EventKind::close_down:
        return "close_down";
    case EventKind::user:
        return "user";
    }
    return "?";
}

} // namespace zorozo::window
