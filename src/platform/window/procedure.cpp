#include "platform/window/procedure.h"

#include "platform/window/backend.h"
#include "platform/window/halt.h"
#include "platform/window/procedure_context.h"
#include "platform/window/window_core.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace zorozo::window {
namespace {

thread_local ThreadWords tl_words;

void report_failure(const detail::ProcedureContext& ctx, std::string_view what) {
    if (auto b = backend()) {
        b->procedure_failed(ctx.id, ctx.name, what);
    }
}

void thread_root(std::shared_ptr<detail::ProcedureContext> ctx, std::function<void()> procedure) {
    detail::set_current_context(ctx);
    try {
        procedure();
    } catch (const ProgramHalted& h) {
        if (auto b = backend()) {
            b->procedure_halted(ctx->id, h.code, h.final_text);
        }
    } catch (const std::exception& e) {
        report_failure(*ctx, e.what());
    } catch (...) {
        report_failure(*ctx, "an exception of an unknown type");
    }
    auto& h = detail::hub();
    std::lock_guard lock(h.mutex);
    ctx->state = detail::ThreadState::ended;
    std::erase(h.threads, ctx);
    h.changed.notify_all();
}

template <class Pred> bool wait_for(std::chrono::milliseconds timeout, Pred pred) {
    auto& h = detail::hub();
    std::unique_lock lock(h.mutex);
    return h.changed.wait_for(lock, timeout, [&] { return pred(h); });
}

} // namespace

ThreadWords& words() {
    return tl_words;
}

ProcedureId start(std::function<void()> procedure, std::string name) {
    auto ctx = std::make_shared<detail::ProcedureContext>();
    ctx->id = detail::new_procedure_id();
    ctx->name = std::move(name);
    ctx->tracked = true;
    auto& h = detail::hub();
    {
        std::lock_guard lock(h.mutex);
        h.threads.push_back(ctx);
    }
    std::thread(thread_root, ctx, std::move(procedure)).detach();
    return ctx->id;
}

ProcedureId current_procedure() {
    return detail::current_context()->id;
}

std::string current_procedure_name() {
    return detail::current_context()->name;
}

bool wait_until_idle(std::chrono::milliseconds timeout) {
    return wait_for(timeout, [](detail::Hub& h) {
        return std::all_of(h.threads.begin(), h.threads.end(), [](const auto& t) {
            return t->state == detail::ThreadState::idle ||
                   t->state == detail::ThreadState::answering;
        });
    });
}

bool wait_until_ended(std::chrono::milliseconds timeout) {
    return wait_for(timeout, [](detail::Hub& h) { return h.threads.empty(); });
}

void answer_coming(ProcedureId procedure) {
    auto& h = detail::hub();
    std::lock_guard lock(h.mutex);
    for (auto& t : h.threads) {
        if (t->id == procedure && t->state == detail::ThreadState::answering) {
            t->state = detail::ThreadState::running;
        }
    }
}

int running_procedures() {
    auto& h = detail::hub();
    std::lock_guard lock(h.mutex);
    return static_cast<int>(h.threads.size());
}

void close_down_all() {
    auto& h = detail::hub();
    {
        std::lock_guard lock(h.mutex);
        for (auto& t : h.threads) {
            for (auto w : t->windows) {
                detail::QueueItem item;
                item.window = w->id();
                item.is_event = true;
                item.event.kind = EventKind::close_down;
                t->queue.push_back(item);
            }
            if (t->state == detail::ThreadState::idle && !t->windows.empty()) {
                t->state = detail::ThreadState::running;
            }
            t->wake.notify_all();
        }
        h.changed.notify_all();
    }
    if (auto b = backend()) {
        b->cancel_dialogs();
    }
}

} // namespace zorozo::window
