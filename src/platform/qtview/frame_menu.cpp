#include "platform/qtview/frame_menu.h"

#include <QMenu>

namespace zorozo::qtview {

FrameMenu::FrameMenu(QMenuBar* bar, const window::WindowState& state,
                     std::function<void(int)> chosen)
    : chosen_(std::move(chosen)) {
    int next = -1;
    add(bar, state.def->menu, next);
    apply(state);
}

void FrameMenu::add(QWidget* parent, const std::vector<window::MenuDef>& defs, int& next) {
    for (const auto& d : defs) {
        if (d.kind == window::MenuKind::separator) {
            if (auto* m = qobject_cast<QMenu*>(parent)) {
                m->addSeparator();
            }
            continue;
        }
        const int number = next--;
        const QString text = QString::fromStdString(d.text);
        QAction* action = nullptr;
        if (d.kind == window::MenuKind::menu) {
            auto* menu = new QMenu(text, parent);
            if (auto* b = qobject_cast<QMenuBar*>(parent)) {
                b->addMenu(menu);
            } else {
                static_cast<QMenu*>(parent)->addMenu(menu);
            }
            action = menu->menuAction();
            add(menu, d.children, next);
        } else {
            action = new QAction(text, parent);
            parent->addAction(action);
            QObject::connect(action, &QAction::triggered, action,
                             [this, number] { chosen_(number); });
        }
        action->setObjectName(QString("menu_%1").arg(-number));
        action->setStatusTip(QString::fromStdString(d.message));
        actions_[number] = action;
    }
}

void FrameMenu::apply(const window::WindowState& state) {
    for (const auto& m : state.menu) {
        if (QAction* a = action(m.number)) {
            a->setText(QString::fromStdString(m.text));
            a->setEnabled(m.enabled);
        }
    }
}

QAction* FrameMenu::action(int number) const {
    auto it = actions_.find(number);
    return it == actions_.end() ? nullptr : it->second;
}

} // namespace zorozo::qtview
