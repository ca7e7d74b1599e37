#include "platform/window/user_action.h"
