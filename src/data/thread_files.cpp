#include "data/thread_files.h"

#include <array>
#include <memory>

namespace zorozo::data {

namespace {

// The connection is declared first, so the files' statements are freed
// before it disconnects.
struct ThreadData {
    Connection connection;
    std::array<std::unique_ptr<File>, all_files.size()> files;
};

ThreadData& thread_data() {
    thread_local ThreadData data;
    return data;
}

} // namespace

File& file(FileId id) {
    auto& slot = thread_data().files[static_cast<int>(id)];
    if (!slot) {
        slot = std::make_unique<File>(declaration(id), thread_data().connection);
    }
    return *slot;
}

Connection& thread_connection() {
    return thread_data().connection;
}

void close_thread_files() {
    for (auto& f : thread_data().files) {
        if (f) {
            f->close();
            f->users = 0;
        }
    }
    thread_data().connection.disconnect();
}

} // namespace zorozo::data
