#include "platform/window/window_core.h"

#include "platform/window/backend.h"
#include "platform/window/procedure_context.h"

#include <atomic>

namespace zorozo::window {
namespace {

std::uint64_t next_window_id() {
    static std::atomic<std::uint64_t> n{0};
    return ++n;
}

void add_controls(const std::vector<ControlDef>& defs, int parent, WindowState& state,
                  std::vector<Binding>& bindings, std::vector<std::string>& pictures) {
    for (const auto& d : defs) {
        ControlState c;
        c.number = static_cast<int>(state.controls.size()) + 1;
        c.parent = parent;
        c.def = &d;
        c.text = d.text;
        c.visible = (d.flags & flag::hidden) == 0;
        c.enabled = (d.flags & flag::disabled) == 0;
        c.read_only = (d.flags & flag::read_only) != 0;
        c.font_colour = d.font.colour;
        c.background = d.background;
        c.rect = d.rect;
        if (d.kind == ControlKind::sheet) {
            c.value = 1;
        }
        if (d.kind == ControlKind::spin) {
            c.value = d.low;
        }
        if (d.kind == ControlKind::list) {
            ListState l;
            auto parsed = parse_column_format(d.format);
            if (parsed.format) {
                l.format = std::move(*parsed.format);
                l.format_text = d.format;
            }
            l.rows = std::make_shared<const ListRows>();
            l.icons = d.icons;
            c.list = std::move(l);
        }
        state.controls.push_back(std::move(c));
        bindings.push_back(d.binding);
        pictures.push_back(d.picture);
        add_controls(d.children, state.controls.back().number, state, bindings, pictures);
    }
}

void add_menu(const std::vector<MenuDef>& defs, int parent, WindowState& state) {
    for (const auto& d : defs) {
        if (d.kind == MenuKind::separator) {
            continue;
        }
        MenuState m;
        m.number = -static_cast<int>(state.menu.size()) - 1;
        m.parent = parent;
        m.def = &d;
        m.text = d.text;
        m.enabled = (d.flags & flag::disabled) == 0;
        state.menu.push_back(m);
        add_menu(d.children, m.number, state);
    }
}

bool is_command(UserAction::Kind k) {
    using K = UserAction::Kind;
    return k != K::commit && k != K::placement && k != K::maximize && k != K::minimize;
}

} // namespace

WindowCore::WindowCore(std::shared_ptr<const WindowDef> def,
                       std::shared_ptr<detail::ProcedureContext> owner)
    : id_(next_window_id()), owner_(std::move(owner)) {
    state_.id = id_;
    state_.procedure = owner_->id;
    state_.procedure_name = owner_->name;
    state_.def = def;
    state_.caption = def->caption;
    state_.rect = def->rect;
    state_.timer = def->timer;
    if (def->status_bar) {
        state_.status.resize(1);
    }
    add_controls(def->controls, 0, state_, bindings_, pictures_);
    add_menu(def->menu, 0, state_);
}

ProcedureId WindowCore::procedure() const {
    return owner_->id;
}

std::uint64_t WindowCore::version() const {
    std::lock_guard lock(mutex_);
    return state_.version;
}

WindowState WindowCore::snapshot() const {
    std::lock_guard lock(mutex_);
    return state_;
}

bool WindowCore::post(UserAction action) {
    if (action.kind == UserAction::Kind::column_width) {
        // A dragged column edge changes only the layout; it needs no event.
        bool changed = false;
        {
            std::lock_guard lock(mutex_);
            if (!state_.open || action.control < 1 ||
                static_cast<std::size_t>(action.control) > state_.controls.size()) {
                return false;
            }
            auto& c = state_.controls[action.control - 1];
            if (c.list && action.column >= 1 &&
                static_cast<std::size_t>(action.column) <= c.list->format.columns.size() &&
                action.value >= 0) {
                c.list->format.columns[action.column - 1].width = action.value;
                c.list->format_text = write_column_format(c.list->format);
                ++state_.version;
                changed = true;
            }
        }
        if (changed) {
            if (auto b = backend()) {
                b->window_changed(shared_from_this());
            }
        }
        return changed;
    }
    auto& h = detail::hub();
    std::lock_guard lock(h.mutex);
    if (h.halted || !owner_->has_window(this)) {
        return false;
    }
    bool top = owner_->top_is(this);
    if (is_command(action.kind) && !top) {
        return false;
    }
    detail::QueueItem item;
    item.window = id_;
    item.action = std::move(action);
    owner_->queue.push_back(std::move(item));
    if (top && owner_->state == detail::ThreadState::idle) {
        owner_->state = detail::ThreadState::running;
    }
    owner_->wake.notify_all();
    return true;
}

} // namespace zorozo::window
