#include "platform/window/window_state.h"

#include "platform/text.h"

namespace zorozo::window {
namespace {

std::string without_mnemonic(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c != '&') {
            out += c;
        }
    }
    return out;
}

} // namespace

const ControlState* WindowState::control(int n) const {
    return n >= 1 && static_cast<std::size_t>(n) <= controls.size() ? &controls[n - 1] : nullptr;
}

const MenuState* WindowState::menu_entry(int n) const {
    return n <= -1 && static_cast<std::size_t>(-n) <= menu.size() ? &menu[-n - 1] : nullptr;
}

int WindowState::find(std::string_view name) const {
    if (name.empty()) {
        return 0;
    }
    for (const auto& c : controls) {
        if (c.def && !c.def->use.empty() && text::same_ignoring_case(c.def->use, name)) {
            return c.number;
        }
    }
    for (const auto& m : menu) {
        if (m.def && !m.def->use.empty() && text::same_ignoring_case(m.def->use, name)) {
            return m.number;
        }
    }
    for (const auto& c : controls) {
        if (without_mnemonic(c.text) == name) {
            return c.number;
        }
    }
    for (const auto& m : menu) {
        if (without_mnemonic(m.text) == name) {
            return m.number;
        }
    }
    return 0;
}

} // namespace zorozo::window
