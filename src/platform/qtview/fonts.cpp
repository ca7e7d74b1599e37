#include "platform/qtview/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace zorozo::qtview {

namespace {

void apply_style(QFont& font, std::uint32_t style) {
    using namespace window::font_style;
    if (style & bold) {
        font.setWeight(QFont::Bold);
    } else if (style & semibold) {
        font.setWeight(QFont::DemiBold);
    }
    font.setItalic((style & italic) != 0);
    font.setUnderline((style & underline) != 0);
    font.setStrikeOut((style & strikeout) != 0);
}

} // namespace

void install_font_substitutes() {
    const QString sans =
        QFontDatabase::families().contains("Open Sans") ? "Open Sans" : "DejaVu Sans";
    QFont::insertSubstitution("Segoe UI", sans);
    QFont::insertSubstitution("Segoe UI Semibold", sans);
    QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
    QFont::insertSubstitution("Microsoft Sans Serif", "DejaVu Sans");
    QFont::insertSubstitution("Tahoma", "DejaVu Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

QFont window_font(const window::Font& f) {
    QFont font(f.name.empty() ? QString("Segoe UI") : QString::fromStdString(f.name));
    font.setPointSize(f.size > 0 ? f.size : 9);
    apply_style(font, f.style);
    return font;
}

QFont control_font(const QFont& base, const window::Font& f) {
    QFont font = base;
    if (!f.name.empty()) {
        font.setFamily(QString::fromStdString(f.name));
    }
    if (f.size > 0) {
        font.setPointSize(f.size);
    }
    if (f.style != window::font_style::regular) {
        apply_style(font, f.style);
    }
    return font;
}

} // namespace zorozo::qtview
