#pragma once
// The tests' way to play the user. Creating a Driver installs a fresh headless
// backend for a new program run; destroying it closes the program down (every
// window gets close_down, pending dialogs are cancelled) and waits for the
// procedure threads to end.
//
// Any thread except a procedure thread. Actions post input and return at once;
// wait() blocks until every procedure is idle again (or the timeout passes,
// which it reports as false — never a sleep). Windows are passed as snapshots;
// actions always act on the window's current state.

#include "platform/testing/headless_backend.h"
#include "platform/window/list_rows.h"
#include "platform/window/procedure.h"
#include "platform/window/window_state.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::testing {

class Driver {
public:
    explicit Driver(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    HeadlessBackend& backend() { return *backend_; }
    window::ProcedureId start(std::function<void()> procedure, std::string name);
    [[nodiscard]] bool wait();
    [[nodiscard]] bool wait_ended();

    // Open windows, oldest first (fresh snapshots).
    std::vector<window::WindowState> windows() const;
    std::optional<window::WindowState> window(std::string_view caption) const;
    std::optional<window::WindowState> window_of(std::string_view procedure) const;
    // The newest open window that takes input.
    std::optional<window::WindowState> active() const;
    std::optional<window::WindowState> refresh(const window::WindowState& w) const;

    // A control by its use name ("?MY:HOST"), its text ("Spremi"), the prompt
    // that precedes it ("host:"), or "#n"; menu entries by their text too. 0 = none.
    int control(const window::WindowState& w, std::string_view name) const;
    std::string text(const window::WindowState& w, std::string_view control) const;
    std::optional<window::ControlState> state(const window::WindowState& w,
                                              std::string_view control) const;
    // A list's formatted cells, rows first.
    std::vector<std::vector<window::Cell>> cells(const window::WindowState& w,
                                                 std::string_view list) const;

    // Actions; false when the window or control is not there or refuses input.
    bool type(const window::WindowState& w, std::string_view control, std::string_view text);
    bool press(const window::WindowState& w, std::string_view control);
    bool check(const window::WindowState& w, std::string_view control, bool on);
    bool choose_tab(const window::WindowState& w, std::string_view tab);
    bool spin(const window::WindowState& w, std::string_view control, int value);
    bool select(const window::WindowState& w, std::string_view list, int row, int column = 0);
    bool key(const window::WindowState& w, window::Key key);
    bool menu(std::string_view item); // in any open window with a menu
    bool close(const window::WindowState& w);
    bool tick(const window::WindowState& w);
    bool drag_column(const window::WindowState& w, std::string_view list, int column, int width);
    bool post(const window::WindowState& w, window::UserAction action);

    std::optional<window::MessageRequest> message() const { return backend_->pending_message(); }
    // Presses the button of the open message box whose text is button ('&' and
    // case ignored), or a number.
    bool answer(std::string_view button);
    bool answer_file(std::optional<std::string> path) {
        return backend_->answer_file(std::move(path));
    }
    bool answer_printer(bool ok) { return backend_->answer_printer(ok); }

    std::optional<window::ProgramHalted> halted() const { return backend_->halted(); }
    std::vector<std::string> failures() const { return backend_->failures(); }
    std::vector<std::string> transcript() const { return backend_->transcript(); }

private:
    std::shared_ptr<window::WindowCore> core(const window::WindowState& w) const;

    std::shared_ptr<HeadlessBackend> backend_;
    std::chrono::milliseconds timeout_;
};

} // namespace zorozo::testing
