#include "app/ovlasti.h"

#include "app/standard_warning.h"
#include "platform/window/procedure.h"

namespace zorozo::app {

void ovlasti() {
    if (standard_warning(6, "Ovlasti") != 0) {
        window::words().response = window::response_cancelled;
    }
}

} // namespace zorozo::app
