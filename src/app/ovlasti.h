#pragma once
// OVLASTI: the permissions command of the frame's menu, started on a thread
// of its own. It says that the procedure is not available (warning 6,
// "Ovlasti") and leaves the response "cancelled".
//
// Runs on its own procedure thread.

namespace zorozo::app {

void ovlasti();

} // namespace zorozo::app
