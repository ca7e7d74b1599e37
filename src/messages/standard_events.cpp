#include "messages/standard_events.h"

#include "platform/window/dialogs.h"

namespace zorozo::messages {

using window::ControlKind;
using window::EventKind;

namespace {

bool takes_input(ControlKind kind) {
    switch (kind) {
    case ControlKind::entry:
    case ControlKind::text:
    case ControlKind::button:
    case ControlKind::check:
    case ControlKind::list:
    case ControlKind::spin:
    case ControlKind::rich_text:
        return true;
    default:
        return false;
    }
}

} // namespace

void StandardEvents::first_display() {
    initialised_ = true;
    window_.display();
    const window::WindowState state = window_.core()->snapshot();
    for (const window::ControlState& c : state.controls) {
        if (c.def != nullptr && takes_input(c.def->kind) && c.visible && c.enabled) {
            window_.select(c.number);
            return;
        }
    }
}

bool StandardEvents::handle(const window::Event& event) {
    switch (event.kind) {
    case EventKind::rejected:
        window::beep();
        window_.display(event.control);
        window_.select(event.control);
        return true;
    case EventKind::opened:
        if (!initialised_) {
            first_display();
        }
        return true;
    case EventKind::gained_focus:
        if (!initialised_) {
            first_display();
        } else {
            window_.display();
        }
        return true;
    case EventKind::resized:
        window_.post_user(window::refresh_event);
        return true;
    case EventKind::user:
        if (event.user_code != window::refresh_event) {
            return false;
        }
        window_.display();
        return true;
    default:
        return false;
    }
}

} // namespace zorozo::messages
