#pragma once
// The drawn form of one window of the window services: its controls built from
// the definition, updated from snapshots, and the user's actions posted back as
// UserActions. The view sits in an MDI sub-window of the frame, in the frame's
// main window (the frame itself), or alone on the screen (no frame open).
// GUI thread only.

#include "platform/qtview/dialog_units.h"
#include "platform/window/window_core.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace zorozo::qtview {

class WindowView : public QWidget {
    Q_OBJECT

public:
    WindowView(std::shared_ptr<window::WindowCore> core, const window::WindowState& first,
               QWidget* parent = nullptr);
    ~WindowView() override;

    const std::shared_ptr<window::WindowCore>& core() const { return core_; }
    const window::WindowState& state() const { return state_; }
    const DialogUnits& units() const { return units_; }
    const QFont& window_font() const { return font_; }

    // The widget the window lives in (sub-window, main window or this view): its
    // moves, resizes, state changes and close box are reported to the procedure.
    void set_host(QWidget* host);
    QWidget* host() const { return host_; }

    // Draws a newer snapshot; older or equal versions are ignored.
    void apply(const window::WindowState& state);
    // Takes a fresh snapshot and draws it when it is newer.
    void refresh();
    // Disabled while its procedure waits for a dialog.
    void set_dialog_pending(bool pending);

    // Posts an action; a command first commits every modified entry so the
    // procedure sees the typed values before the command.
    void post(window::UserAction action);
    void command(window::UserAction action);
    void commit_edits();

    // The widget drawing control n (nullptr for tabs and unknown numbers).
    QWidget* widget(int n) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Slot;
    void build();
    void apply_control(Slot& slot, const window::ControlState& c);
    void apply_geometry();
    void place_controls();
    bool shown(const window::ControlState& c) const;
    bool usable(const window::ControlState& c) const;
    void report_placement(bool resized);

    std::shared_ptr<window::WindowCore> core_;
    window::WindowState state_;
    QFont font_;
    DialogUnits units_;
    QPixmap background_;
    std::vector<std::unique_ptr<Slot>> slots_;
    QWidget* host_ = nullptr;
    window::Rect applied_rect_{};
    std::vector<QPoint> placed_; // positions and sizes applied since the user's last change
    std::vector<QSize> sized_;
    bool applied_max_ = false;
    bool applied_min_ = false;
    bool applying_ = false;
    bool dialog_pending_ = false;
    bool first_apply_ = true;
};

} // namespace zorozo::qtview
