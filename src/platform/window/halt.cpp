#include "platform/window/halt.h"
