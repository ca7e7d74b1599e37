#include "platform/ini.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

namespace zorozo::ini {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class IniFile : public ::testing::Test {
protected:
    IniFile() {
        static std::atomic<int> counter{0};
        folder_ =
            fs::temp_directory_path() / ("zorozo_ini_" + std::to_string(std::random_device{}()) +
                                         "_" + std::to_string(counter++));
        fs::create_directories(folder_);
        file_ = folder_ / "test.ini";
    }
    ~IniFile() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    void put(const std::string& bytes) const { std::ofstream(file_, std::ios::binary) << bytes; }
    std::string bytes() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    fs::path file_;
};

TEST_F(IniFile, ReadsValuesAndDefaults) {
    const std::string content = "; settings\n"
                                "top=outside any section\n"
                                "[kw_zezido]\n"
                                "my:host = db.example  \n"
                                "my:port=3307\n"
                                "My:User=root\n"
                                "  my:psw=qzabc=def==pu907\n"
                                "empty=\n"
                                "my:port=9999\n"
                                "; my:db=commented\n"
                                "[other]\n"
                                "my:db=other_db\n"
                                "[KW_ZEZIDO]\n"
                                "my:db=second_section\n";
    struct Case {
        std::string section, key, expected;
    };
    const Case cases[] = {
        {"kw_zezido", "my:host", "db.example"},      // blanks around dropped
        {"kw_zezido", "my:port", "3307"},            // the first of two keys wins
        {"kw_zezido", "MY:USER", "root"},            // key in another case
        {"KW_Zezido", "my:user", "root"},            // section in another case
        {"kw_zezido", "my:psw", "qzabc=def==pu907"}, // only the first '=' separates
        {"kw_zezido", "empty", ""},
        {"kw_zezido", "my:db", "DEF"}, // the first matching section wins
        {"kw_zezido", "top", "DEF"},
        {"other", "my:db", "other_db"},
        {"missing", "my:db", "DEF"},
        {"kw_zezido", "missing", "DEF"},
    };
    for (const char* line_end : {"\n", "\r\n"}) {
        std::string with_ends;
        for (char c : content) {
            with_ends += c == '\n' ? std::string(line_end) : std::string(1, c);
        }
        put(with_ends);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(line_end == std::string("\n") ? "LF " : "CRLF ") + c.section +
                         "/" + c.key);
            EXPECT_EQ(read(file_, c.section, c.key, "DEF"), c.expected);
        }
    }
}

TEST_F(IniFile, MissingFileGivesTheDefault) {
    EXPECT_EQ(read(folder_ / "none.ini", "kw_zezido", "my:port", "3306"), "3306");
    EXPECT_EQ(read(folder_, "kw_zezido", "my:port", "x"), "x"); // a folder, not a file
}

TEST_F(IniFile, LongValuesAreReadUpTo1023Characters) {
    const std::string long_value(1500, 'x');
    put("[s]\r\nk=" + long_value + "\r\n");
    EXPECT_EQ(read(file_, "s", "k", ""), long_value.substr(0, 1023));
}

TEST_F(IniFile, CroatianLettersAreWindows1250OnDisk) {
    put("[Sekcija]\r\nime=\xC8\xE6\xF0\x9A\x9E\r\n");
    EXPECT_EQ(read(file_, "Sekcija", "ime", ""), "Čćđšž");
    ASSERT_TRUE(write(file_, "Sekcija", "grad", "Šibenik"));
    ASSERT_TRUE(write(file_, "Sekcija", "ključ", "čćđšž"));
    EXPECT_EQ(bytes(), "[Sekcija]\r\nime=\xC8\xE6\xF0\x9A\x9E\r\ngrad=\x8Aibenik\r\n"
                       "klju\xE8=\xE8\xE6\xF0\x9A\x9E\r\n");
    EXPECT_EQ(read(file_, "Sekcija", "KLJUČ", ""), "čćđšž"); // Croatian letters in another case
}

TEST_F(IniFile, WriteCreatesFileFoldersSectionAndKey) {
    const fs::path nested = folder_ / "c" / "talvenor" / "kw_zezido.INI";
    ASSERT_TRUE(write(nested, "Main", "Maximize", "No"));
    ASSERT_TRUE(write(nested, "Main", "XPosit", "12"));
    ASSERT_TRUE(write(nested, "Login", "Width", "200"));
    std::ifstream in(nested, std::ios::binary);
    const std::string on_disk{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(on_disk, "[Main]\r\nMaximize=No\r\nXPosit=12\r\n\r\n[Login]\r\nWidth=200\r\n");
    EXPECT_EQ(read(nested, "main", "xposit", ""), "12");
}

TEST_F(IniFile, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
    put("; kept comment\n"
        "[a]\n"
        "one=1\n"
        "Two = 2\n"
        "\n"
        "[b]\n"
        "x=old\n"
        "garbage line\n");
    ASSERT_TRUE(write(file_, "A", "two", "22   ")); // trailing blanks are cut
    ASSERT_TRUE(write(file_, "a", "three", "3"));   // a new key joins the end of its section
    ASSERT_TRUE(write(file_, "b", "x", "a=b"));
    EXPECT_EQ(bytes(), "; kept comment\r\n"
                       "[a]\r\n"
                       "one=1\r\n"
                       "two=22\r\n"
                       "three=3\r\n"
                       "\r\n"
                       "[b]\r\n"
                       "x=a=b\r\n"
                       "garbage line\r\n");
    EXPECT_EQ(read(file_, "b", "x", ""), "a=b");
}

TEST_F(IniFile, UnwritableValuesAreRefusedAndChangeNothing) {
    put("[s]\r\nk=v\r\n");
    struct Case {
        std::string section, key, value;
    };
    const Case cases[] = {
        {"s", "k", "v\r\nadmin=1"}, // a line break would add a key
        {"s", "k\nx", "v"},         {"s\n[t", "k", "v"}, {"s]x", "k", "v"},
        {"s", "a=b", "v"},          {"s", "", "v"},      {"", "k", "v"},
        {"s", ";k", "v"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key + "/" + c.value);
        EXPECT_FALSE(write(file_, c.section, c.key, c.value));
        EXPECT_EQ(bytes(), "[s]\r\nk=v\r\n");
    }
}

TEST_F(IniFile, FailingWriteReturnsFalseAndLeavesTheOldFile) {
    put("[s]\r\nk=v\r\n");
    // A folder that is a file cannot hold the INI file.
    EXPECT_FALSE(write(file_ / "inner.ini", "s", "k", "new"));
    EXPECT_EQ(bytes(), "[s]\r\nk=v\r\n");
    // A file that is a folder cannot be replaced.
    fs::create_directories(folder_ / "dir.ini");
    EXPECT_FALSE(write(folder_ / "dir.ini", "s", "k", "new"));
    EXPECT_TRUE(fs::is_directory(folder_ / "dir.ini"));
    // Nothing half-written is left beside them.
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        left.push_back(entry.path().filename());
    }
    EXPECT_EQ(left.size(), 2u);
}

TEST_F(IniFile, WritesFromTwoThreadsAtOnceAllSurvive) {
    constexpr int per_thread = 200;
    std::atomic<int> failures{0};
    auto writer = [&](const std::string& prefix) {
        for (int i = 0; i < per_thread; ++i) {
            if (!write(file_, "Paketi", prefix + std::to_string(i), std::to_string(i))) {
                ++failures;
            }
        }
    };
    {
        std::jthread a(writer, "a");
        // The second thread names the file by another spelling of the same path.
        std::jthread b([&] {
            for (int i = 0; i < per_thread; ++i) {
                if (!write(folder_ / "." / "test.ini", "PAKETI", "b" + std::to_string(i),
                           std::to_string(i))) {
                    ++failures;
                }
            }
        });
    }
    EXPECT_EQ(failures, 0);
    for (const char* prefix : {"a", "b"}) {
        for (int i = 0; i < per_thread; ++i) {
            EXPECT_EQ(read(file_, "paketi", prefix + std::to_string(i), "missing"),
                      std::to_string(i));
        }
    }
}

} // namespace
} // namespace zorozo::ini
