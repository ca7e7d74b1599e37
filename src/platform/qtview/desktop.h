#pragma once
// Everything the Qt view shows, on the GUI thread: the frame (main window, MDI
// area, menu bar, status bar, background image), the other windows as MDI
// sub-windows (or alone on the screen while no frame is open), and the
// non-modal system dialogs. QtBackend posts the window services' notifications
// here; nothing in it waits for a procedure thread.

#include "platform/qtview/pending_answer.h"
#include "platform/window/backend.h"

#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace zorozo::qtview {

class WindowView;
class FrameMenu;

class Desktop : public QObject {
public:
    Desktop();
    ~Desktop() override;

    void open(const std::shared_ptr<window::WindowCore>& core);
    void changed(std::uint64_t window);
    void closed(std::uint64_t window);

    void message_box(const window::MessageRequest& request,
                     std::shared_ptr<PendingAnswer<int>> answer);
    void open_file(const window::FileRequest& request,
                   std::shared_ptr<PendingAnswer<std::optional<std::string>>> answer);
    void printer_setup(window::ProcedureId asking, std::shared_ptr<PendingAnswer<bool>> answer);
    // Closes every open dialog (their answers were resolved already).
    void close_dialogs();
    void frame_action(window::FrameAction action);

    // Draws every open window from a fresh snapshot (a picture taken right
    // after the procedures settled shows their last state).
    void refresh_all();

    // Looking at what is shown (tests, pictures).
    WindowView* view(std::uint64_t window) const;
    WindowView* newest_view() const;
    QMainWindow* frame() const { return frame_; }
    QMdiArea* mdi_area() const { return mdi_; }
    // The sub-window or top-level widget holding a window.
    QWidget* host(std::uint64_t window) const;

private:
    void open_frame(WindowView* view);
    void dialog_shown(window::ProcedureId asking, QDialog* dialog);
    void dialog_done(window::ProcedureId asking);
    void update_dialog_state(window::ProcedureId procedure);
    void update_frame();

    QPointer<QMainWindow> frame_;
    QPointer<QMdiArea> mdi_;
    std::uint64_t frame_window_ = 0;
    std::unique_ptr<FrameMenu> menu_;
    std::map<std::uint64_t, QPointer<WindowView>> views_;
    std::map<std::uint64_t, QPointer<QWidget>> hosts_;
    std::vector<std::uint64_t> order_; // open windows, oldest first
    std::map<window::ProcedureId, int> dialogs_pending_;
    std::vector<QPointer<QWidget>> dialogs_;
};

} // namespace zorozo::qtview
