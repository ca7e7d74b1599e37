#include "platform/qtview/resources.h"

#include <QPixmapCache>
#include <array>
#include <utility>

namespace zorozo::qtview {

namespace {

// The names as the window definitions give them, and the file that draws each.
constexpr std::array<std::pair<std::string_view, std::string_view>, 27> table{{
    {"WAFRAME.ICO", "icons/waframe.png"},
    {"kw_lozinka.ico", "icons/kw_lozinka.png"},
    {"11_ok.ico", "icons/ok.png"},
    {"KWCancel.ico", "icons/cancel.png"},
    {"List_ok.ico", "icons/list_ok.png"},
    {"checkon.ico", "icons/checkon.png"},
    {"checkoff.ico", "icons/checkoff.png"},
    {"print.ico", "icons/print.png"},
    {"resize.ico", "icons/resize.png"},
    {"resize_auto.ico", "icons/resize_auto.png"},
    {"web_help.ico", "icons/web_help.png"},
    {"helpx1.ico", "icons/help.png"},
    {"xplus.ico", "icons/plus.png"},
    {"xminus.ico", "icons/minus.png"},
    {"xclear.ico", "icons/clear.png"},
    {"xizmjena.ico", "icons/edit.png"},
    {"Def_kontrola.ico", "icons/def_kontrola.png"},
    {"Def_util.ico", "icons/def_util.png"},
    {"SBULLETS.ICO", "icons/bullets.png"},
    {"L_Ljevo1.ico", "icons/left.png"},
    {"dolje11.ico", "icons/down.png"},
    {"server-room.jpg", "images/server-room.png"},
    {"images (8).jpg", "images/login.png"},
    {"Katalog - Copy.jpg", "images/katalog.png"},
    {"KWTolbar.bmp", "images/kwtolbar.png"},
    {"kwgr.bmp", "images/kwgr.png"},
    {"kw_tab1.bmp", "images/kw_tab1.png"},
}};

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

QString resource_path(std::string_view name) {
    while (!name.empty() && (name.front() == '~' || name.front() == ' ')) {
        name.remove_prefix(1);
    }
    for (const auto& [known, file] : table) {
        if (same_name(known, name)) {
            return ":/zorozo/" +
                   QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        }
    }
    return {};
}

QIcon resource_icon(std::string_view name) {
    const QString path = resource_path(name);
    return path.isEmpty() ? QIcon() : QIcon(path);
}

QPixmap resource_pixmap(std::string_view name) {
    const QString path = resource_path(name);
    QPixmap p;
    if (!path.isEmpty() && !QPixmapCache::find(path, &p)) {
        p.load(path);
        QPixmapCache::insert(path, p);
    }
    return p;
}

} // namespace zorozo::qtview
