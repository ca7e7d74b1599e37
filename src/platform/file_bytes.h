#pragma once
// Whole-file reading and replacing of small files. Any thread; callers that
// read, change and write one file serialise themselves (see path_lock.h).

#include <filesystem>
#include <string>
#include <string_view>

namespace zorozo::platform {

struct FileBytes {
    enum class Status { read, missing, failed };
    Status status = Status::missing;
    std::string bytes;
};

// The bytes of a file; missing when there is no such file, failed when it
// exists but cannot be read.
FileBytes read_file_bytes(const std::filesystem::path& file);

// Replaces the file by the given bytes: creates the parent folders, writes a
// new file beside the old one and renames it over it, so that the file holds
// either its old or its new content, never a part. False on any failure; the
// old file is then unchanged.
[[nodiscard]] bool replace_file_bytes(const std::filesystem::path& file, std::string_view bytes);

} // namespace zorozo::platform
