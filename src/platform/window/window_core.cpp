#include "platform/window/window_core.h"
