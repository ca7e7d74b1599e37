#include "platform/window/key.h"

#include "platform/text.h"

#include <array>
#include <utility>

namespace zorozo::window {
namespace {

constexpr std::array<std::pair<Key, const char*>, 26> names{{
    {Key::f1, "F1"},          {Key::f2, "F2"},
    {Key::f3, "F3"},          {Key::f4, "F4"},
    {Key::f5, "F5"},          {Key::f6, "F6"},
    {Key::f7, "F7"},          {Key::f8, "F8"},
    {Key::f9, "F9"},          {Key::f10, "F10"},
    {Key::f11, "F11"},        {Key::f12, "F12"},
    {Key::esc, "Esc"},        {Key::enter, "Enter"},
    {Key::tab, "Tab"},        {Key::del, "Del"},
    {Key::ins, "Ins"},        {Key::home, "Home"},
    {Key::end, "End"},        {Key::page_up, "PgUp"},
    {Key::page_down, "PgDn"}, {Key::up, "Up"},
    {Key::down, "Down"},      {Key::left, "Left"},
    {Key::right, "Right"},    {Key::mouse_right, "MouseRight"},
}};

} // namespace

std::string key_name(Key key) {
    for (const auto& [k, name] : names) {
        if (k == key) {
            return name;
        }
    }
    return {};
}

std::optional<Key> parse_key(std::string_view name) {
    for (const auto& [k, n] : names) {
        if (text::same_ignoring_case(n, name)) {
            return k;
        }
    }
    return std::nullopt;
}

} // namespace zorozo::window
