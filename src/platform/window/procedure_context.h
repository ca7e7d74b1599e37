#pragma once
// Internal to the window services: the per-thread event queue and the registry
// of procedure threads. One process-wide mutex (hub().mutex) guards every queue,
// every thread's state and every thread's list of open windows; it is held only
// for short bookkeeping, never while a procedure runs, so one busy procedure
// never delays another. Window state has its own per-window mutex; the hub
// mutex is never taken while a window mutex is held.

#include "platform/window/event.h"
#include "platform/window/halt.h"
#include "platform/window/user_action.h"
#include "platform/window/window_state.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zorozo::window {
class WindowCore;
}

namespace zorozo::window::detail {

enum class ThreadState { running, idle, answering, ended };

struct QueueItem {
    std::uint64_t window = 0;
    bool is_event = false;
    Event event;
    UserAction action;
};

class ProcedureContext {
public:
    ProcedureId id = 0;
    std::string name;
    bool tracked = false; // started by start(); counted by wait_until_idle()
    // Guarded by hub().mutex:
    ThreadState state = ThreadState::running;
    std::deque<QueueItem> queue;
    std::vector<WindowCore*> windows; // open windows, oldest first (owned by their Window)
    std::condition_variable wake;

    bool top_is(const WindowCore* window) const {
        return !windows.empty() && windows.back() == window;
    }
    bool has_window(const WindowCore* window) const;
};

struct Hub {
    std::mutex mutex;
    std::condition_variable changed; // a thread's state changed or a thread ended
    std::vector<std::shared_ptr<ProcedureContext>> threads; // tracked, not yet ended
    std::optional<ProgramHalted> halted;                    // set once the program stops
};

// Never destroyed: detached threads may still use it while the process ends.
Hub& hub();

ProcedureId new_procedure_id();

// The calling thread's context (created on first use for threads not started by
// start()).
const std::shared_ptr<ProcedureContext>& current_context();
void set_current_context(std::shared_ptr<ProcedureContext> ctx);

// Marks the calling thread as waiting for a dialog answer (RAII).
class AnsweringScope {
public:
    AnsweringScope();
    ~AnsweringScope();
    AnsweringScope(const AnsweringScope&) = delete;
    AnsweringScope& operator=(const AnsweringScope&) = delete;
};

// Throws ProgramHalted when the program has stopped (under a backend that does
// not end the process at once); called where a procedure would wait.
void throw_if_halted();
// Records the stop and wakes every procedure so each unwinds.
void mark_halted(int code, std::string_view final_text);
// Clears the stop record for a new program run in the same process (test
// drivers); false while procedure threads still run.
bool reset_program();

} // namespace zorozo::window::detail
