#pragma once
// The frame's menu bar built from the definition: menus, items, separators,
// help messages shown in the status bar, disabled entries greyed. Choosing an
// item posts its press (entry numbers -1, -2 ... as the window services number
// them). GUI thread.

#include "platform/window/window_state.h"

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <map>

namespace zorozo::qtview {

class FrameMenu {
public:
    FrameMenu(QMenuBar* bar, const window::WindowState& state, std::function<void(int)> chosen);
    void apply(const window::WindowState& state);
    QAction* action(int number) const;

private:
    void add(QWidget* parent, const std::vector<window::MenuDef>& defs, int& next);

    std::function<void(int)> chosen_;
    std::map<int, QAction*> actions_;
};

} // namespace zorozo::qtview
