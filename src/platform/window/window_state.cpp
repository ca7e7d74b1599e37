#include "platform/window/window_state.h"
