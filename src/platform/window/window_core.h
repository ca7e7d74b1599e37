#pragma once
// The shared part of a window: its state behind a mutex, the link to its
// procedure thread's event queue, and what a backend may call.
//
// Thread rules:
//  - snapshot(), version(), id(), procedure(): any thread; never wait for the
//    procedure (they take only the window's own mutex, held for a copy).
//  - post(): any thread (the GUI thread, a test driver); queues the action for
//    the procedure thread and returns at once.
//  - Everything else is reached through Window, on the owning procedure thread.

#include "platform/window/binding.h"
#include "platform/window/user_action.h"
#include "platform/window/window_state.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zorozo::window {

namespace detail {
class ProcedureContext;
}

class WindowCore : public std::enable_shared_from_this<WindowCore> {
public:
    WindowCore(std::shared_ptr<const WindowDef> def,
               std::shared_ptr<detail::ProcedureContext> owner);

    std::uint64_t id() const { return id_; }
    ProcedureId procedure() const;
    std::uint64_t version() const;
    WindowState snapshot() const;

    // Queues a user action for the procedure. Returns false when the window is
    // closed, or when it is not the newest window of its thread and the action is
    // a command (commits and placement changes of an older window are kept and
    // applied when it runs again).
    bool post(UserAction action);

private:
    friend class Window;
    friend class detail::ProcedureContext;

    std::uint64_t id_;
    std::shared_ptr<detail::ProcedureContext> owner_;
    mutable std::mutex mutex_;
    WindowState state_;                 // guarded by mutex_
    std::vector<Binding> bindings_;     // per control; procedure thread only
    std::vector<std::string> pictures_; // per control; immutable after construction
};

} // namespace zorozo::window
