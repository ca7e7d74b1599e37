#include "platform/qtview/desktop.h"

#include "platform/qtview/frame_menu.h"
#include "platform/qtview/resources.h"
#include "platform/qtview/window_view.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>

namespace zorozo::qtview {

using window::WindowState;

namespace {

// The frame's MDI area paints the background image scaled to its size.
class BackgroundArea : public QMdiArea {
public:
    explicit BackgroundArea(QPixmap image) : image_(std::move(image)) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QMdiArea::resizeEvent(event);
        if (!image_.isNull()) {
            setBackground(QBrush(image_.scaled(viewport()->size(), Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation)));
        }
    }

private:
    QPixmap image_;
};

QMessageBox::Icon box_icon(window::Icon icon) {
    switch (icon) {
    case window::Icon::information:
        return QMessageBox::Information;
    case window::Icon::question:
        return QMessageBox::Question;
    case window::Icon::exclamation:
        return QMessageBox::Warning;
    case window::Icon::stop:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

// "All Files|*.lst|Texts|*.txt" as Qt name filters.
QStringList name_filters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return out;
}

} // namespace

Desktop::Desktop() = default;

Desktop::~Desktop() {
    for (auto& d : dialogs_) {
        delete d.data();
    }
    for (auto& [id, h] : hosts_) {
        if (h && h != frame_.data()) {
            delete h.data();
        }
    }
    delete frame_.data();
}

void Desktop::open(const std::shared_ptr<window::WindowCore>& core) {
    if (views_.count(core->id())) {
        return;
    }
    const WindowState s = core->snapshot();
    auto* view = new WindowView(core, s);
    views_[s.id] = view;
    order_.push_back(s.id);
    if (s.def->frame && !frame_) {
        open_frame(view);
        return;
    }
    const QString caption = QString::fromStdString(s.caption);
    const QIcon icon = resource_icon(s.def->icon);
    QWidget* host = view;
    if (mdi_) {
        auto* sub = new QMdiSubWindow;
        sub->setWidget(view);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
        if (s.def->maximize_box) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
        sub->setWindowFlags(flags);
        mdi_->addSubWindow(sub);
        host = sub;
    }
    host->setWindowTitle(caption);
    if (!icon.isNull()) {
        host->setWindowIcon(icon); // otherwise the program's own icon
    }
    const QSize size = view->units().rect(s.def->rect).size();
    if (!s.def->resizable && size.isValid() && !size.isEmpty()) {
        view->setFixedSize(size);
    } else if (size.isValid() && !size.isEmpty()) {
        view->resize(size);
    }
    if (host != view) {
        host->adjustSize();
    }
    hosts_[s.id] = host;
    view->set_host(host);
    host->show();
    view->refresh();
}

void Desktop::open_frame(WindowView* frame_view) {
    const WindowState& s = frame_view->state();
    frame_ = new QMainWindow;
    frame_->setObjectName("frame");
    frame_window_ = s.id;
    auto* area = new BackgroundArea(resource_pixmap(s.def->image));
    area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    area->setObjectName("mdi");
    mdi_ = area;
    frame_->setCentralWidget(area);
    menu_ = std::make_unique<FrameMenu>(frame_->menuBar(), s, [this](int number) {
        // A menu command ends the edit in the active window first.
        if (QMdiSubWindow* active = mdi_ ? mdi_->activeSubWindow() : nullptr) {
            if (auto* v = qobject_cast<WindowView*>(active->widget())) {
                v->commit_edits();
            }
        }
        if (auto* v = view(frame_window_)) {
            v->command(window::UserAction::press(number));
        }
    });
    if (s.def->status_bar) {
        frame_->statusBar()->setSizeGripEnabled(true);
    }
    connect(area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (!sub) {
            return;
        }
        if (auto* v = qobject_cast<WindowView*>(sub->widget()); v && v->state().takes_input) {
            v->post(window::UserAction::focus_gained());
        }
    });
    frame_view->setParent(frame_);
    frame_view->hide();
    frame_->setWindowTitle(QString::fromStdString(s.caption));
    frame_->setWindowIcon(resource_icon(s.def->icon));
    const QSize size = frame_view->units().rect(s.def->rect).size();
    frame_->resize(size.isEmpty() ? QSize(1024, 700) : size);
    hosts_[s.id] = frame_;
    frame_view->set_host(frame_);
    update_frame();
    frame_->show();
}

void Desktop::update_frame() {
    WindowView* v = view(frame_window_);
    if (!v || !frame_) {
        return;
    }
    const WindowState& s = v->state();
    frame_->setWindowTitle(QString::fromStdString(s.caption));
    if (menu_) {
        menu_->apply(s);
    }
    if (s.def->status_bar || !s.status.empty()) {
        auto* bar = frame_->statusBar();
        auto labels = bar->findChildren<QLabel*>("status_field", Qt::FindDirectChildrenOnly);
        for (std::size_t i = static_cast<std::size_t>(labels.size()); i < s.status.size(); ++i) {
            auto* l = new QLabel(bar);
            l->setObjectName("status_field");
            bar->addWidget(l, i == 0 ? 1 : 0);
            labels.push_back(l);
        }
        for (std::size_t i = 0; i < s.status.size(); ++i) {
            labels[static_cast<qsizetype>(i)]->setText(QString::fromStdString(s.status[i]));
        }
    }
}

void Desktop::changed(std::uint64_t window) {
    WindowView* v = view(window);
    if (!v) {
        return;
    }
    v->refresh();
    if (window == frame_window_) {
        update_frame();
    } else if (QWidget* h = host(window)) {
        h->setWindowTitle(QString::fromStdString(v->state().caption));
    }
}

void Desktop::closed(std::uint64_t window) {
    WindowView* v = view(window);
    if (!v) {
        return;
    }
    const auto procedure = v->state().procedure;
    QWidget* h = host(window);
    views_.erase(window);
    hosts_.erase(window);
    std::erase(order_, window);
    if (window == frame_window_) {
        menu_.reset();
        frame_window_ = 0;
    }
    if (h) {
        h->removeEventFilter(v);
        h->hide();
        h->deleteLater();
    }
    if (h != v) {
        v->deleteLater();
    }
    // The same procedure's older window takes input again: bring it forward
    // with its focus, whichever window the MDI area would pick.
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        WindowView* older = view(*it);
        if (!older || older->state().procedure != procedure) {
            continue;
        }
        older->refresh();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(host(*it)); sub && mdi_) {
            mdi_->setActiveSubWindow(sub);
        }
        if (QWidget* f = older->focusWidget()) {
            f->setFocus();
        }
        break;
    }
}

WindowView* Desktop::view(std::uint64_t window) const {
    auto it = views_.find(window);
    return it == views_.end() ? nullptr : it->second.data();
}

WindowView* Desktop::newest_view() const {
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        if (WindowView* v = view(*it); v && *it != frame_window_) {
            return v;
        }
    }
    return view(frame_window_);
}

QWidget* Desktop::host(std::uint64_t window) const {
    auto it = hosts_.find(window);
    return it == hosts_.end() ? nullptr : it->second.data();
}

void Desktop::refresh_all() {
    for (auto id : order_) {
        changed(id);
    }
}

void Desktop::update_dialog_state(window::ProcedureId procedure) {
    const bool pending = dialogs_pending_[procedure] > 0;
    for (const auto& [id, v] : views_) {
        if (v && v->state().procedure == procedure) {
            v->set_dialog_pending(pending);
        }
    }
}

void Desktop::dialog_shown(window::ProcedureId asking, QDialog* dialog) {
    // Non-modal: only the asking procedure's windows wait for the answer.
    dialog->setWindowModality(Qt::NonModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialogs_.push_back(dialog);
    ++dialogs_pending_[asking];
    update_dialog_state(asking);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Desktop::dialog_done(window::ProcedureId asking) {
    if (--dialogs_pending_[asking] <= 0) {
        dialogs_pending_.erase(asking);
    }
    std::erase_if(dialogs_, [](const QPointer<QWidget>& d) { return d.isNull(); });
    update_dialog_state(asking);
}

void Desktop::message_box(const window::MessageRequest& request,
                          std::shared_ptr<PendingAnswer<int>> answer) {
    QStringList lines;
    for (const auto& l : request.lines()) {
        lines << QString::fromStdString(l);
    }
    auto* box = new QMessageBox(box_icon(request.icon), QString::fromStdString(request.caption),
                                lines.join('\n'), QMessageBox::NoButton, frame_);
    box->setObjectName("message_box");
    std::map<QAbstractButton*, int> values;
    for (const auto& [text, value] : request.choices()) {
        QPushButton* b = box->addButton(QString::fromStdString(text), QMessageBox::AcceptRole);
        values[b] = value;
        if (value == request.default_button) {
            box->setDefaultButton(b);
        }
    }
    const auto asking = request.asking;
    connect(box, &QMessageBox::buttonClicked, box, [answer, values](QAbstractButton* b) {
        auto it = values.find(b);
        answer->resolve(it == values.end() ? window::button::none : it->second);
    });
    connect(box, &QObject::destroyed, this, [this, answer, asking] {
        answer->resolve(window::button::none);
        dialog_done(asking);
    });
    dialog_shown(asking, box);
}

void Desktop::open_file(const window::FileRequest& request,
                        std::shared_ptr<PendingAnswer<std::optional<std::string>>> answer) {
    auto* dialog = new QFileDialog(frame_, QString::fromStdString(request.title),
                                   QString::fromStdString(request.folder));
    dialog->setObjectName("file_dialog");
    dialog->setFileMode(request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = name_filters(request.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
    }
    const auto asking = request.asking;
    connect(dialog, &QFileDialog::fileSelected, dialog,
            [answer](const QString& f) { answer->resolve(f.toStdString()); });
    connect(dialog, &QDialog::finished, dialog, [answer](int) { answer->resolve(std::nullopt); });
    connect(dialog, &QObject::destroyed, this, [this, answer, asking] {
        answer->resolve(std::nullopt);
        dialog_done(asking);
    });
    dialog_shown(asking, dialog);
}

void Desktop::printer_setup(window::ProcedureId asking,
                            std::shared_ptr<PendingAnswer<bool>> answer) {
    // The dialog owns its printer, so nothing outlives it.
    auto printer = std::make_shared<QPrinter>();
    auto* dialog = new QPageSetupDialog(printer.get(), frame_);
    dialog->setObjectName("printer_setup");
    connect(dialog, &QDialog::finished, dialog,
            [answer](int result) { answer->resolve(result == QDialog::Accepted); });
    connect(dialog, &QObject::destroyed, this, [this, answer, asking, printer] {
        answer->resolve(false);
        dialog_done(asking);
    });
    dialog_shown(asking, dialog);
}

void Desktop::close_dialogs() {
    for (auto& d : dialogs_) {
        if (d) {
            d->close();
        }
    }
}

void Desktop::frame_action(window::FrameAction action) {
    if (!mdi_) {
        return;
    }
    switch (action) {
    case window::FrameAction::tile:
        mdi_->tileSubWindows();
        break;
    case window::FrameAction::cascade:
        mdi_->cascadeSubWindows();
        break;
    case window::FrameAction::arrange_icons: {
        // Minimised windows in a row along the bottom edge.
        int x = 0;
        for (QMdiSubWindow* sub : mdi_->subWindowList()) {
            if (sub->isMinimized()) {
                sub->move(x, mdi_->viewport()->height() - sub->height());
                x += sub->width();
            }
        }
        break;
    }
    }
}

} // namespace zorozo::qtview
