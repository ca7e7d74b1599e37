#include "platform/qtview/qt_backend.h"

#include "platform/qtview/desktop.h"
#include "platform/qtview/fonts.h"
#include "platform/qtview/resources.h"
#include "platform/window/halt.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <cstdio>

static void init_zorozo_resources() {
    Q_INIT_RESOURCE(zorozo);
}

namespace zorozo::qtview {

void prepare_application() {
    init_zorozo_resources();
    install_font_substitutes();
    QApplication::setFont(QFont("Segoe UI", 9));
    // Windows that name no icon of their own show the program's.
    QApplication::setWindowIcon(resource_icon("WAFRAME.ICO"));
}

QtBackend::QtBackend() : desktop_(std::make_unique<Desktop>()), gui_(desktop_.get()) {}

QtBackend::~QtBackend() = default;

template <class F> void QtBackend::on_gui(F&& f) {
    // Queued: runs on the GUI thread later; the caller does not wait.
    QPointer<QObject> target = gui_;
    QMetaObject::invokeMethod(
        gui_,
        [target, f = std::forward<F>(f)]() mutable {
            if (target) {
                f();
            }
        },
        Qt::QueuedConnection);
}

void QtBackend::window_opened(const std::shared_ptr<window::WindowCore>& w) {
    on_gui([this, w] { desktop_->open(w); });
}

void QtBackend::window_changed(const std::shared_ptr<window::WindowCore>& w) {
    {
        // Many changes in a row are drawn once, from the newest snapshot.
        std::lock_guard lock(mutex_);
        if (!changes_queued_.insert(w->id()).second) {
            return;
        }
    }
    const auto id = w->id();
    on_gui([this, id] {
        {
            std::lock_guard lock(mutex_);
            changes_queued_.erase(id);
        }
        desktop_->changed(id);
    });
}

void QtBackend::window_closed(const std::shared_ptr<window::WindowCore>& w) {
    const auto id = w->id();
    on_gui([this, id] { desktop_->closed(id); });
}

std::future<int> QtBackend::message_box(const window::MessageRequest& request) {
    auto answer = std::make_shared<PendingAnswer<int>>();
    auto future = answer->future();
    {
        std::lock_guard lock(mutex_);
        std::erase_if(messages_, [](const auto& w) { return w.expired(); });
        messages_.push_back(answer);
    }
    on_gui([this, request, answer] { desktop_->message_box(request, answer); });
    return future;
}

std::future<std::optional<std::string>> QtBackend::open_file(const window::FileRequest& request) {
    auto answer = std::make_shared<PendingAnswer<std::optional<std::string>>>();
    auto future = answer->future();
    {
        std::lock_guard lock(mutex_);
        std::erase_if(files_, [](const auto& w) { return w.expired(); });
        files_.push_back(answer);
    }
    on_gui([this, request, answer] { desktop_->open_file(request, answer); });
    return future;
}

std::future<bool> QtBackend::printer_setup(window::ProcedureId asking) {
    auto answer = std::make_shared<PendingAnswer<bool>>();
    auto future = answer->future();
    {
        std::lock_guard lock(mutex_);
        std::erase_if(printers_, [](const auto& w) { return w.expired(); });
        printers_.push_back(answer);
    }
    on_gui([this, asking, answer] { desktop_->printer_setup(asking, answer); });
    return future;
}

void QtBackend::cancel_dialogs() {
    // Resolved here at once: a procedure woken by the close-down must not
    // depend on the GUI thread running.
    {
        std::lock_guard lock(mutex_);
        for (auto& w : messages_) {
            if (auto a = w.lock()) {
                a->resolve(window::button::none);
            }
        }
        for (auto& w : files_) {
            if (auto a = w.lock()) {
                a->resolve(std::nullopt);
            }
        }
        for (auto& w : printers_) {
            if (auto a = w.lock()) {
                a->resolve(false);
            }
        }
        messages_.clear();
        files_.clear();
        printers_.clear();
    }
    on_gui([this] { desktop_->close_dialogs(); });
}

void QtBackend::beep() {
    on_gui([] { QApplication::beep(); });
}

void QtBackend::frame_action(window::FrameAction action) {
    on_gui([this, action] { desktop_->frame_action(action); });
}

void QtBackend::end_program(int code, std::string_view) {
    window::exit_process(code);
}

void QtBackend::procedure_failed(window::ProcedureId, std::string_view name,
                                 std::string_view what) {
    std::fprintf(stderr, "procedure %.*s failed: %.*s\n", static_cast<int>(name.size()),
                 name.data(), static_cast<int>(what.size()), what.data());
}

} // namespace zorozo::qtview
