#include "platform/testing/headless_backend.h"

#include "platform/window/procedure.h"

#include <algorithm>

namespace zorozo::testing {

using namespace zorozo::window;

namespace {

std::string in_quotes(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

std::string message_line(const MessageRequest& r) {
    std::string line = "message";
    if (!r.caption.empty()) {
        line += " " + in_quotes(r.caption);
    }
    line += ":";
    bool first = true;
    for (const auto& l : r.lines()) {
        line += first ? " " : " | ";
        line += l;
        first = false;
    }
    line += " [";
    first = true;
    for (const auto& [text, value] : r.choices()) {
        line += first ? "" : ", ";
        line += text;
        first = false;
    }
    return line + "]";
}

} // namespace

void HeadlessBackend::note(std::string line) {
    transcript_.push_back(line);
    if (sink_) {
        sink_(line);
    }
}

void HeadlessBackend::window_opened(const std::shared_ptr<WindowCore>& w) {
    std::lock_guard lock(mutex_);
    windows_.push_back(w);
    note("window opened: " + in_quotes(w->snapshot().caption));
}

void HeadlessBackend::window_changed(const std::shared_ptr<WindowCore>&) {}

void HeadlessBackend::window_closed(const std::shared_ptr<WindowCore>& w) {
    std::lock_guard lock(mutex_);
    std::erase(windows_, w);
    note("window closed: " + in_quotes(w->snapshot().caption));
}

std::future<int> HeadlessBackend::message_box(const MessageRequest& request) {
    std::lock_guard lock(mutex_);
    messages_.push_back({request, {}});
    note(message_line(request));
    return messages_.back().answer.get_future();
}

std::future<std::optional<std::string>> HeadlessBackend::open_file(const FileRequest& request) {
    std::lock_guard lock(mutex_);
    files_.push_back({request, {}});
    note("file dialog: " + in_quotes(request.title) + " (" + request.filter + ")");
    return files_.back().answer.get_future();
}

std::future<bool> HeadlessBackend::printer_setup(ProcedureId asking) {
    std::lock_guard lock(mutex_);
    printers_.emplace_back(asking, std::promise<bool>());
    note("printer setup");
    return printers_.back().second.get_future();
}

void HeadlessBackend::cancel_dialogs() {
    std::lock_guard lock(mutex_);
    for (auto& m : messages_) {
        m.answer.set_value(button::none);
    }
    for (auto& f : files_) {
        f.answer.set_value(std::nullopt);
    }
    for (auto& p : printers_) {
        p.second.set_value(false);
    }
    messages_.clear();
    files_.clear();
    printers_.clear();
}

void HeadlessBackend::beep() {
    std::lock_guard lock(mutex_);
    ++beeps_;
    note("beep");
}

void HeadlessBackend::frame_action(FrameAction action) {
    std::lock_guard lock(mutex_);
    const char* names[] = {"tile", "cascade", "arrange icons"};
    note(std::string("frame: ") + names[static_cast<int>(action)]);
}

ProcessResult HeadlessBackend::start_process(const ProcessRequest& request) {
    bool run = false;
    {
        std::lock_guard lock(mutex_);
        std::string line = "process: " + request.program;
        for (const auto& a : request.arguments) {
            line += " " + a;
        }
        note(line + (request.wait ? " (waited for)" : ""));
        run = run_processes_;
    }
    if (run) {
        return run_program(request);
    }
    ProcessResult r;
    r.started = true;
    if (request.wait) {
        r.exit_code = 0;
    }
    return r;
}

void HeadlessBackend::end_program(int code, std::string_view final_text) {
    {
        std::lock_guard lock(mutex_);
        if (!halted_) {
            halted_ = ProgramHalted{code, std::string(final_text)};
            note("halt: exit code " + std::to_string(code) +
                 (final_text.empty() ? std::string() : " after " + in_quotes(final_text)));
        }
    }
    throw ProgramHalted{code, std::string(final_text)};
}

void HeadlessBackend::procedure_failed(ProcedureId, std::string_view name, std::string_view what) {
    std::lock_guard lock(mutex_);
    failures_.push_back(std::string(name) + ": " + std::string(what));
    note("FAILED: procedure " + in_quotes(name) + ": " + std::string(what));
}

std::vector<std::shared_ptr<WindowCore>> HeadlessBackend::windows() const {
    std::lock_guard lock(mutex_);
    return windows_;
}

std::optional<MessageRequest> HeadlessBackend::pending_message() const {
    std::lock_guard lock(mutex_);
    if (messages_.empty()) {
        return std::nullopt;
    }
    return messages_.front().request;
}

std::optional<FileRequest> HeadlessBackend::pending_file() const {
    std::lock_guard lock(mutex_);
    if (files_.empty()) {
        return std::nullopt;
    }
    return files_.front().request;
}

bool HeadlessBackend::printer_pending() const {
    std::lock_guard lock(mutex_);
    return !printers_.empty();
}

bool HeadlessBackend::answer_message(int value) {
    std::lock_guard lock(mutex_);
    if (messages_.empty()) {
        return false;
    }
    auto m = std::move(messages_.front());
    messages_.erase(messages_.begin());
    std::string text;
    for (const auto& [t, v] : m.request.choices()) {
        if (v == value) {
            text = t;
        }
    }
    note("answered: " + text);
    answer_coming(m.request.asking);
    m.answer.set_value(value);
    return true;
}

bool HeadlessBackend::answer_file(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    if (files_.empty()) {
        return false;
    }
    auto f = std::move(files_.front());
    files_.erase(files_.begin());
    note(path ? "file chosen: " + *path : std::string("file dialog cancelled"));
    answer_coming(f.request.asking);
    f.answer.set_value(std::move(path));
    return true;
}

bool HeadlessBackend::answer_printer(bool ok) {
    std::lock_guard lock(mutex_);
    if (printers_.empty()) {
        return false;
    }
    auto p = std::move(printers_.front());
    printers_.erase(printers_.begin());
    note(ok ? "printer setup confirmed" : "printer setup cancelled");
    answer_coming(p.first);
    p.second.set_value(ok);
    return true;
}

std::optional<ProgramHalted> HeadlessBackend::halted() const {
    std::lock_guard lock(mutex_);
    return halted_;
}

std::vector<std::string> HeadlessBackend::failures() const {
    std::lock_guard lock(mutex_);
    return failures_;
}

std::vector<std::string> HeadlessBackend::transcript() const {
    std::lock_guard lock(mutex_);
    return transcript_;
}

int HeadlessBackend::beeps() const {
    std::lock_guard lock(mutex_);
    return beeps_;
}

void HeadlessBackend::set_sink(std::function<void(const std::string&)> sink) {
    std::lock_guard lock(mutex_);
    sink_ = std::move(sink);
}

void HeadlessBackend::set_run_processes(bool run) {
    std::lock_guard lock(mutex_);
    run_processes_ = run;
}

} // namespace zorozo::testing
