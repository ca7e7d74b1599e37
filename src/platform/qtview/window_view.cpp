#include "platform/qtview/window_view.h"

#include "platform/qtview/fonts.h"
#include "platform/qtview/key_map.h"
#include "platform/qtview/list_model.h"
#include "platform/qtview/list_view.h"
#include "platform/qtview/resources.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabBar>
#include <QTextEdit>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cstdlib>
#include <set>

namespace zorozo::qtview {

using window::ControlKind;
using window::ControlState;
using window::UserAction;
namespace flag = window::flag;

struct WindowView::Slot {
    int number = 0;
    ControlKind kind = ControlKind::prompt;
    QWidget* widget = nullptr;
    QTabBar* tabs = nullptr;    // a sheet's tab bar
    int tab_index = 0;          // a tab: its 1-based place on its sheet
    std::uint64_t revision = 0; // the revision last written into the widget
    bool grows = false;         // follows the window's size (lists, texts, their groups)
};

namespace {

QString plain(const std::string& s) {
    return QString::fromStdString(s).remove('&').trimmed();
}

QString tooltip_text(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) {
        out << QString::fromStdString(l);
    }
    return out.join('\n');
}

bool grows_kind(ControlKind k) {
    return k == ControlKind::list || k == ControlKind::text || k == ControlKind::rich_text;
}

void set_colour(QWidget* w, QPalette::ColorRole role, window::Color c) {
    QPalette p = w->palette();
    p.setColor(role, to_qcolor(c));
    w->setPalette(p);
}

} // namespace

WindowView::WindowView(std::shared_ptr<window::WindowCore> core, const window::WindowState& first,
                       QWidget* parent)
    : QWidget(parent), core_(std::move(core)), state_(first),
      font_(qtview::window_font(first.def->font)), units_(font_) {
    setFont(font_);
    setObjectName(QString("window_%1").arg(first.id));
    if (first.def->background != window::default_color) {
        setAutoFillBackground(true);
        set_colour(this, QPalette::Window, first.def->background);
    }
    if (!first.def->image.empty() && !first.def->frame) {
        background_ = resource_pixmap(first.def->image);
    }
    applying_ = true; // signals the widgets give while they are built are not the user's
    build();
    applying_ = false;
    state_.version = 0; // draw the first snapshot in full
    apply(first);
}

WindowView::~WindowView() = default;

void WindowView::build() {
    const auto& controls = state_.controls;
    slots_.resize(controls.size());
    for (const auto& c : controls) {
        auto slot = std::make_unique<Slot>();
        slot->number = c.number;
        slot->kind = c.def->kind;
        const auto& d = *c.def;
        const int n = c.number;
        QWidget* w = nullptr;
        switch (d.kind) {
        case ControlKind::prompt:
        case ControlKind::string: {
            auto* l = new QLabel(this);
            l->setTextFormat(Qt::PlainText);
            if (d.flags & flag::right) {
                l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else if (d.flags & flag::centred) {
                l->setAlignment(Qt::AlignCenter);
            }
            w = l;
            break;
        }
        case ControlKind::entry: {
            auto* e = new QLineEdit(this);
            if (d.flags & flag::password) {
                e->setEchoMode(QLineEdit::Password);
            }
            if (d.flags & flag::right) {
                e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            connect(e, &QLineEdit::editingFinished, this, [this] { commit_edits(); });
            w = e;
            break;
        }
        case ControlKind::text: {
            auto* t = new QPlainTextEdit(this);
            t->setVerticalScrollBarPolicy((d.flags & flag::vscroll) ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAsNeeded);
            t->setHorizontalScrollBarPolicy((d.flags & flag::hscroll) ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAlwaysOff);
            t->setLineWrapMode((d.flags & flag::hscroll) ? QPlainTextEdit::NoWrap
                                                         : QPlainTextEdit::WidgetWidth);
            t->installEventFilter(this);
            w = t;
            break;
        }
        case ControlKind::rich_text: {
            auto* t = new QTextEdit(this);
            t->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            t->installEventFilter(this);
            w = t;
            break;
        }
        case ControlKind::button: {
            auto* b = new QPushButton(this);
            b->setFlat((d.flags & flag::flat) != 0);
            b->setAutoDefault(false);
            if (!d.icon.empty()) {
                b->setIcon(resource_icon(d.icon));
            }
            connect(b, &QPushButton::clicked, this, [this, n] { command(UserAction::press(n)); });
            w = b;
            break;
        }
        case ControlKind::check: {
            auto* b = new QCheckBox(this);
            connect(b, &QCheckBox::clicked, this,
                    [this, n](bool on) { command(UserAction::check(n, on)); });
            w = b;
            break;
        }
        case ControlKind::image: {
            auto* l = new QLabel(this);
            l->setPixmap(resource_pixmap(d.image.empty() ? d.icon : d.image));
            l->setScaledContents(true);
            w = l;
            break;
        }
        case ControlKind::line: {
            auto* f = new QFrame(this);
            f->setFrameShape(d.rect.height == 0 ? QFrame::HLine : QFrame::VLine);
            if (d.font.colour == window::default_color) {
                f->setFrameShadow(QFrame::Sunken);
            } else {
                // A coloured line is drawn flat in its colour.
                f->setFrameShadow(QFrame::Plain);
                set_colour(f, QPalette::WindowText, d.font.colour);
            }
            w = f;
            break;
        }
        case ControlKind::box: {
            auto* f = new QFrame(this);
            f->setFrameShape(QFrame::Box);
            w = f;
            break;
        }
        case ControlKind::group: {
            auto* g = new QGroupBox(this);
            g->setFlat((d.flags & flag::boxed) == 0);
            if ((d.flags & flag::boxed) == 0) {
                g->setStyleSheet("QGroupBox { border: none; }");
            }
            w = g;
            break;
        }
        case ControlKind::sheet: {
            auto* panel = new QFrame(this);
            panel->setFrameShape(QFrame::StyledPanel);
            auto* bar = new QTabBar(this);
            bar->setDrawBase(false);
            bar->setExpanding(false);
            slot->tabs = bar;
            connect(bar, &QTabBar::currentChanged, this, [this, n](int index) {
                if (!applying_ && index >= 0) {
                    command(UserAction::choose(n, index + 1));
                }
            });
            w = panel;
            break;
        }
        case ControlKind::tab: {
            auto& sheet = *slots_[static_cast<std::size_t>(c.parent) - 1];
            if (sheet.tabs) {
                slot->tab_index = sheet.tabs->addTab(QString::fromStdString(c.text)) + 1;
            }
            break;
        }
        case ControlKind::list: {
            w = new ListView(
                n, d, units_, [this](UserAction a) { post(std::move(a)); }, this);
            break;
        }
        case ControlKind::spin: {
            auto* s = new QSpinBox(this);
            s->setRange(d.low, d.high > d.low ? d.high : 1000000);
            s->setSingleStep(std::max(1, d.step));
            s->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(s, &QSpinBox::valueChanged, this, [this, n](int v) {
                if (!applying_) {
                    post(UserAction::choose(n, v));
                }
            });
            w = s;
            break;
        }
        }
        if (w) {
            w->setObjectName(d.use.empty() ? QString("control_%1").arg(n)
                                           : QString::fromStdString(d.use));
            w->setFont(control_font(font_, d.font));
            if (!d.tooltip.empty()) {
                w->setToolTip(tooltip_text(d.tooltip));
                w->setAccessibleDescription(w->toolTip());
            }
            if (d.flags & flag::skip) {
                w->setFocusPolicy(Qt::ClickFocus);
            }
        }
        slot->widget = w;
        slots_[static_cast<std::size_t>(n) - 1] = std::move(slot);
    }
    // Which controls follow the window's size: the lists (or, in a window
    // without a list, the multi-line texts), and every group, sheet and tab
    // around one. Growing both would let them run into each other.
    const bool has_list = std::any_of(controls.begin(), controls.end(), [](const auto& c) {
        return c.def->kind == ControlKind::list;
    });
    for (const auto& c : controls) {
        if (!grows_kind(c.def->kind) || (has_list && c.def->kind != ControlKind::list)) {
            continue;
        }
        slots_[static_cast<std::size_t>(c.number) - 1]->grows = true;
        for (int p = c.parent; p > 0; p = controls[static_cast<std::size_t>(p) - 1].parent) {
            slots_[static_cast<std::size_t>(p) - 1]->grows = true;
        }
    }
    // Accessible names: a prompt names the control after it; a button its text
    // or its tooltip's first line.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& d = *controls[i].def;
        QWidget* w = slots_[i]->widget;
        if (!w) {
            continue;
        }
        if (d.kind == ControlKind::prompt && i + 1 < controls.size() && slots_[i + 1]->widget) {
            static_cast<QLabel*>(w)->setBuddy(slots_[i + 1]->widget);
            slots_[i + 1]->widget->setAccessibleName(plain(d.text));
        } else if (d.kind == ControlKind::button && w->accessibleName().isEmpty()) {
            const QString name = plain(d.text);
            w->setAccessibleName(!name.isEmpty() || d.tooltip.empty()
                                     ? name
                                     : QString::fromStdString(d.tooltip.front()));
        }
    }
    // Keys: a control's key presses it, a captured key gives the alert event; both
    // travel as key presses so the procedure decides which it is.
    std::set<window::Key> keys(state_.def->alert_keys.begin(), state_.def->alert_keys.end());
    for (const auto& c : controls) {
        if (c.def->key != window::Key::none) {
            keys.insert(c.def->key);
        }
    }
    for (auto k : keys) {
        auto* s = new QShortcut(key_sequence(k), this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, [this, k] { command(UserAction::press_key(k)); });
    }
}

QWidget* WindowView::widget(int n) const {
    if (n < 1 || static_cast<std::size_t>(n) > slots_.size()) {
        return nullptr;
    }
    return slots_[static_cast<std::size_t>(n) - 1]->widget;
}

void WindowView::set_host(QWidget* host) {
    host_ = host;
    if (host_) {
        host_->installEventFilter(this);
    }
    apply_geometry();
}

void WindowView::post(UserAction action) {
    core_->post(std::move(action));
}

void WindowView::commit_edits() {
    for (auto& slot : slots_) {
        if (!slot) {
            continue;
        }
        const auto& c = state_.controls[static_cast<std::size_t>(slot->number) - 1];
        if (auto* e = qobject_cast<QLineEdit*>(slot->widget); e && e->isModified()) {
            e->setModified(false);
            post(UserAction::commit(slot->number, e->text().toStdString(), c.revision));
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(slot->widget);
                   t && t->document()->isModified()) {
            t->document()->setModified(false);
            post(UserAction::commit(slot->number, t->toPlainText().toStdString(), c.revision));
        } else if (auto* r = qobject_cast<QTextEdit*>(slot->widget);
                   r && r->document()->isModified()) {
            r->document()->setModified(false);
            post(UserAction::commit(slot->number, r->toPlainText().toStdString(), c.revision));
        }
    }
}

void WindowView::command(UserAction action) {
    commit_edits();
    post(std::move(action));
}

void WindowView::refresh() {
    apply(core_->snapshot());
}

void WindowView::set_dialog_pending(bool pending) {
    dialog_pending_ = pending;
    setEnabled(state_.takes_input && !dialog_pending_);
}

bool WindowView::shown(const ControlState& c) const {
    if (!c.visible) {
        return false;
    }
    if (c.parent == 0) {
        return true;
    }
    const auto& parent = state_.controls[static_cast<std::size_t>(c.parent) - 1];
    if (parent.def->kind == ControlKind::tab) {
        const auto& sheet = state_.controls[static_cast<std::size_t>(parent.parent) - 1];
        if (slots_[static_cast<std::size_t>(parent.number) - 1]->tab_index != sheet.value) {
            return false;
        }
    }
    return shown(parent);
}

bool WindowView::usable(const ControlState& c) const {
    if (!c.enabled) {
        return false;
    }
    return c.parent == 0 || usable(state_.controls[static_cast<std::size_t>(c.parent) - 1]);
}

void WindowView::apply(const window::WindowState& s) {
    if (s.version <= state_.version && !first_apply_) {
        return;
    }
    applying_ = true;
    state_ = s;
    for (auto& slot : slots_) {
        apply_control(*slot, state_.controls[static_cast<std::size_t>(slot->number) - 1]);
    }
    place_controls();
    setEnabled(state_.takes_input && !dialog_pending_);
    if (state_.busy) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
    if (first_apply_ && state_.focus > 0) {
        if (QWidget* w = widget(state_.focus)) {
            w->setFocus();
        }
    }
    first_apply_ = false;
    applying_ = false;
    apply_geometry();
}

void WindowView::apply_control(Slot& slot, const ControlState& c) {
    QWidget* w = slot.widget;
    if (slot.kind == ControlKind::tab) {
        auto& sheet = *slots_[static_cast<std::size_t>(c.parent) - 1];
        if (sheet.tabs) {
            sheet.tabs->setTabText(slot.tab_index - 1, QString::fromStdString(c.text));
            sheet.tabs->setTabEnabled(slot.tab_index - 1, c.enabled);
            sheet.tabs->setTabVisible(slot.tab_index - 1, c.visible);
        }
        return;
    }
    if (!w) {
        return;
    }
    const bool new_text = slot.revision != c.revision;
    slot.revision = c.revision;
    const QString text = QString::fromStdString(c.text);
    switch (slot.kind) {
    case ControlKind::prompt:
    case ControlKind::string:
        static_cast<QLabel*>(w)->setText(
            slot.kind == ControlKind::prompt
                ? QString(text).replace("&&", "\x01").remove('&').replace('\x01', '&')
                : text);
        break;
    case ControlKind::entry: {
        auto* e = static_cast<QLineEdit*>(w);
        if (new_text) {
            e->setText(text.trimmed().isEmpty() ? QString() : text);
            e->setModified(false);
        }
        e->setReadOnly(c.read_only);
        break;
    }
    case ControlKind::text: {
        auto* t = static_cast<QPlainTextEdit*>(w);
        if (new_text) {
            t->setPlainText(text);
            t->document()->setModified(false);
        }
        t->setReadOnly(c.read_only);
        break;
    }
    case ControlKind::rich_text: {
        auto* t = static_cast<QTextEdit*>(w);
        if (new_text) {
            if (Qt::mightBeRichText(text)) {
                t->setHtml(text);
            } else {
                t->setPlainText(text);
            }
            t->document()->setModified(false);
        }
        t->setReadOnly(c.read_only);
        break;
    }
    case ControlKind::button:
        static_cast<QPushButton*>(w)->setText(text.trimmed());
        break;
    case ControlKind::check: {
        auto* b = static_cast<QCheckBox*>(w);
        b->setText(text);
        b->setChecked(c.value != 0);
        break;
    }
    case ControlKind::group:
        static_cast<QGroupBox*>(w)->setTitle(text);
        break;
    case ControlKind::sheet:
        if (slot.tabs && slot.tabs->currentIndex() != c.value - 1) {
            slot.tabs->setCurrentIndex(c.value - 1);
        }
        break;
    case ControlKind::spin: {
        auto* s = static_cast<QSpinBox*>(w);
        if (new_text || s->value() != c.value) {
            s->setValue(c.value);
        }
        break;
    }
    case ControlKind::list:
        static_cast<ListView*>(w)->apply(c);
        break;
    default:
        break;
    }
    if (c.font_colour != window::default_color) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            set_colour(w, role, c.font_colour);
        }
    }
    if (c.background != window::default_color) {
        w->setAutoFillBackground(true);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            set_colour(w, role, c.background);
        }
    }
    const bool visible = shown(c);
    w->setVisible(visible);
    if (slot.tabs) {
        slot.tabs->setVisible(visible);
    }
    w->setEnabled(usable(c));
}

void WindowView::place_controls() {
    const QRect base = units_.rect(state_.def->rect);
    const int dx = base.width() > 0 ? std::max(0, width() - base.width()) : 0;
    const int dy = base.height() > 0 ? std::max(0, height() - base.height()) : 0;
    // The area that grows: the growing lists and texts as defined. A control
    // wholly below it moves down with the window's bottom edge, one wholly
    // right of it moves with the right edge, so that nothing ends up under
    // a grown list (a button below a list stays below it).
    QRect growing;
    for (const auto& slot : slots_) {
        if (slot->grows && grows_kind(slot->kind)) {
            growing |=
                units_.rect(state_.controls[static_cast<std::size_t>(slot->number) - 1].rect);
        }
    }
    for (auto& slot : slots_) {
        const auto& c = state_.controls[static_cast<std::size_t>(slot->number) - 1];
        QWidget* w = slot->widget;
        if (!w) {
            continue;
        }
        QRect r = units_.rect(c.rect);
        const QSize natural = w->sizeHint();
        if (c.rect.width == 0) {
            r.setWidth(slot->kind == ControlKind::line ? 1 : natural.width());
        }
        if (c.rect.height == 0) {
            r.setHeight(slot->kind == ControlKind::line ? 2 : natural.height());
        }
        if (slot->kind == ControlKind::line) {
            r.setWidth(std::max(r.width(), 2));
            r.setHeight(std::max(r.height(), 2));
        }
        if (slot->grows) {
            r.setWidth(r.width() + dx);
            r.setHeight(r.height() + dy);
        } else if (!growing.isNull()) {
            if (r.top() > growing.bottom()) {
                r.translate(0, dy);
            }
            if (r.left() > growing.right()) {
                r.translate(dx, 0);
            }
        }
        if (slot->tabs) {
            const int bar = slot->tabs->sizeHint().height();
            slot->tabs->setGeometry(r.x() + 2, r.y(), std::max(10, r.width() - 4), bar);
            slot->tabs->raise();
            r.setTop(r.top() + bar - 1);
        }
        w->setGeometry(r);
    }
}

void WindowView::apply_geometry() {
    if (!host_) {
        return;
    }
    applying_ = true;
    const window::Rect r = state_.rect;
    if (r != applied_rect_) {
        const QSize wanted(units_.x(r.width), units_.y(r.height));
        if (r.width > 0 && r.height > 0) {
            const QSize frame =
                host_ == this || state_.def->frame ? QSize() : host_->size() - size();
            host_->resize(wanted + frame);
            sized_.push_back(wanted);
        }
        if (r.x != 0 || r.y != 0) {
            host_->move(units_.x(r.x), units_.y(r.y));
            placed_.push_back(QPoint(units_.x(r.x), units_.y(r.y)));
        } else {
            placed_.push_back(host_->pos());
        }
        applied_rect_ = r;
    }
    if (state_.maximized != applied_max_ || state_.minimized != applied_min_) {
        Qt::WindowStates ws = host_->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized);
        if (state_.minimized) {
            ws |= Qt::WindowMinimized;
        } else if (state_.maximized) {
            ws |= Qt::WindowMaximized;
        }
        host_->setWindowState(ws);
        applied_max_ = state_.maximized;
        applied_min_ = state_.minimized;
    }
    applying_ = false;
}

void WindowView::report_placement(bool resized) {
    if (applying_ || !host_ || host_->isMaximized() || host_->isMinimized()) {
        return;
    }
    // The platform reports the geometry we set, sometimes late: a position or
    // size we applied is not the user's, and must not come back as a change of
    // one dialog unit through rounding either.
    const QPoint pos = host_->pos();
    const QSize inner = state_.def->frame ? host_->size() : size();
    // The platform may round what we set by a pixel or two.
    auto near = [](int a, int b) { return std::abs(a - b) <= 2; };
    const bool pos_ours = std::any_of(placed_.begin(), placed_.end(), [&](const QPoint& p) {
        return near(p.x(), pos.x()) && near(p.y(), pos.y());
    });
    const bool size_ours = std::any_of(sized_.begin(), sized_.end(), [&](const QSize& z) {
        return near(z.width(), inner.width()) && near(z.height(), inner.height());
    });
    if (pos_ours && size_ours) {
        return;
    }
    window::Rect r = applied_rect_;
    if (!pos_ours) {
        r.x = units_.to_x(pos.x());
        r.y = units_.to_y(pos.y());
    }
    if (!size_ours) {
        r.width = units_.to_x(inner.width());
        r.height = units_.to_y(inner.height());
    }
    placed_ = {pos};
    sized_ = {inner};
    if (r == applied_rect_) {
        return;
    }
    applied_rect_ = r;
    post(UserAction::placed(r, resized && !size_ours));
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_) {
        switch (event->type()) {
        case QEvent::Close:
            // The procedure owns the window: ask it to close.
            event->ignore();
            command(UserAction::close_request());
            return true;
        case QEvent::Move:
            report_placement(false);
            break;
        case QEvent::Resize:
            report_placement(true);
            break;
        case QEvent::WindowStateChange:
            if (!applying_) {
                const bool max = host_->isMaximized();
                const bool min = host_->isMinimized();
                if (min != applied_min_) {
                    applied_min_ = min;
                    post(UserAction::set_minimized(min));
                }
                if (max != applied_max_) {
                    applied_max_ = max;
                    post(UserAction::set_maximized(max));
                }
            }
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        commit_edits();
    }
    return QWidget::eventFilter(watched, event);
}

void WindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place_controls();
}

void WindowView::paintEvent(QPaintEvent* event) {
    if (!background_.isNull()) {
        QPainter p(this);
        p.drawPixmap(rect(), background_);
    }
    QWidget::paintEvent(event);
}

} // namespace zorozo::qtview
