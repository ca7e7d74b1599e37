#pragma once
// Where the program's files live on this machine. Any thread.

#include <filesystem>
#include <string_view>

namespace zorozo::paths {

// The current folder of the process (at the time of the call) joined with name.
// Backslashes and slashes in name both separate folders, and a leading one is
// dropped, so "\kw_zezido.ini" as the Windows callers write it works too.
std::filesystem::path in_current_folder(std::string_view name);

// The folder that stands in for the Windows drives: $ZOROZO_ROOT when set,
// otherwise $HOME/.local/share/zorozo (the current folder in place of $HOME
// when HOME is not set).
std::filesystem::path root();

// A Windows drive path such as "c:\talvenor\kw_zezido.INI" mapped below root():
// root()/c/talvenor/kw_zezido.INI (the drive letter in lower case,
// backslashes as folders; "." and ".." are resolved and never lead above the
// drive's folder). Other paths are returned as they are.
std::filesystem::path map_drive_path(std::string_view windows_path);

// The placement file "c:\talvenor\kw_zezido.INI", mapped.
std::filesystem::path placement_file();

} // namespace zorozo::paths
