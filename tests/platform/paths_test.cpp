#include "platform/paths.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zorozo::paths {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Paths, RootFromTheEnvironment) {
    {
        ScopedEnv moved("ZOROZO_ROOT", "/tmp/zorozo_root");
        EXPECT_EQ(root(), fs::path("/tmp/zorozo_root"));
    }
    {
        ScopedEnv moved("ZOROZO_ROOT", nullptr);
        ScopedEnv home("HOME", "/home/ana");
        EXPECT_EQ(root(), fs::path("/home/ana/.local/share/zorozo"));
    }
    {
        ScopedEnv moved("ZOROZO_ROOT", "");
        ScopedEnv home("HOME", nullptr);
        EXPECT_EQ(root(), fs::current_path() / ".local/share/zorozo");
    }
}

TEST(Paths, DrivePathsMapBelowTheRoot) {
    ScopedEnv moved("ZOROZO_ROOT", "/r");
    struct Case {
        std::string windows;
        fs::path mapped;
    };
    const Case cases[] = {
        {"c:\\talvenor\\kw_zezido.INI", "/r/c/talvenor/kw_zezido.INI"},
        {"C:\\Talvenor\\kw_zezido.INI", "/r/c/Talvenor/kw_zezido.INI"},
        {"d:/a\\b//c.txt", "/r/d/a/b/c.txt"},
        {"c:\\a\\.\\b\\..\\c.ini", "/r/c/a/c.ini"},
        {"c:\\..\\..\\etc\\passwd", "/r/c/etc/passwd"}, // never above the drive's folder
        {"c:", "/r/c"},
        {"relative/name.ini", "relative/name.ini"}, // not a drive path
        {"/abs/name.ini", "/abs/name.ini"},
        {"1:\\x", "1:\\x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windows);
        EXPECT_EQ(map_drive_path(c.windows), c.mapped);
    }
    EXPECT_EQ(placement_file(), fs::path("/r/c/talvenor/kw_zezido.INI"));
}

TEST(Paths, NamesInTheCurrentFolder) {
    const auto here = fs::current_path();
    EXPECT_EQ(in_current_folder("kw_zezido.ini"), here / "kw_zezido.ini");
    EXPECT_EQ(in_current_folder("\\kw_zezido.ini"), here / "kw_zezido.ini");
    EXPECT_EQ(in_current_folder("KwIspis\\Auto_x_ispis.tps"),
              here / "KwIspis" / "Auto_x_ispis.tps");
}

} // namespace
} // namespace zorozo::paths
