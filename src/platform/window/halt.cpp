#include "platform/window/halt.h"

#include "platform/text.h"
#include "platform/window/backend.h"
#include "platform/window/dialogs.h"
#include "platform/window/procedure_context.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace zorozo::window {

void halt(int code, std::string_view final_text) {
    if (!text::is_blank(final_text)) {
        message(final_text, {}, Icon::none, button::ok);
    }
    detail::mark_halted(code, final_text);
    if (auto b = backend()) {
        b->end_program(code, final_text);
    }
    exit_process(code);
}

void exit_process(int code) {
    static std::atomic<bool> ending{false};
    if (ending.exchange(true)) {
        // Another thread is ending the process; it will take this one with it.
        for (;;) {
            std::this_thread::sleep_for(std::chrono::hours(1));
        }
    }
    std::fflush(nullptr);
    std::quick_exit(code);
}

} // namespace zorozo::window
