#pragma once
// Keys of the window services as Qt key sequences. Any thread.

#include "platform/window/key.h"

#include <QKeySequence>

namespace zorozo::qtview {

QKeySequence key_sequence(window::Key key);

} // namespace zorozo::qtview
