#pragma once
// What a backend implements: the Qt view draws windows on the GUI thread, the
// headless backend lets tests play the user. One backend per process,
// installed before the first procedure starts.
//
// Every method is called on a procedure thread and must return without waiting
// for the GUI thread (answers come back through the futures). The backend reads
// a window's state only through WindowCore::snapshot() and gives input only
// through WindowCore::post().

#include "platform/window/dialogs.h"
#include "platform/window/process.h"
#include "platform/window/window_core.h"

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zorozo::window {

enum class FrameAction { tile, cascade, arrange_icons };

class Backend {
public:
    virtual ~Backend() = default;

    // A window was opened / its state changed (version grew) / it was closed.
    // window_changed comes often: coalesce by version.
    virtual void window_opened(const std::shared_ptr<WindowCore>& window) = 0;
    virtual void window_changed(const std::shared_ptr<WindowCore>& window) = 0;
    virtual void window_closed(const std::shared_ptr<WindowCore>& window) = 0;

    // Dialogs. Each promise is resolved exactly once; on close-down with
    // button::none, nullopt and false.
    virtual std::future<int> message_box(const MessageRequest& request) = 0;
    virtual std::future<std::optional<std::string>> open_file(const FileRequest& request) = 0;
    virtual std::future<bool> printer_setup(ProcedureId asking) = 0;
    // Resolves every pending dialog as cancelled (called by close_down_all()).
    virtual void cancel_dialogs() = 0;

    virtual void beep() = 0;
    virtual void frame_action(FrameAction action) = 0;
    virtual ProcessResult start_process(const ProcessRequest& request) {
        return run_program(request);
    }

    // Ends the program; must not return (exit_process() or throw ProgramHalted).
    [[noreturn]] virtual void end_program(int code, std::string_view final_text) = 0;
    // An exception left a procedure; what() or a description.
    virtual void procedure_failed(ProcedureId procedure, std::string_view name,
                                  std::string_view what) = 0;
    // A procedure was stopped by halt() under a backend that throws ProgramHalted.
    virtual void procedure_halted(ProcedureId procedure, int code, std::string_view final_text) {
        (void)procedure, (void)code, (void)final_text;
    }
};

void set_backend(std::shared_ptr<Backend> backend);
std::shared_ptr<Backend> backend();

} // namespace zorozo::window
