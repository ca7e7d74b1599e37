#pragma once
// A backend without a display. It keeps the open windows and the pending
// dialogs, records what a person would have seen (the transcript), and lets a
// driver answer dialogs. Backend methods run on procedure threads; the query
// and answer methods on any thread (a test's own thread, usually). Everything
// is guarded by one mutex, never held while calling into the window layer.

#include "platform/window/backend.h"
#include "platform/window/halt.h"

#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zorozo::testing {

class HeadlessBackend : public window::Backend {
public:
    void window_opened(const std::shared_ptr<window::WindowCore>& w) override;
    void window_changed(const std::shared_ptr<window::WindowCore>& w) override;
    void window_closed(const std::shared_ptr<window::WindowCore>& w) override;
    std::future<int> message_box(const window::MessageRequest& request) override;
    std::future<std::optional<std::string>> open_file(const window::FileRequest& request) override;
    std::future<bool> printer_setup(window::ProcedureId asking) override;
    void cancel_dialogs() override;
    void beep() override;
    void frame_action(window::FrameAction action) override;
    window::ProcessResult start_process(const window::ProcessRequest& request) override;
    [[noreturn]] void end_program(int code, std::string_view final_text) override;
    void procedure_failed(window::ProcedureId procedure, std::string_view name,
                          std::string_view what) override;

    // Open windows, oldest first.
    std::vector<std::shared_ptr<window::WindowCore>> windows() const;
    std::optional<window::MessageRequest> pending_message() const;
    std::optional<window::FileRequest> pending_file() const;
    bool printer_pending() const;
    // Resolve the oldest pending dialog of its kind; false when none is pending.
    bool answer_message(int value);
    bool answer_file(std::optional<std::string> path);
    bool answer_printer(bool ok);

    std::optional<window::ProgramHalted> halted() const;
    std::vector<std::string> failures() const;
    std::vector<std::string> transcript() const;
    int beeps() const;
    // Every transcript line is also handed to sink as it happens (the player prints them).
    void set_sink(std::function<void(const std::string&)> sink);
    // When false, started processes are recorded but not run (reported as exit code 0).
    void set_run_processes(bool run);

private:
    void note(std::string line); // mutex_ held

    struct PendingMessage {
        window::MessageRequest request;
        std::promise<int> answer;
    };
    struct PendingFile {
        window::FileRequest request;
        std::promise<std::optional<std::string>> answer;
    };

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<window::WindowCore>> windows_;
    std::vector<PendingMessage> messages_;
    std::vector<PendingFile> files_;
    std::vector<std::pair<window::ProcedureId, std::promise<bool>>> printers_;
    std::optional<window::ProgramHalted> halted_;
    std::vector<std::string> failures_;
    std::vector<std::string> transcript_;
    std::function<void(const std::string&)> sink_;
    int beeps_ = 0;
    bool run_processes_ = true;
};

} // namespace zorozo::testing
