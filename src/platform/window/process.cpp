#include "platform/window/process.h"
