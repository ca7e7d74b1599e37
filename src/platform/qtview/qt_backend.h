#pragma once
// The window services drawn with Qt. Create it on the GUI thread once the
// QApplication exists and install it with window::set_backend(). Its Backend
// methods run on procedure threads: each posts its work to the GUI thread and
// returns (dialog answers come back through the futures). The GUI thread never
// waits for a procedure.

#include "platform/qtview/pending_answer.h"
#include "platform/window/backend.h"

#include <QObject>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace zorozo::qtview {

class Desktop;

class QtBackend : public window::Backend {
public:
    QtBackend(); // GUI thread
    ~QtBackend() override;

    void window_opened(const std::shared_ptr<window::WindowCore>& w) override;
    void window_changed(const std::shared_ptr<window::WindowCore>& w) override;
    void window_closed(const std::shared_ptr<window::WindowCore>& w) override;
    std::future<int> message_box(const window::MessageRequest& request) override;
    std::future<std::optional<std::string>> open_file(const window::FileRequest& request) override;
    std::future<bool> printer_setup(window::ProcedureId asking) override;
    void cancel_dialogs() override;
    void beep() override;
    void frame_action(window::FrameAction action) override;
    [[noreturn]] void end_program(int code, std::string_view final_text) override;
    void procedure_failed(window::ProcedureId procedure, std::string_view name,
                          std::string_view what) override;

    // GUI thread: what is shown.
    Desktop& desktop() { return *desktop_; }

private:
    template <class F> void on_gui(F&& f);

    std::unique_ptr<Desktop> desktop_;
    QObject* gui_ = nullptr; // lives as long as desktop_

    std::mutex mutex_;
    std::set<std::uint64_t> changes_queued_; // coalesced window_changed, by window id
    std::vector<std::weak_ptr<PendingAnswer<int>>> messages_;
    std::vector<std::weak_ptr<PendingAnswer<std::optional<std::string>>>> files_;
    std::vector<std::weak_ptr<PendingAnswer<bool>>> printers_;
};

// Font substitutes and the application's look; call once after QApplication.
void prepare_application();

} // namespace zorozo::qtview
