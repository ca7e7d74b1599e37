#pragma once
// The settings file kw_zezido.ini in the current folder, section "kw_zezido".
// Calling thread; the values go to and come from the program state's settings.

#include <filesystem>
#include <string>
#include <string_view>

namespace zorozo::app {

// The settings file: the current folder at the time of the call.
std::filesystem::path settings_file();

// The database password as stored: "qz", the password without trailing
// blanks, "pu907".
std::string wrap_password(std::string_view plain);
// The password back from its stored form. A text wrapped as above gives the
// password whatever its length; any other text gives its characters 3 to 11,
// the rule older files (and the default "tarvomel.") are read with.
std::string unwrap_password(std::string_view stored);

// PROCITAJ_POSTAVKE: reads the eight settings, each with its default when the
// file, the section or the key is missing; texts are cut to their widths, the
// port is the text turned into a number.
void procitaj_postavke();

struct SaveResult {
    bool ok = true;
    std::filesystem::path file; // the settings file written (or that could not be)
};

// Writes the eight settings as they stand in the program state; the password
// wrapped. ok is false when the file could not be written.
SaveResult spremi_postavke();

} // namespace zorozo::app
