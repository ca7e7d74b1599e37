#pragma once
// A backend that lets another backend (the headless one a script player
// drives) do the work and also has the Qt view draw every window. Dialogs stay
// with the first backend, so a script answers them as it always does. Backend
// methods: procedure threads, like every backend.

#include "platform/qtview/qt_backend.h"
#include "platform/window/halt.h"

#include <memory>

namespace zorozo::qtview {

class MirrorBackend : public window::Backend {
public:
    MirrorBackend(std::shared_ptr<window::Backend> main, std::shared_ptr<QtBackend> view)
        : main_(std::move(main)), view_(std::move(view)) {}

    void window_opened(const std::shared_ptr<window::WindowCore>& w) override {
        main_->window_opened(w);
        view_->window_opened(w);
    }
    void window_changed(const std::shared_ptr<window::WindowCore>& w) override {
        main_->window_changed(w);
        view_->window_changed(w);
    }
    void window_closed(const std::shared_ptr<window::WindowCore>& w) override {
        main_->window_closed(w);
        view_->window_closed(w);
    }
    std::future<int> message_box(const window::MessageRequest& r) override {
        return main_->message_box(r);
    }
    std::future<std::optional<std::string>> open_file(const window::FileRequest& r) override {
        return main_->open_file(r);
    }
    std::future<bool> printer_setup(window::ProcedureId asking) override {
        return main_->printer_setup(asking);
    }
    void cancel_dialogs() override { main_->cancel_dialogs(); }
    void beep() override { main_->beep(); }
    void frame_action(window::FrameAction a) override {
        main_->frame_action(a);
        view_->frame_action(a);
    }
    window::ProcessResult start_process(const window::ProcessRequest& r) override {
        return main_->start_process(r);
    }
    [[noreturn]] void end_program(int code, std::string_view text) override {
        main_->end_program(code, text);
        window::exit_process(code); // not reached: the first backend does not return
    }
    void procedure_failed(window::ProcedureId p, std::string_view name,
                          std::string_view what) override {
        main_->procedure_failed(p, name, what);
    }
    void procedure_halted(window::ProcedureId p, int code, std::string_view text) override {
        main_->procedure_halted(p, code, text);
    }

private:
    std::shared_ptr<window::Backend> main_;
    std::shared_ptr<QtBackend> view_;
};

} // namespace zorozo::qtview
