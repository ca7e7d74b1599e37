#include "data/error_state.h"

namespace zorozo::data {

namespace {
thread_local ErrorState state;
} // namespace

std::string_view error_text(int number) {
    switch (number) {
    case errors::none:
        return "";
    case errors::file_not_found:
        return "File Not Found";
    case errors::locked:
        return "File Is Already Locked";
    case errors::no_more_rows:
        return "Record Not Available";
    case errors::record_not_found:
        return "Record Not Found";
    case errors::not_open:
        return "File Not Open";
    case errors::key_damaged:
        return "Key File Must Be Rebuilt";
    case errors::bad_declaration:
        return "Invalid Record Declaration";
    case errors::already_open:
        return "File Already Open";
    case errors::server_error:
        return "File System Error";
    default:
        return "Unknown Error";
    }
}

const ErrorState& error() {
    return state;
}

int set_error(int number, std::string_view file) {
    state.number = number;
    state.text = error_text(number);
    state.file = file;
    state.server_text.clear();
    state.server_code.clear();
    return number;
}

int set_server_error(std::string_view file, std::string_view server_text,
                     std::string_view server_code) {
    set_error(errors::server_error, file);
    state.server_text = server_text;
    state.server_code = server_code;
    return errors::server_error;
}

void clear_error(std::string_view file) {
    set_error(errors::none, file);
}

} // namespace zorozo::data
