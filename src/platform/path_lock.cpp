#include "platform/path_lock.h"

#include <map>
#include <memory>
#include <string>

namespace zorozo::platform {

std::filesystem::path canonical_file_path(const std::filesystem::path& file) {
    std::error_code ec;
    auto path = std::filesystem::weakly_canonical(file, ec);
    if (ec) {
        path = std::filesystem::absolute(file, ec).lexically_normal();
    }
    return path;
}

std::unique_lock<std::mutex> lock_path(const std::filesystem::path& canonical) {
    // The mutexes live as long as the process: a file's mutex must outlive every
    // lock on it, and the program touches only a handful of files.
    static std::mutex registry_mutex;
    static std::map<std::string, std::unique_ptr<std::mutex>> registry;
    std::mutex* file_mutex = nullptr;
    {
        std::lock_guard guard(registry_mutex);
        auto& slot = registry[canonical.string()];
        if (!slot) {
            slot = std::make_unique<std::mutex>();
        }
        file_mutex = slot.get();
    }
    return std::unique_lock(*file_mutex);
}

} // namespace zorozo::platform
