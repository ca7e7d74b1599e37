#pragma once
// The answer a procedure thread waits for: resolved exactly once, by the GUI
// (the user answered or closed the dialog) or by the close-down, whichever
// comes first. Any thread.

#include <future>
#include <mutex>

namespace zorozo::qtview {

template <class T> class PendingAnswer {
public:
    std::future<T> future() { return promise_.get_future(); }

    // False when it was already resolved.
    bool resolve(T value) {
        std::lock_guard lock(mutex_);
        if (done_) {
            return false;
        }
        done_ = true;
        promise_.set_value(std::move(value));
        return true;
    }

private:
    std::mutex mutex_;
    std::promise<T> promise_;
    bool done_ = false;
};

} // namespace zorozo::qtview
