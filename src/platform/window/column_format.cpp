#include "platform/window/column_format.h"
