#include "platform/ini.h"
#include "platform/window/placement.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace zorozo::window {
namespace {

class Placement : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zorozo_placement_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        file_ = dir_ / "kw_zezido.INI";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string value(const char* key) const { return ini::read(file_, "Postavke", key, "<none>"); }
    void store(const char* key, const char* v) {
        ASSERT_TRUE(ini::write(file_, "Postavke", key, v));
    }

    static WindowDef def(bool resizable = true) {
        WindowDef d;
        d.caption = "Postavke";
        d.rect = {20, 30, 256, 172};
        d.resizable = resizable;
        return d;
    }

    std::filesystem::path dir_;
    std::filesystem::path file_;
};

TEST_F(Placement, SavesTheNormalPlacementAndMaximisedState) {
    struct Case {
        const char* name;
        Rect rect;
        bool maximized;
        const char *maximize, *x, *y;
    };
    const Case cases[] = {
        {"normal", {40, 50, 300, 200}, false, "No", "40", "50"},
        {"maximised", {40, 50, 300, 200}, true, "Yes", "40", "50"},
        {"dragged off the top left", {-12, -3, 300, 200}, false, "No", "1", "1"},
        {"off the left only", {-1, 0, 300, 200}, false, "No", "1", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window w(def());
        w.set_position(c.rect.x, c.rect.y);
        w.set_size(c.rect.width, c.rect.height);
        w.set_maximized(c.maximized);
        ini_save_window(w, "Postavke", file_);
        EXPECT_EQ(value("Maximize"), c.maximize);
        EXPECT_EQ(value("XPosit"), c.x);
        EXPECT_EQ(value("YPosit"), c.y);
        EXPECT_EQ(value("Width"), "300");
        EXPECT_EQ(value("Height"), "200");
        EXPECT_FALSE(w.maximized()); // the save leaves the window in its normal state
    }
}

TEST_F(Placement, MinimisedWindowWritesNothing) {
    store("Maximize", "Yes");
    store("XPosit", "7");
    Window w(def());
    w.set_minimized(true);
    ini_save_window(w, "Postavke", file_);
    EXPECT_EQ(value("Maximize"), "Yes");
    EXPECT_EQ(value("XPosit"), "7");
    EXPECT_EQ(value("Width"), "<none>");
}

TEST_F(Placement, RestoreFollowsTheStoredValues) {
    struct Case {
        const char* name;
        bool resizable;
        const char *maximize, *x, *y, *width, *height; // nullptr: key not written
        Rect expected;
        bool maximized;
    };
    const Rect declared{20, 30, 256, 172};
    const Case cases[] = {
        {"all stored", true, "No", "40", "50", "300", "200", {40, 50, 300, 200}, false},
        {"maximised", true, "Yes", "40", "50", "300", "200", {40, 50, 300, 200}, true},
        {"lower-case yes", true, "yes", "40", "50", "300", "200", {40, 50, 300, 200}, false},
        {"no width: section ignored", true, "Yes", "40", "50", nullptr, "200", declared, false},
        {"width 0: section ignored", true, "Yes", "40", "50", "0", "200", declared, false},
        {"XPosit 0: no move, Maximize applies", true, "Yes", "0", "50", "300", "200", declared,
         true},
        {"YPosit 0: no move", true, "No", "40", "0", "300", "200", declared, false},
        {"height 0: no move", true, "No", "40", "50", "300", "0", declared, false},
        {"not resizable: moved only",
         false,
         "No",
         "40",
         "50",
         "300",
         "200",
         {40, 50, 256, 172},
         false},
        {"not numbers", true, "No", "abc", "50", "300", "200", declared, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(file_);
        const char* keys[] = {"Maximize", "XPosit", "YPosit", "Width", "Height"};
        const char* values[] = {c.maximize, c.x, c.y, c.width, c.height};
        for (int i = 0; i < 5; ++i) {
            if (values[i]) {
                store(keys[i], values[i]);
            }
        }
        Window w(def(c.resizable));
        ini_restore_window(w, "Postavke", file_);
        EXPECT_EQ(w.rect(), c.expected);
        EXPECT_EQ(w.maximized(), c.maximized);
    }
}

TEST_F(Placement, MissingFileKeepsTheDeclaredPlacementAndARoundTripRestoresIt) {
    Window first(def());
    ini_restore_window(first, "Postavke", file_);
    EXPECT_EQ(first.rect(), (Rect{20, 30, 256, 172}));

    first.set_position(70, 80);
    first.set_size(320, 240);
    first.set_maximized(true);
    ini_save_window(first, "Postavke", file_);

    Window again(def());
    ini_restore_window(again, "Postavke", file_);
    EXPECT_EQ(again.rect(), (Rect{70, 80, 320, 240}));
    EXPECT_TRUE(again.maximized());
}

} // namespace
} // namespace zorozo::window
