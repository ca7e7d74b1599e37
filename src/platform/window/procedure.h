#pragma once
// Procedures on threads of their own.
//
// start() runs a procedure on a new std::thread (the platform's default stack
// size) and returns at once. A procedure runs another on its own thread simply
// by calling it. Every exception that leaves a procedure is caught at the
// thread's root and reported to the backend (Backend::procedure_failed); a
// program stop (ProgramHalted) is reported as a halt. Threads are detached and
// kept in a registry, so the program can end without joining them.
//
// Any thread may call these functions.

#include "platform/window/window_state.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zorozo::window {

// The request, response and step-request words of the calling thread; all 0
// when a thread starts.
struct ThreadWords {
    std::int32_t request = 0;
    std::int32_t response = 0;
    std::int32_t step_request = 0;
};
ThreadWords& words();

inline constexpr std::int32_t request_select = 4;     // open a browse to pick a row
inline constexpr std::int32_t response_completed = 1; // a procedure completed its job
inline constexpr std::int32_t response_cancelled = 2; // it was left otherwise

// Starts procedure on a new thread; the name is what drivers find it by.
ProcedureId start(std::function<void()> procedure, std::string name);

ProcedureId current_procedure();
std::string current_procedure_name();

// True once every procedure thread is waiting: in next() with nothing to hand
// out, or for the answer of a message box or dialog, or ended. False when
// timeout passes first. Drivers wait with this, never with a sleep.
bool wait_until_idle(std::chrono::milliseconds timeout);
// True once every procedure thread has ended.
bool wait_until_ended(std::chrono::milliseconds timeout);
// A backend that answers a dialog calls this just before resolving the answer,
// so that wait_until_idle() does not take the procedure for idle until it has
// handled the answer.
void answer_coming(ProcedureId procedure);
// Procedure threads started and not yet ended.
int running_procedures();

// Wakes every procedure: each open window gets a close_down event and every
// pending message box or dialog answer resolves as cancelled. Used when the
// program closes down (and by test drivers at the end of a test).
void close_down_all();

} // namespace zorozo::window
