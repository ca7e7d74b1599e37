#include "platform/window/dialogs.h"
