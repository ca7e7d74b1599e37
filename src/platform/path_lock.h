#pragma once
// A process-wide mutex per file, so that read-modify-write cycles of one file
// made by several threads run one after the other. Any thread.

#include <filesystem>
#include <mutex>

namespace zorozo::platform {

// The canonical form of a file's path (symbolic links and "." / ".." resolved
// as far as the path exists); the same file always gives the same path.
std::filesystem::path canonical_file_path(const std::filesystem::path& file);

// Locks the mutex of the file with the given canonical path until the lock is
// dropped.
std::unique_lock<std::mutex> lock_path(const std::filesystem::path& canonical);

} // namespace zorozo::platform
