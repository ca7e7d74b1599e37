#include "platform/window/placement.h"
