#include "program_fixture.h"

#include "app/globals.h"
#include "app/main_frame.h"
#include "app/settings.h"
#include "data/config.h"
#include "data/error_state.h"
#include "data/thread_files.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <cstdlib>

namespace zorozo::testing {

void ProgramTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorozo-app-XXXXXX").string();
    base_ = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(work());
    std::filesystem::create_directories(root());
    previous_folder_ = std::filesystem::current_path();
    std::filesystem::current_path(work());
    ::setenv("ZOROZO_ROOT", root().c_str(), 1);
    app::program().reset();
    data::reset_configuration();
    driver = std::make_unique<Driver>();
}

void ProgramTest::TearDown() {
    driver.reset(); // closes the program down and waits for its threads
    data::close_thread_files();
    data::reset_configuration();
    app::program().reset();
    std::filesystem::current_path(previous_folder_);
    ::unsetenv("ZOROZO_ROOT");
    std::error_code ec;
    std::filesystem::remove_all(base_, ec);
}

void ProgramTest::write_settings(const DbEnv& db, const std::string& database) {
    const auto file = app::settings_file();
    const std::pair<const char*, std::string> values[] = {
        {"my:naziv", db.dsn}, {"my:host", db.host}, {"my:port", text::from_number(db.port)},
        {"my:user", db.user}, {"my:db", database},  {"my:psw", app::wrap_password(db.password)},
    };
    for (const auto& [key, value] : values) {
        ASSERT_TRUE(ini::write(file, "kw_zezido", key, value));
    }
}

void ProgramTest::start_program(std::vector<std::string> args) {
    driver->start([args] { app::main_frame(args); }, "MAIN");
}

window::WindowState ProgramTest::window(std::string_view caption) {
    EXPECT_TRUE(driver->wait());
    auto w = driver->window(caption);
    EXPECT_TRUE(w.has_value()) << "no window \"" << caption << "\" is open";
    return w.value_or(window::WindowState{});
}

int ProgramTest::sql(const std::string& statement) {
    app::procitaj_postavke();
    app::configure_data_layer();
    data::File& f = data::file(data::FileId::kwbrowse);
    if (!f.is_open()) {
        if (int err = f.open(); err != 0) {
            ADD_FAILURE() << "cannot open " << f.name() << ": " << data::error().text << " "
                          << data::error().server_text;
            return err;
        }
    }
    return f.send(statement);
}

} // namespace zorozo::testing
