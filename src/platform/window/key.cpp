#include "platform/window/key.h"
