#pragma once
// The icons and images the window definitions name ("11_ok.ico",
// "~checkon.ico", "server-room.jpg" ...), shipped inside the program as Qt
// resources. Names compare without regard to case; a leading '~' (an icon of
// the program's own) is ignored. GUI thread.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace zorozo::qtview {

// The resource path for a name the windows use; empty when none is known.
QString resource_path(std::string_view name);
// A null icon / pixmap for an unknown name.
QIcon resource_icon(std::string_view name);
QPixmap resource_pixmap(std::string_view name);

} // namespace zorozo::qtview
