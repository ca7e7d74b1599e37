#pragma once
// The window events every window procedure of the program treats alike:
//  - a value its control's picture refuses: beep, show the control's value
//    again and select the control;
//  - the window opened: the first time only, show every control and select the
//    first one that takes input;
//  - the window gained focus: show every control;
//  - the window resized: post the refresh event to the window itself;
//  - the refresh event: show every control.
// Procedure thread of the window.

#include "platform/window/event.h"
#include "platform/window/window.h"

namespace zorozo::messages {

class StandardEvents {
public:
    explicit StandardEvents(window::Window& window) : window_(window) {}

    // True when the event is one of those above and has been dealt with; the
    // procedure then goes on to its next event.
    bool handle(const window::Event& event);

private:
    void first_display();

    window::Window& window_;
    bool initialised_ = false;
};

} // namespace zorozo::messages
