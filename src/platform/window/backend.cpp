#include "platform/window/backend.h"

#include <mutex>

namespace zorozo::window {
namespace {

struct Installed {
    std::mutex mutex;
    std::shared_ptr<Backend> backend;
};

Installed& installed() {
    static Installed* i = new Installed; // outlives detached threads at exit
    return *i;
}

} // namespace

void set_backend(std::shared_ptr<Backend> b) {
    auto& i = installed();
    std::lock_guard lock(i.mutex);
    i.backend = std::move(b);
}

std::shared_ptr<Backend> backend() {
    auto& i = installed();
    std::lock_guard lock(i.mutex);
    return i.backend;
}

} // namespace zorozo::window
