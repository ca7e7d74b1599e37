#include "platform/window/list_rows.h"
