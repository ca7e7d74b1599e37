#include "platform/window/window.h"

#include "platform/picture.h"
#include "platform/text.h"
#include "platform/window/backend.h"
#include "platform/window/procedure_context.h"

#include <algorithm>
#include <utility>

namespace zorozo::window {
namespace {

using Clock = std::chrono::steady_clock;

ControlState* control_at(WindowState& s, int n) {
    return n >= 1 && static_cast<std::size_t>(n) <= s.controls.size() ? &s.controls[n - 1]
                                                                      : nullptr;
}

MenuState* menu_at(WindowState& s, int n) {
    return n <= -1 && static_cast<std::size_t>(-n) <= s.menu.size() ? &s.menu[-n - 1] : nullptr;
}

// The 1-based position of tab among its sheet's tabs.
int tab_index(const WindowState& s, const ControlState& tab) {
    int i = 0;
    for (const auto& c : s.controls) {
        if (c.parent == tab.parent && c.def->kind == ControlKind::tab) {
            ++i;
            if (c.number == tab.number) {
                return i;
            }
        }
    }
    return 0;
}

// A control the user can reach: it and every parent visible and enabled, and
// every tab on the way the chosen one of its sheet.
bool reachable(const WindowState& s, int n) {
    const ControlState* c = s.control(n);
    while (c) {
        if (!c->visible || !c->enabled) {
            return false;
        }
        if (c->def->kind == ControlKind::tab) {
            const ControlState* sheet = s.control(c->parent);
            if (sheet && sheet->value != tab_index(s, *c)) {
                return false;
            }
        }
        c = s.control(c->parent);
    }
    return true;
}

bool menu_reachable(const WindowState& s, int n) {
    const MenuState* m = s.menu_entry(n);
    while (m) {
        if (!m->enabled) {
            return false;
        }
        m = s.menu_entry(m->parent);
    }
    return true;
}

std::string shown(const std::string& pic, const std::string& stored) {
    return pic.empty() ? stored : picture::format(pic, stored);
}

bool takes_text(ControlKind k) {
    return k == ControlKind::entry || k == ControlKind::text || k == ControlKind::rich_text;
}

Event make_event(EventKind kind, int control = 0) {
    Event e;
    e.kind = kind;
    e.control = control;
    return e;
}

void notify_changed(const std::shared_ptr<WindowCore>& core) {
    if (auto b = backend()) {
        b->window_changed(core);
    }
}

} // namespace

Window::Window(WindowDef def)
    : core_(std::make_shared<WindowCore>(std::make_shared<const WindowDef>(std::move(def)),
                                         detail::current_context())) {}

Window::~Window() {
    close();
}

template <class F> void Window::change(F&& f) {
    bool open = false;
    {
        std::lock_guard lock(core_->mutex_);
        f(core_->state_);
        ++core_->state_.version;
        open = core_->state_.open;
    }
    if (open) {
        notify_changed(core_);
    }
}

template <class F> auto Window::read(F&& f) const {
    std::lock_guard lock(core_->mutex_);
    return f(static_cast<const WindowState&>(core_->state_));
}

bool Window::open() {
    detail::throw_if_halted();
    auto b = backend();
    if (!b || is_open()) {
        return false;
    }
    auto& ctx = core_->owner_;
    WindowCore* previous = nullptr;
    {
        auto& h = detail::hub();
        std::lock_guard lock(h.mutex);
        if (!ctx->windows.empty()) {
            previous = ctx->windows.back();
        }
        ctx->windows.push_back(core_.get());
        detail::QueueItem item;
        item.window = core_->id();
        item.is_event = true;
        item.event = make_event(EventKind::opened);
        ctx->queue.push_back(item);
    }
    {
        std::lock_guard lock(core_->mutex_);
        core_->state_.open = true;
        core_->state_.takes_input = true;
        core_->state_.busy = true;
        ++core_->state_.version;
    }
    display();
    if (previous) {
        {
            std::lock_guard lock(previous->mutex_);
            previous->state_.takes_input = false;
            ++previous->state_.version;
        }
        b->window_changed(previous->shared_from_this());
    }
    closing_ = false;
    int period = timer();
    next_tick_ = Clock::now() + std::chrono::milliseconds(period * 10);
    b->window_opened(core_);
    return true;
}

void Window::close() {
    if (!is_open()) {
        return;
    }
    closing_ = false;
    auto& ctx = core_->owner_;
    WindowCore* newest = nullptr;
    {
        auto& h = detail::hub();
        std::lock_guard lock(h.mutex);
        std::erase(ctx->windows, core_.get());
        std::erase_if(ctx->queue,
                      [&](const detail::QueueItem& i) { return i.window == core_->id(); });
        if (!ctx->windows.empty()) {
            newest = ctx->windows.back();
        }
    }
    {
        std::lock_guard lock(core_->mutex_);
        core_->state_.open = false;
        core_->state_.takes_input = false;
        ++core_->state_.version;
    }
    auto b = backend();
    if (newest) {
        {
            std::lock_guard lock(newest->mutex_);
            newest->state_.takes_input = true;
            ++newest->state_.version;
        }
        if (b) {
            b->window_changed(newest->shared_from_this());
        }
    }
    if (b) {
        b->window_closed(core_);
    }
}

bool Window::is_open() const {
    return read([](const WindowState& s) { return s.open; });
}

void Window::cancel_close() {
    closing_ = false;
}

void Window::set_busy(bool busy) {
    bool changed = false;
    {
        std::lock_guard lock(core_->mutex_);
        if (core_->state_.busy != busy) {
            core_->state_.busy = busy;
            ++core_->state_.version;
            changed = core_->state_.open;
        }
    }
    if (changed) {
        notify_changed(core_);
    }
}

std::optional<Event> Window::next() {
    if (closing_) {
        close();
    }
    if (!is_open()) {
        return std::nullopt;
    }
    auto& h = detail::hub();
    auto& ctx = core_->owner_;
    const std::uint64_t id = core_->id();
    auto mine = [&] {
        return std::find_if(ctx->queue.begin(), ctx->queue.end(),
                            [&](const detail::QueueItem& i) { return i.window == id; });
    };
    for (;;) {
        detail::QueueItem item;
        bool tick = false;
        {
            std::unique_lock lock(h.mutex);
            auto it = mine();
            if (it == ctx->queue.end() && !h.halted) {
                lock.unlock();
                set_busy(false);
                lock.lock();
                const int period = timer();
                auto ready = [&] { return h.halted || mine() != ctx->queue.end(); };
                ctx->state = detail::ThreadState::idle;
                h.changed.notify_all();
                if (period > 0) {
                    tick = !ctx->wake.wait_until(lock, next_tick_, ready);
                } else {
                    ctx->wake.wait(lock, ready);
                }
                ctx->state = detail::ThreadState::running;
                it = mine();
            }
            if (h.halted) {
                ProgramHalted stop = *h.halted;
                lock.unlock();
                throw stop;
            }
            if (!tick) {
                item = std::move(*it);
                ctx->queue.erase(it);
            }
        }
        set_busy(true);
        std::optional<Event> e;
        if (tick) {
            auto now = Clock::now();
            next_tick_ += std::chrono::milliseconds(timer() * 10);
            if (next_tick_ <= now) {
                next_tick_ = now + std::chrono::milliseconds(timer() * 10);
            }
            e = make_event(EventKind::timer);
        } else if (item.is_event) {
            e = item.event;
        } else {
            e = apply(item.action);
        }
        if (e) {
            if (e->kind == EventKind::close_window || e->kind == EventKind::close_down) {
                closing_ = true;
            }
            return e;
        }
    }
}

std::optional<Event> Window::apply(const UserAction& a) {
    using K = UserAction::Kind;
    std::optional<Event> out;
    auto& s = core_->state_;
    std::unique_lock lock(core_->mutex_);
    bool changed = false;
    switch (a.kind) {
    case K::commit: {
        ControlState* c = control_at(s, a.control);
        if (!c || c->read_only || !reachable(s, a.control) || !takes_text(c->def->kind)) {
            break;
        }
        if (a.revision != c->revision) {
            // The procedure changed the control after the backend showed it: its value wins.
            ++c->revision;
            changed = true;
            break;
        }
        const Binding& bind = core_->bindings_[a.control - 1];
        const std::string& pic = core_->pictures_[a.control - 1];
        if (!bind.bound()) {
            c->text = a.text;
            changed = true;
            out = make_event(EventKind::accepted, a.control);
            break;
        }
        auto stored =
            pic.empty() ? std::optional<std::string>(a.text) : picture::parse(pic, a.text);
        if (!stored) {
            c->text = a.text;
            changed = true;
            out = make_event(EventKind::rejected, a.control);
            break;
        }
        // The variable is written on this thread, outside the window's lock.
        lock.unlock();
        bind.set(*stored);
        std::string now = shown(pic, bind.get());
        lock.lock();
        c->text = now;
        ++c->revision;
        changed = true;
        out = make_event(EventKind::accepted, a.control);
        break;
    }
    case K::press: {
        if (a.control < 0) {
            if (menu_reachable(s, a.control)) {
                out = make_event(EventKind::accepted, a.control);
            }
            break;
        }
        ControlState* c = control_at(s, a.control);
        if (!c || !reachable(s, a.control)) {
            break;
        }
        if (c->def->kind == ControlKind::check) {
            lock.unlock();
            return apply(UserAction::check(a.control, c->value == 0));
        }
        out = make_event(EventKind::accepted, a.control);
        break;
    }
    case K::check: {
        ControlState* c = control_at(s, a.control);
        if (!c || c->def->kind != ControlKind::check || !reachable(s, a.control)) {
            break;
        }
        c->value = a.value ? 1 : 0;
        ++c->revision;
        changed = true;
        const Binding& bind = core_->bindings_[a.control - 1];
        lock.unlock();
        bind.set(a.value ? "1" : "0");
        lock.lock();
        out = make_event(EventKind::accepted, a.control);
        break;
    }
    case K::choose: {
        ControlState* c = control_at(s, a.control);
        if (!c || !reachable(s, a.control)) {
            break;
        }
        const auto kind = c->def->kind;
        if (kind == ControlKind::sheet) {
            int tabs = 0;
            for (const auto& t : s.controls) {
                tabs += (t.parent == c->number && t.def->kind == ControlKind::tab) ? 1 : 0;
            }
            if (a.value < 1 || a.value > tabs) {
                break;
            }
            c->value = a.value;
        } else if (kind == ControlKind::spin) {
            const auto& d = *c->def;
            std::int32_t v = d.high > d.low ? std::clamp(a.value, d.low, d.high) : a.value;
            c->value = v;
            c->text = text::from_number(v);
            const Binding& bind = core_->bindings_[a.control - 1];
            lock.unlock();
            bind.set(text::from_number(v));
            lock.lock();
        } else if (kind == ControlKind::list) {
            const int rows = static_cast<int>(c->list->rows->size());
            if (a.value < 0 || a.value > rows) {
                break;
            }
            c->list->current_row = a.value;
            const int cols = static_cast<int>(c->list->format.columns.size());
            if (a.column >= 1 && a.column <= cols) {
                c->list->current_column = a.column;
            }
        } else {
            break;
        }
        ++c->revision;
        changed = true;
        out = make_event(EventKind::new_selection, a.control);
        break;
    }
    case K::key: {
        for (const auto& c : s.controls) {
            if (c.def->key == a.key && a.key != Key::none && reachable(s, c.number)) {
                Event e = make_event(EventKind::accepted, c.number);
                e.key = a.key;
                out = e;
                break;
            }
        }
        if (!out) {
            for (const auto& m : s.menu) {
                if (m.def->key == a.key && a.key != Key::none && menu_reachable(s, m.number)) {
                    Event e = make_event(EventKind::accepted, m.number);
                    e.key = a.key;
                    out = e;
                    break;
                }
            }
        }
        if (!out) {
            const auto& keys = s.def->alert_keys;
            if (std::find(keys.begin(), keys.end(), a.key) != keys.end()) {
                Event e = make_event(EventKind::alert_key);
                e.key = a.key;
                out = e;
            }
        }
        break;
    }
    case K::close:
        out = make_event(EventKind::close_window);
        break;
    case K::focus:
        out = make_event(EventKind::gained_focus);
        break;
    case K::placement:
        s.rect = a.rect;
        changed = true;
        if (a.value) {
            out = make_event(EventKind::resized);
        }
        break;
    case K::maximize:
        if (s.maximized != (a.value != 0)) {
            s.maximized = a.value != 0;
            changed = true;
            out = make_event(EventKind::resized);
        }
        break;
    case K::minimize:
        s.minimized = a.value != 0;
        changed = true;
        break;
    case K::tick:
        out = make_event(EventKind::timer);
        break;
    case K::column_width:
        break; // applied by WindowCore::post()
    }
    bool open = s.open;
    if (changed) {
        ++s.version;
    }
    lock.unlock();
    if (changed && open) {
        notify_changed(core_);
    }
    return out;
}

void Window::post(EventKind kind, int control) {
    Event e = make_event(kind, control);
    auto& h = detail::hub();
    std::lock_guard lock(h.mutex);
    auto& ctx = core_->owner_;
    if (!ctx->has_window(core_.get())) {
        return;
    }
    detail::QueueItem item;
    item.window = core_->id();
    item.is_event = true;
    item.event = e;
    ctx->queue.push_back(item);
    ctx->wake.notify_all();
}

void Window::post_user(int code) {
    auto& h = detail::hub();
    std::lock_guard lock(h.mutex);
    auto& ctx = core_->owner_;
    if (!ctx->has_window(core_.get())) {
        return;
    }
    detail::QueueItem item;
    item.window = core_->id();
    item.is_event = true;
    item.event = make_event(EventKind::user);
    item.event.user_code = code;
    ctx->queue.push_back(item);
    ctx->wake.notify_all();
}

std::string Window::caption() const {
    return read([](const WindowState& s) { return s.caption; });
}
void Window::set_caption(std::string_view caption) {
    change([&](WindowState& s) { s.caption = std::string(caption); });
}
Rect Window::rect() const {
    return read([](const WindowState& s) { return s.rect; });
}
void Window::set_position(int x, int y) {
    change([&](WindowState& s) {
        s.rect.x = x;
        s.rect.y = y;
    });
}
void Window::set_size(int width, int height) {
    change([&](WindowState& s) {
        s.rect.width = width;
        s.rect.height = height;
    });
}
bool Window::maximized() const {
    return read([](const WindowState& s) { return s.maximized; });
}
void Window::set_maximized(bool on) {
    change([&](WindowState& s) { s.maximized = on; });
}
bool Window::minimized() const {
    return read([](const WindowState& s) { return s.minimized; });
}
void Window::set_minimized(bool on) {
    change([&](WindowState& s) { s.minimized = on; });
}
bool Window::resizable() const {
    return read([](const WindowState& s) { return s.def->resizable; });
}
int Window::timer() const {
    return read([](const WindowState& s) { return s.timer; });
}
void Window::set_timer(int hundredths) {
    change([&](WindowState& s) { s.timer = std::max(0, hundredths); });
    next_tick_ = Clock::now() + std::chrono::milliseconds(std::max(0, hundredths) * 10);
}
void Window::set_status(int field, std::string_view text) {
    if (field < 1) {
        return;
    }
    change([&](WindowState& s) {
        if (s.status.size() < static_cast<std::size_t>(field)) {
            s.status.resize(field);
        }
        s.status[field - 1] = std::string(text);
    });
}

int Window::find(std::string_view use_or_text) const {
    return read([&](const WindowState& s) { return s.find(use_or_text); });
}
int Window::control_count() const {
    return read([](const WindowState& s) { return static_cast<int>(s.controls.size()); });
}

std::string Window::text(int n) const {
    return read([&](const WindowState& s) {
        if (const auto* m = s.menu_entry(n)) {
            return m->text;
        }
        const auto* c = s.control(n);
        return c ? c->text : std::string();
    });
}
void Window::set_text(int n, std::string_view text) {
    change([&](WindowState& s) {
        if (auto* m = menu_at(s, n)) {
            m->text = std::string(text);
        } else if (auto* c = control_at(s, n); c && c->text != text) {
            c->text = std::string(text);
            ++c->revision;
        }
    });
}
std::int32_t Window::value(int n) const {
    return read([&](const WindowState& s) {
        const auto* c = s.control(n);
        return c ? c->value : 0;
    });
}
void Window::set_value(int n, std::int32_t value) {
    change([&](WindowState& s) {
        if (auto* c = control_at(s, n); c && c->value != value) {
            c->value = value;
            if (c->def->kind == ControlKind::spin) {
                c->text = text::from_number(value);
            }
            ++c->revision;
        }
    });
}
Color Window::font_colour(int n) const {
    return read([&](const WindowState& s) {
        const auto* c = s.control(n);
        return c ? c->font_colour : default_color;
    });
}
void Window::set_font_colour(int n, Color c) {
    change([&](WindowState& s) {
        if (auto* ctl = control_at(s, n)) {
            ctl->font_colour = c;
        }
    });
}
Color Window::background(int n) const {
    return read([&](const WindowState& s) {
        const auto* c = s.control(n);
        return c ? c->background : default_color;
    });
}
void Window::set_background(int n, Color c) {
    change([&](WindowState& s) {
        if (auto* ctl = control_at(s, n)) {
            ctl->background = c;
        }
    });
}
void Window::hide(int n) {
    change([&](WindowState& s) {
        if (auto* c = control_at(s, n)) {
            c->visible = false;
        }
    });
}
void Window::unhide(int n) {
    change([&](WindowState& s) {
        if (auto* c = control_at(s, n)) {
            c->visible = true;
        }
    });
}
bool Window::visible(int n) const {
    return read([&](const WindowState& s) {
        const auto* c = s.control(n);
        return c && c->visible;
    });
}
void Window::enable(int n) {
    change([&](WindowState& s) {
        if (auto* m = menu_at(s, n)) {
            m->enabled = true;
        } else if (auto* c = control_at(s, n)) {
            c->enabled = true;
        }
    });
}
void Window::disable(int n) {
    change([&](WindowState& s) {
        if (auto* m = menu_at(s, n)) {
            m->enabled = false;
        } else if (auto* c = control_at(s, n)) {
            c->enabled = false;
        }
    });
}
bool Window::enabled(int n) const {
    return read([&](const WindowState& s) {
        if (const auto* m = s.menu_entry(n)) {
            return m->enabled;
        }
        const auto* c = s.control(n);
        return c && c->enabled;
    });
}
void Window::select(int n) {
    change([&](WindowState& s) {
        auto* c = control_at(s, n);
        if (!c) {
            return;
        }
        if (c->def->kind == ControlKind::tab) {
            if (auto* sheet = control_at(s, c->parent)) {
                sheet->value = tab_index(s, *c);
                ++sheet->revision;
            }
        }
        s.focus = n;
    });
}
int Window::focus() const {
    return read([](const WindowState& s) { return s.focus; });
}
Rect Window::control_rect(int n) const {
    return read([&](const WindowState& s) {
        const auto* c = s.control(n);
        return c ? c->rect : Rect{};
    });
}
void Window::set_control_rect(int n, Rect r) {
    change([&](WindowState& s) {
        if (auto* c = control_at(s, n)) {
            c->rect = r;
        }
    });
}

void Window::display(int n) {
    const int count = control_count();
    const int first = n == 0 ? 1 : n;
    const int last = n == 0 ? count : std::min(n, count);
    for (int i = first; i <= last; ++i) {
        const Binding& bind = core_->bindings_[i - 1];
        if (!bind.bound()) {
            continue;
        }
        std::string stored = bind.get(); // read on this thread, outside the lock
        change([&](WindowState& s) {
            auto& c = s.controls[i - 1];
            switch (c.def->kind) {
            case ControlKind::check:
            case ControlKind::spin: {
                std::int32_t v = text::to_number(stored);
                if (c.def->kind == ControlKind::check) {
                    v = v != 0 ? 1 : 0;
                }
                if (c.value != v) {
                    c.value = v;
                    c.text = c.def->kind == ControlKind::spin ? text::from_number(v) : c.text;
                    ++c.revision;
                }
                break;
            }
            default: {
                std::string t = shown(core_->pictures_[i - 1], stored);
                if (c.text != t) {
                    c.text = std::move(t);
                    ++c.revision;
                }
            }
            }
        });
    }
}

// ---- lists ----

namespace {
ListState* list_at(WindowState& s, int n) {
    auto* c = control_at(s, n);
    return c && c->list ? &*c->list : nullptr;
}
const ListState* list_at(const WindowState& s, int n) {
    const auto* c = s.control(n);
    return c && c->list ? &*c->list : nullptr;
}
} // namespace

void ListRef::set_rows(ListRows rows) {
    set_rows(std::make_shared<const ListRows>(std::move(rows)));
}

void ListRef::set_rows(ListRowsPtr rows) {
    if (!rows) {
        rows = std::make_shared<const ListRows>();
    }
    ListRowsPtr old; // released after the lock: freeing a large snapshot takes time
    window_->change([&](WindowState& s) {
        if (auto* l = list_at(s, control_)) {
            old = std::exchange(l->rows, std::move(rows));
            ++l->rows_version;
            l->current_row = std::min<int>(l->current_row, static_cast<int>(l->rows->size()));
        }
    });
}

ListRowsPtr ListRef::rows() const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        return l ? l->rows : std::make_shared<const ListRows>();
    });
}

int ListRef::row_count() const {
    return static_cast<int>(rows()->size());
}

std::string ListRef::format() const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        return l ? l->format_text : std::string();
    });
}

bool ListRef::set_format(std::string_view text) {
    auto parsed = parse_column_format(text);
    if (!parsed.format) {
        return false;
    }
    bool found = false;
    window_->change([&](WindowState& s) {
        if (auto* l = list_at(s, control_)) {
            l->format = std::move(*parsed.format);
            l->format_text = std::string(text);
            found = true;
        }
    });
    return found;
}

int ListRef::column_count() const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        return l ? static_cast<int>(l->format.columns.size()) : 0;
    });
}

ColumnSpec ListRef::column(int c) const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        if (!l || c < 1 || static_cast<std::size_t>(c) > l->format.columns.size()) {
            return ColumnSpec{};
        }
        return l->format.columns[c - 1];
    });
}

int ListRef::field(int c) const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        return l ? l->format.field_of(c) : 0;
    });
}

std::string ListRef::header(int c) const {
    return column(c).header;
}
std::string ListRef::picture(int c) const {
    return column(c).picture;
}
int ListRef::width(int c) const {
    return column(c).width;
}

void ListRef::set_width(int c, int width) {
    window_->change([&](WindowState& s) {
        auto* l = list_at(s, control_);
        if (l && c >= 1 && static_cast<std::size_t>(c) <= l->format.columns.size()) {
            l->format.columns[c - 1].width = std::max(0, width);
            l->format_text = write_column_format(l->format);
        }
    });
}

int ListRef::current_row() const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        return l ? l->current_row : 0;
    });
}

void ListRef::set_current_row(int row) {
    window_->change([&](WindowState& s) {
        if (auto* l = list_at(s, control_)) {
            l->current_row = std::clamp(row, 0, static_cast<int>(l->rows->size()));
        }
    });
}

int ListRef::current_column() const {
    return window_->read([&](const WindowState& s) {
        const auto* l = list_at(s, control_);
        return l ? l->current_column : 0;
    });
}

void ListRef::set_current_column(int column) {
    window_->change([&](WindowState& s) {
        if (auto* l = list_at(s, control_)) {
            l->current_column = std::clamp(column, 0, static_cast<int>(l->format.columns.size()));
        }
    });
}

void ListRef::set_icons(std::vector<std::string> icons) {
    window_->change([&](WindowState& s) {
        if (auto* l = list_at(s, control_)) {
            l->icons = std::move(icons);
        }
    });
}

} // namespace zorozo::window
