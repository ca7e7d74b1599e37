#include "app/globals.h"

#include "messages/report_lines.h"

namespace zorozo::app {

void ProgramState::reset() {
    {
        std::lock_guard lock(mutex_);
        values_ = Globals{};
    }
    app_ovlasti = 0;
    messages::report_lines().clear();
}

ProgramState& program() {
    static ProgramState state;
    return state;
}

window::Binding bind_global(std::int32_t Settings::*member) {
    return window::Binding(
        [member] {
            return program().with(
                [&](Globals& g) { return text::from_number(g.settings.*member); });
        },
        [member](std::string_view v) {
            program().with([&](Globals& g) { g.settings.*member = text::to_number(v); });
        });
}

} // namespace zorozo::app
