#pragma once
// Window and control fonts: names the definitions use mapped to installed
// families, sizes in points, styles. GUI thread (QFont is a GUI type).

#include "platform/window/definition.h"

#include <QFont>

namespace zorozo::qtview {

// Registers the substitutes for the Windows font names the definitions use
// ("Segoe UI", "MS Sans Serif", "Tahoma"); call once after the application exists.
void install_font_substitutes();

// The window's font: the definition's font, else the default "Segoe UI" 9.
QFont window_font(const window::Font& f);
// A control's font: the parts it leaves empty come from the window's font.
QFont control_font(const QFont& window_font, const window::Font& f);

} // namespace zorozo::qtview
