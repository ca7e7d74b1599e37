#pragma once
// Keys a window definition can name and a user can press. Any thread.

#include <optional>
#include <string>
#include <string_view>

namespace zorozo::window {

enum class Key {
    none,
    f1,
    f2,
    f3,
    f4,
    f5,
    f6,
    f7,
    f8,
    f9,
    f10,
    f11,
    f12,
    esc,
    enter,
    tab,
    del,
    ins,
    home,
    end,
    page_up,
    page_down,
    up,
    down,
    left,
    right,
    mouse_right, // the right mouse button, reported as a key code by some events
};

// "F5", "Esc", "Enter" ... (the names the player's scripts use).
std::string key_name(Key key);
// The key for a name, compared without regard to case; nullopt for an unknown name.
std::optional<Key> parse_key(std::string_view name);

} // namespace zorozo::window
