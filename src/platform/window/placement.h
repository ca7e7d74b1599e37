#pragma once
// Window placement kept in an INI file, one section per window:
// Maximize ("Yes"/"No"), XPosit, YPosit, Width, Height, in dialog units.
// Procedure thread of the window.

#include "platform/window/window.h"

#include <filesystem>
#include <string_view>

namespace zorozo::window {

// Records the window's normal placement and maximised state under section. A
// minimised window writes nothing; negative coordinates are written as 1.
void ini_save_window(Window& window, std::string_view section, const std::filesystem::path& file);

// Applies what ini_save_window recorded. A section without a Width (or Width 0)
// is ignored; XPosit or YPosit 0 skips the move; a window that is not
// resizable is moved but keeps its size; Maximize "Yes" (exactly) maximises.
void ini_restore_window(Window& window, std::string_view section,
                        const std::filesystem::path& file);

} // namespace zorozo::window
