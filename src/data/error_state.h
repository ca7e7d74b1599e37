#pragma once
// The error state of the calling thread, set by every file operation: the
// error number (0 = none), its text, the full table name of the file
// involved, and for errors the server reported (number 90) the server's own
// text and code. Each thread sees only its own state.

#include <string>
#include <string_view>

namespace zorozo::data {

namespace errors {
inline constexpr int none = 0;
inline constexpr int file_not_found = 2;    // the table does not exist
inline constexpr int locked = 32;           // another session holds the table locked
inline constexpr int no_more_rows = 33;     // no further row of the result
inline constexpr int record_not_found = 35; // fetch by key or write back found no row
inline constexpr int not_open = 37;         // the file is not open on this thread
inline constexpr int key_damaged = 46;      // the server reports the table as crashed
inline constexpr int bad_declaration = 47;  // the table's columns do not match the declaration
inline constexpr int already_open = 52;     // the file is already open on this thread
inline constexpr int server_error = 90;     // the server or the driver refused
} // namespace errors

// The fixed text of an error number ("File Not Found" ...).
std::string_view error_text(int number);

struct ErrorState {
    int number = 0;
    std::string text{};
    std::string file{};
    std::string server_text{}; // number 90: the server's or driver's message
    std::string server_code{}; // number 90: the server's error number, or the SQLSTATE
};

// The calling thread's state after its last file operation.
const ErrorState& error();

// Set by the file operations of this thread; the return value is the number.
int set_error(int number, std::string_view file);
int set_server_error(std::string_view file, std::string_view server_text,
                     std::string_view server_code);
void clear_error(std::string_view file);

} // namespace zorozo::data
