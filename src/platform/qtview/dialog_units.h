#pragma once
// Dialog units to pixels and back, from a window's font: x is a quarter of the
// average character width, y an eighth of the character height. GUI thread.

#include "platform/window/definition.h"

#include <QFont>
#include <QRect>

namespace zorozo::qtview {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int du) const;
    int y(int du) const;
    int to_x(int px) const;
    int to_y(int px) const;
    QRect rect(const window::Rect& r) const;
    window::Rect to_rect(const QRect& r) const;
    double char_width() const { return char_width_; }
    int char_height() const { return char_height_; }

private:
    double char_width_ = 6;
    int char_height_ = 13;
};

} // namespace zorozo::qtview
