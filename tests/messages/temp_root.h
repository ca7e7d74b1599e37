#pragma once
// A temporary folder for one test, set as ZOROZO_ROOT (where the placement file
// lives) for the test's duration and removed afterwards. Test thread only.

#include <cstdlib>
#include <filesystem>
#include <string>

class TempRoot {
public:
    TempRoot() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zorozo-msg-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::setenv("ZOROZO_ROOT", path_.c_str(), 1);
    }
    ~TempRoot() {
        ::unsetenv("ZOROZO_ROOT");
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
