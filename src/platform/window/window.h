#pragma once
// A window owned by its procedure. Every call below is made on the procedure
// thread that created the Window; each change updates the window's state under
// its mutex and notifies the backend, which redraws from a snapshot on its own
// thread. Only next() blocks.
//
//     Window w(definition());
//     if (!w.open()) return;
//     while (auto e = w.next()) {
//         if (e->kind == EventKind::accepted && e->control == spremi) ...
//     }
//
// next() returns nullopt once the window has closed: after close(), or on the
// call after a close_window / close_down event was handed out (unless the
// procedure called cancel_close() in between). The destructor closes an open
// window.

#include "platform/window/column_format.h"
#include "platform/window/definition.h"
#include "platform/window/event.h"
#include "platform/window/list_rows.h"
#include "platform/window/window_core.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::window {

class Window;

// Access to one list control of a window; procedure thread only, valid while the
// Window lives.
class ListRef {
public:
    // Publishes a new snapshot of the rows; the backend redraws from it.
    void set_rows(ListRows rows);
    void set_rows(ListRowsPtr rows);
    ListRowsPtr rows() const;
    int row_count() const;

    std::string format() const;
    // Replaces the column-format text; false (and nothing changes) when it does
    // not parse.
    [[nodiscard]] bool set_format(std::string_view text);
    int column_count() const;
    ColumnSpec column(int c) const; // 1-based; default properties for a missing column
    int field(int c) const;         // display-list field shown by column c
    std::string header(int c) const;
    std::string picture(int c) const;
    int width(int c) const;
    void set_width(int c, int width);

    int current_row() const;
    void set_current_row(int row);
    int current_column() const;
    void set_current_column(int column);
    void set_icons(std::vector<std::string> icons);

private:
    friend class Window;
    ListRef(Window& w, int control) : window_(&w), control_(control) {}
    Window* window_;
    int control_;
};

class Window {
public:
    explicit Window(WindowDef def);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Opens the window: it becomes its thread's newest window (older ones take
    // no input until it closes) and the first event is `opened`. False when it is
    // already open or no backend is installed.
    [[nodiscard]] bool open();
    void close();
    bool is_open() const;

    std::optional<Event> next();
    void cancel_close();

    // Posts an event to this window's own queue (user events, close_window).
    void post(EventKind kind, int control = 0);
    void post_user(int code);

    std::string caption() const;
    void set_caption(std::string_view caption);
    Rect rect() const; // normal placement, dialog units
    void set_position(int x, int y);
    void set_size(int width, int height);
    bool maximized() const;
    void set_maximized(bool on);
    bool minimized() const;
    void set_minimized(bool on);
    bool resizable() const;
    int timer() const;
    void set_timer(int hundredths);
    void set_status(int field, std::string_view text); // field 1-based

    // Controls are n > 0, menu entries n < 0 (text, enable and disable apply to
    // both). Unknown numbers are ignored (reads give empty values).
    int find(std::string_view use_or_text) const;
    int control_count() const;
    std::string text(int n) const;
    void set_text(int n, std::string_view text);
    std::int32_t value(int n) const;
    void set_value(int n, std::int32_t value);
    Color font_colour(int n) const;
    void set_font_colour(int n, Color c);
    Color background(int n) const;
    void set_background(int n, Color c);
    void hide(int n);
    void unhide(int n);
    bool visible(int n) const;
    void enable(int n);
    void disable(int n);
    bool enabled(int n) const;
    void select(int n);
    int focus() const;
    Rect control_rect(int n) const;
    void set_control_rect(int n, Rect r);

    // Pushes bound variables into their controls (n = 0: every control).
    void display(int n = 0);

    ListRef list(int n) { return ListRef(*this, n); }

    const std::shared_ptr<WindowCore>& core() const { return core_; }

private:
    friend class ListRef;
    template <class F> void change(F&& f);
    template <class F> auto read(F&& f) const;
    std::optional<Event> apply(const UserAction& a);
    void set_busy(bool busy);

    std::shared_ptr<WindowCore> core_;
    bool closing_ = false;
    std::chrono::steady_clock::time_point next_tick_{};
};

} // namespace zorozo::window
