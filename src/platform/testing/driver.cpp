#include "platform/testing/driver.h"

#include "platform/text.h"
#include "platform/window/procedure_context.h"
#include "platform/window/window_core.h"

#include <cctype>

namespace zorozo::testing {

using namespace zorozo::window;

namespace {

std::string plain(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c != '&') {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text::rtrim(out);
}

} // namespace

Driver::Driver(std::chrono::milliseconds timeout)
    : backend_(std::make_shared<HeadlessBackend>()), timeout_(timeout) {
    // A new program run: nothing may be left of an earlier one.
    wait_until_ended(timeout_);
    detail::reset_program();
    set_backend(backend_);
}

Driver::~Driver() {
    close_down_all();
    if (!wait_until_ended(timeout_)) {
        // Threads that do not end keep the backend alive through their own references.
        backend_->set_sink({});
    }
}

ProcedureId Driver::start(std::function<void()> procedure, std::string name) {
    return window::start(std::move(procedure), std::move(name));
}

bool Driver::wait() {
    return wait_until_idle(timeout_);
}
bool Driver::wait_ended() {
    return wait_until_ended(timeout_);
}

std::vector<WindowState> Driver::windows() const {
    std::vector<WindowState> out;
    for (const auto& w : backend_->windows()) {
        out.push_back(w->snapshot());
    }
    return out;
}

std::optional<WindowState> Driver::window(std::string_view caption) const {
    for (auto& w : windows()) {
        if (text::rtrim(w.caption) == text::rtrim(caption)) {
            return w;
        }
    }
    return std::nullopt;
}

std::optional<WindowState> Driver::window_of(std::string_view procedure) const {
    auto all = windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->procedure_name == procedure) {
            return *it;
        }
    }
    return std::nullopt;
}

std::optional<WindowState> Driver::active() const {
    auto all = windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->takes_input) {
            return *it;
        }
    }
    return std::nullopt;
}

std::shared_ptr<WindowCore> Driver::core(const WindowState& w) const {
    for (const auto& c : backend_->windows()) {
        if (c->id() == w.id) {
            return c;
        }
    }
    return nullptr;
}

std::optional<WindowState> Driver::refresh(const WindowState& w) const {
    auto c = core(w);
    return c ? std::optional<WindowState>(c->snapshot()) : std::nullopt;
}

int Driver::control(const WindowState& w, std::string_view name) const {
    if (name.size() > 1 && name[0] == '#') {
        return text::to_number(name.substr(1));
    }
    if (int n = w.find(name)) {
        // A prompt names the control that follows it.
        const auto* c = w.control(n);
        if (c && c->def->kind == ControlKind::prompt && c->def->use != name &&
            static_cast<std::size_t>(n) < w.controls.size()) {
            return n + 1;
        }
        return n;
    }
    const std::string wanted = plain(name);
    for (const auto& c : w.controls) {
        if (plain(c.text) == wanted && !wanted.empty()) {
            return c.number;
        }
    }
    for (const auto& m : w.menu) {
        if (plain(m.text) == wanted && !wanted.empty()) {
            return m.number;
        }
    }
    // The control right after a prompt carrying that text.
    for (const auto& c : w.controls) {
        if (c.def->kind == ControlKind::prompt && plain(c.text) == wanted &&
            static_cast<std::size_t>(c.number) < w.controls.size()) {
            return c.number + 1;
        }
    }
    return 0;
}

std::optional<ControlState> Driver::state(const WindowState& w, std::string_view name) const {
    auto now = refresh(w);
    if (!now) {
        return std::nullopt;
    }
    const auto* c = now->control(control(*now, name));
    return c ? std::optional<ControlState>(*c) : std::nullopt;
}

std::string Driver::text(const WindowState& w, std::string_view name) const {
    auto s = state(w, name);
    return s ? s->text : std::string();
}

std::vector<std::vector<Cell>> Driver::cells(const WindowState& w, std::string_view list) const {
    std::vector<std::vector<Cell>> out;
    auto s = state(w, list);
    if (!s || !s->list) {
        return out;
    }
    const auto& l = *s->list;
    for (std::size_t r = 1; r <= l.rows->size(); ++r) {
        std::vector<Cell> row;
        for (std::size_t c = 1; c <= l.format.columns.size(); ++c) {
            row.push_back(window::cell(*l.rows, l.format, r, c));
        }
        out.push_back(std::move(row));
    }
    return out;
}

bool Driver::post(const WindowState& w, UserAction action) {
    auto c = core(w);
    return c && c->post(std::move(action));
}

bool Driver::type(const WindowState& w, std::string_view name, std::string_view typed) {
    auto now = refresh(w);
    if (!now) {
        return false;
    }
    const auto* c = now->control(control(*now, name));
    if (!c || !c->visible || !c->enabled || c->read_only) {
        return false;
    }
    return post(*now, UserAction::commit(c->number, std::string(typed), c->revision));
}

bool Driver::press(const WindowState& w, std::string_view name) {
    auto now = refresh(w);
    if (!now) {
        return false;
    }
    int n = control(*now, name);
    return n != 0 && post(*now, UserAction::press(n));
}

bool Driver::check(const WindowState& w, std::string_view name, bool on) {
    auto now = refresh(w);
    int n = now ? control(*now, name) : 0;
    return n > 0 && post(*now, UserAction::check(n, on));
}

bool Driver::choose_tab(const WindowState& w, std::string_view tab) {
    auto now = refresh(w);
    if (!now) {
        return false;
    }
    const auto* t = now->control(control(*now, tab));
    if (!t || t->def->kind != ControlKind::tab) {
        return false;
    }
    int index = 0;
    for (const auto& c : now->controls) {
        if (c.parent == t->parent && c.def->kind == ControlKind::tab) {
            ++index;
            if (c.number == t->number) {
                break;
            }
        }
    }
    return post(*now, UserAction::choose(t->parent, index));
}

bool Driver::spin(const WindowState& w, std::string_view name, int value) {
    auto now = refresh(w);
    int n = now ? control(*now, name) : 0;
    return n > 0 && post(*now, UserAction::choose(n, value));
}

bool Driver::select(const WindowState& w, std::string_view list, int row, int column) {
    auto now = refresh(w);
    int n = now ? control(*now, list) : 0;
    return n > 0 && post(*now, UserAction::choose(n, row, column));
}

bool Driver::key(const WindowState& w, Key k) {
    return post(w, UserAction::press_key(k));
}

bool Driver::menu(std::string_view item) {
    auto all = windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        int n = control(*it, item);
        if (n < 0) {
            return post(*it, UserAction::press(n));
        }
    }
    return false;
}

bool Driver::close(const WindowState& w) {
    return post(w, UserAction::close_request());
}
bool Driver::tick(const WindowState& w) {
    return post(w, UserAction::timer_tick());
}

bool Driver::drag_column(const WindowState& w, std::string_view list, int column, int width) {
    auto now = refresh(w);
    int n = now ? control(*now, list) : 0;
    return n > 0 && post(*now, UserAction::width(n, column, width));
}

bool Driver::answer(std::string_view button) {
    auto m = backend_->pending_message();
    if (!m) {
        return false;
    }
    const std::string wanted = plain(button);
    for (const auto& [t, v] : m->choices()) {
        if (plain(t) == wanted) {
            return backend_->answer_message(v);
        }
    }
    if (!button.empty() && std::isdigit(static_cast<unsigned char>(button[0]))) {
        return backend_->answer_message(text::to_number(button));
    }
    return false;
}

} // namespace zorozo::testing
