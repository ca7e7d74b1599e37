#pragma once
// Where the program's files live on this machine. Any thread.

#include <filesystem>
#include <string_view>

namespace zorozo::paths {

// The current folder of the process (at the time of the call) joined with name.
std::filesystem::path in_current_folder(std::string_view name);

// The folder that stands in for the Windows drives: $ZOROZO_ROOT when set,
// otherwise ~/.local/share/zorozo.
std::filesystem::path root();

// A Windows drive path such as "c:\talvenor\kw_zezido.INI" mapped below root():
// root()/c/talvenor/kw_zezido.INI (the drive letter in lower case,
// backslashes as folders). Other paths are returned as they are.
std::filesystem::path map_drive_path(std::string_view windows_path);

// The placement file "c:\talvenor\kw_zezido.INI", mapped.
std::filesystem::path placement_file();

} // namespace zorozo::paths
