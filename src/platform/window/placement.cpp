#include "platform/window/placement.h"

#include "platform/ini.h"
#include "platform/text.h"

#include <string>

namespace zorozo::window {
namespace {

// Section names are kept to 79 characters.
std::string section_name(std::string_view s) {
    return text::clip(s, 79);
}

std::int32_t read_number(const std::filesystem::path& file, const std::string& section,
                         std::string_view key) {
    return text::to_number(ini::read(file, section, key, ""));
}

} // namespace

void ini_save_window(Window& window, std::string_view section_text,
                     const std::filesystem::path& file) {
    const std::string section = section_name(section_text);
    const char* maximize = window.maximized() ? "Yes" : "No";
    // The coordinates written are those of the normal window.
    window.set_maximized(false);
    if (window.minimized()) {
        return;
    }
    const Rect r = window.rect();
    // Failed writes are not reported: the window simply opens at its declared place next time.
    (void)ini::write(file, section, "Maximize", maximize);
    (void)ini::write(file, section, "XPosit", text::from_number(r.x < 0 ? 1 : r.x));
    (void)ini::write(file, section, "YPosit", text::from_number(r.y < 0 ? 1 : r.y));
    (void)ini::write(file, section, "Width", text::from_number(r.width));
    (void)ini::write(file, section, "Height", text::from_number(r.height));
}

void ini_restore_window(Window& window, std::string_view section_text,
                        const std::filesystem::path& file) {
    const std::string section = section_name(section_text);
    if (read_number(file, section, "Width") == 0) {
        return;
    }
    if (!window.maximized()) {
        const std::int32_t x = read_number(file, section, "XPosit");
        const std::int32_t y = x == 0 ? 0 : read_number(file, section, "YPosit");
        if (x != 0 && y != 0) {
            if (window.resizable()) {
                const std::int32_t w = read_number(file, section, "Width");
                const std::int32_t h = read_number(file, section, "Height");
                if (w != 0 && h != 0) {
                    window.set_position(x, y);
                    window.set_size(w, h);
                }
            } else {
                window.set_position(x, y);
            }
        }
    }
    window.set_maximized(ini::read(file, section, "Maximize", "") == "Yes");
}

} // namespace zorozo::window
