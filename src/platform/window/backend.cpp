#include "platform/window/backend.h"
