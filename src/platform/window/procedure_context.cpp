#include "platform/window/procedure_context.h"

#include <algorithm>
#include <atomic>

namespace zorozo::window::detail {
namespace {

thread_local std::shared_ptr<ProcedureContext> tl_context;

} // namespace

ProcedureId new_procedure_id() {
    static std::atomic<ProcedureId> n{0};
    return ++n;
}

bool ProcedureContext::has_window(const WindowCore* window) const {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

Hub& hub() {
    static Hub* h = new Hub;
    return *h;
}

const std::shared_ptr<ProcedureContext>& current_context() {
    if (!tl_context) {
        tl_context = std::make_shared<ProcedureContext>();
        tl_context->id = new_procedure_id();
    }
    return tl_context;
}

void set_current_context(std::shared_ptr<ProcedureContext> ctx) {
    if (ctx->id == 0) {
        ctx->id = new_procedure_id();
    }
    tl_context = std::move(ctx);
}

AnsweringScope::AnsweringScope() {
    auto& h = hub();
    std::lock_guard lock(h.mutex);
    current_context()->state = ThreadState::answering;
    h.changed.notify_all();
}

AnsweringScope::~AnsweringScope() {
    auto& h = hub();
    std::lock_guard lock(h.mutex);
    current_context()->state = ThreadState::running;
}

void throw_if_halted() {
    auto& h = hub();
    std::unique_lock lock(h.mutex);
    if (h.halted) {
        ProgramHalted copy = *h.halted;
        lock.unlock();
        throw copy;
    }
}

void mark_halted(int code, std::string_view final_text) {
    auto& h = hub();
    std::lock_guard lock(h.mutex);
    if (!h.halted) {
        h.halted = ProgramHalted{code, std::string(final_text)};
    }
    for (auto& t : h.threads) {
        t->wake.notify_all();
    }
    h.changed.notify_all();
}

bool reset_program() {
    auto& h = hub();
    std::lock_guard lock(h.mutex);
    if (!h.threads.empty()) {
        return false;
    }
    h.halted.reset();
    return true;
}

} // namespace zorozo::window::detail
