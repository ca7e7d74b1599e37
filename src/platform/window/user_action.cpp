#include "platform/window/user_action.h"

namespace zorozo::window {

UserAction UserAction::commit(int control, std::string text, std::uint64_t revision) {
    UserAction a;
    a.kind = Kind::commit;
    a.control = control;
    a.text = std::move(text);
    a.revision = revision;
    return a;
}

UserAction UserAction::press(int control) {
    UserAction a;
    a.kind = Kind::press;
    a.control = control;
    return a;
}

UserAction UserAction::check(int control, bool on) {
    UserAction a;
    a.kind = Kind::check;
    a.control = control;
    a.value = on ? 1 : 0;
    return a;
}

UserAction UserAction::choose(int control, std::int32_t value, std::int32_t column) {
    UserAction a;
    a.kind = Kind::choose;
    a.control = control;
    a.value = value;
    a.column = column;
    return a;
}

UserAction UserAction::press_key(Key key) {
    UserAction a;
    a.kind = Kind::key;
    a.key = key;
    return a;
}

UserAction UserAction::close_request() {
    UserAction a;
    a.kind = Kind::close;
    return a;
}

UserAction UserAction::focus_gained() {
    UserAction a;
    a.kind = Kind::focus;
    return a;
}

UserAction UserAction::placed(Rect rect, bool resized) {
    UserAction a;
    a.kind = Kind::placement;
    a.rect = rect;
    a.value = resized ? 1 : 0;
    return a;
}

UserAction UserAction::set_maximized(bool on) {
    UserAction a;
    a.kind = Kind::maximize;
    a.value = on ? 1 : 0;
    return a;
}

UserAction UserAction::set_minimized(bool on) {
    UserAction a;
    a.kind = Kind::minimize;
    a.value = on ? 1 : 0;
    return a;
}

UserAction UserAction::width(int control, std::int32_t column, std::int32_t width) {
    UserAction a;
    a.kind = Kind::column_width;
    a.control = control;
    a.column = column;
    a.value = width;
    return a;
}

UserAction UserAction::timer_tick() {
    UserAction a;
    a.kind = Kind::tick;
    return a;
}

} // namespace zorozo::window
