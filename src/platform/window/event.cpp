#include "platform/window/event.h"
