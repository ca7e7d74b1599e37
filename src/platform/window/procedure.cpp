#include "platform/window/procedure.h"
