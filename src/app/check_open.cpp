#include "app/check_open.h"

#include "app/standard_warning.h"
#include "data/error_state.h"
#include "platform/window/dialogs.h"
#include "platform/window/halt.h"

namespace zorozo::app {

namespace errors = data::errors;

void create_file(data::File& file) {
    if (file.create() != errors::none) {
        standard_warning(4, file.name());
    }
    if (file.open() != errors::none) {
        standard_warning(5, file.name());
    }
}

void check_open(data::File& file, int override_create) {
    int e = file.open();
    if (e == errors::locked) {
        file.set_driver_option("Recover=10");
        e = file.open();
    }
    switch (e) {
    case errors::none:
    case errors::already_open:
        return;
    case errors::file_not_found:
        if (override_create == 1) {
            create_file(file);
            return;
        }
        standard_warning(4, file.name());
        break;
    case errors::key_damaged:
        standard_warning(2, file.name());
        if (file.rebuild() != errors::none) {
            standard_warning(3, file.name());
        }
        file.open();
        break;
    case errors::bad_declaration:
        standard_warning(1, file.name());
        break;
    default:
        break;
    }
    if (data::error().number != errors::none && data::error().number != errors::already_open) {
        if (standard_warning(30, file.name()) != 0) {
            window::halt(warning_exit_code, "Disk Error");
        }
    }
}

} // namespace zorozo::app
