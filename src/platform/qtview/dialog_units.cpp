#include "platform/qtview/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace zorozo::qtview {

DialogUnits::DialogUnits(const QFont& font) {
    // The average width of the letters, as the dialog-unit base is defined.
    const QFontMetricsF fm(font);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    char_width_ = std::max(1.0, fm.horizontalAdvance(letters) / letters.size());
    char_height_ = std::max(1, static_cast<int>(std::ceil(fm.height())));
}

int DialogUnits::x(int du) const {
    return static_cast<int>(std::lround(du * char_width_ / 4.0));
}
int DialogUnits::y(int du) const {
    return static_cast<int>(std::lround(du * char_height_ / 8.0));
}
int DialogUnits::to_x(int px) const {
    return static_cast<int>(std::lround(px * 4.0 / char_width_));
}
int DialogUnits::to_y(int px) const {
    return static_cast<int>(std::lround(px * 8.0 / char_height_));
}

QRect DialogUnits::rect(const window::Rect& r) const {
    return {x(r.x), y(r.y), x(r.width), y(r.height)};
}

window::Rect DialogUnits::to_rect(const QRect& r) const {
    return {to_x(r.x()), to_y(r.y()), to_x(r.width()), to_y(r.height())};
}

} // namespace zorozo::qtview
