#pragma once
// The data layer's process-wide configuration: the connection settings and
// the full table name of each file. The frame sets them with one call to
// configure() before any file opens; the files read them when they open.
// Guarded by a mutex; any thread. Tests start afresh with reset_configuration().

#include "data/tables.h"

#include <string>
#include <string_view>

namespace zorozo::data {

struct ConnectionSettings {
    std::string data_source{}; // the ODBC data source; blank: connect directly to host and port
    std::string host{};
    int port = 0;
    std::string user{};
    std::string password{};
    std::string database{}; // also the first part of every table name
    std::string socket{};   // a unix socket for the direct connection, optional
};

// Sets the connection and the table names: database (trailing blanks cut),
// a point and the table (app_reg.reg_oprema). An empty database gives
// ".reg_oprema", as the frame has always composed it.
void configure(const ConnectionSettings& settings);
// Replaces one file's full table name (tests use tables of their own).
void set_table_name(FileId file, std::string_view full_name);
void reset_configuration();

ConnectionSettings connection_settings();
// The full table name of a file: N:REG_OPREMA and the like.
std::string table_name(FileId file);

// The ODBC connection text for the settings: through the data source when one
// is named (DSN=…;UID=…;PWD=…;DATABASE=…), otherwise directly with the MariaDB
// driver (DRIVER={MariaDB Unicode};SERVER=…;PORT=…). Both ask for utf8mb4.
// A value with ';', braces or outer blanks goes between braces.
std::string connection_string(const ConnectionSettings& settings);

} // namespace zorozo::data
