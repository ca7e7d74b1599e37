#pragma once
// MAIN: the application frame "VE Zorozo". Reads the settings, points the data
// layer at the configured server and table names, honours the first argument
// "PRIJAVA", opens the frame with its menu, starts the login on a thread of its
// own and runs until the frame is closed; then the program ends with exit
// code 0. Run it on a procedure thread of its own.

#include <string>
#include <vector>

namespace zorozo::app {

// args: the command-line arguments after the program's name.
void main_frame(std::vector<std::string> args);

// Points the data layer at the server and the table names of the settings
// that are read in; the frame does it before any file opens.
void configure_data_layer();

// APP:COM from the arguments: the first one, up to a comma; double quotes
// group and are dropped.
std::string first_argument(const std::vector<std::string>& args);

} // namespace zorozo::app
