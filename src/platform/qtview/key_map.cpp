#include "platform/qtview/key_map.h"

namespace zorozo::qtview {

QKeySequence key_sequence(window::Key key) {
    using window::Key;
    switch (key) {
    case Key::f1:
        return QKeySequence(Qt::Key_F1);
    case Key::f2:
        return QKeySequence(Qt::Key_F2);
    case Key::f3:
        return QKeySequence(Qt::Key_F3);
    case Key::f4:
        return QKeySequence(Qt::Key_F4);
    case Key::f5:
        return QKeySequence(Qt::Key_F5);
    case Key::f6:
        return QKeySequence(Qt::Key_F6);
    case Key::f7:
        return QKeySequence(Qt::Key_F7);
    case Key::f8:
        return QKeySequence(Qt::Key_F8);
    case Key::f9:
        return QKeySequence(Qt::Key_F9);
    case Key::f10:
        return QKeySequence(Qt::Key_F10);
    case Key::f11:
        return QKeySequence(Qt::Key_F11);
    case Key::f12:
        return QKeySequence(Qt::Key_F12);
    case Key::esc:
        return QKeySequence(Qt::Key_Escape);
    case Key::enter:
        return QKeySequence(Qt::Key_Return);
    case Key::del:
        return QKeySequence(Qt::Key_Delete);
    case Key::ins:
        return QKeySequence(Qt::Key_Insert);
    case Key::home:
        return QKeySequence(Qt::Key_Home);
    case Key::end:
        return QKeySequence(Qt::Key_End);
    case Key::page_up:
        return QKeySequence(Qt::Key_PageUp);
    case Key::page_down:
        return QKeySequence(Qt::Key_PageDown);
    case Key::up:
        return QKeySequence(Qt::Key_Up);
    case Key::down:
        return QKeySequence(Qt::Key_Down);
    case Key::left:
        return QKeySequence(Qt::Key_Left);
    case Key::right:
        return QKeySequence(Qt::Key_Right);
    default:
        return {};
    }
}

} // namespace zorozo::qtview
