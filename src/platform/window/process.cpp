#include "platform/window/process.h"

#include "platform/window/backend.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace zorozo::window {
namespace {

// Owns a posix_spawn_file_actions_t.
class FileActions {
public:
    FileActions() { ok_ = posix_spawn_file_actions_init(&actions_) == 0; }
    ~FileActions() {
        if (ok_) {
            posix_spawn_file_actions_destroy(&actions_);
        }
    }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    bool ok() const { return ok_; }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
    bool ok_ = false;
};

} // namespace

ProcessResult run_program(const ProcessRequest& request) {
    ProcessResult result;
    if (request.program.empty()) {
        result.error = "no program given";
        return result;
    }
    std::vector<std::string> args;
    args.push_back(request.program);
    args.insert(args.end(), request.arguments.begin(), request.arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    FileActions actions;
    if (!actions.ok()) {
        result.error = "cannot prepare the start";
        return result;
    }
    if (!request.folder.empty()) {
        posix_spawn_file_actions_addchdir_np(actions.get(), request.folder.c_str());
    }
    pid_t pid = 0;
    int rc =
        posix_spawnp(&pid, request.program.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (rc != 0) {
        result.error = std::strerror(rc);
        return result;
    }
    result.started = true;
    if (!request.wait) {
        // Reap it in the background so it leaves no zombie behind.
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
        return result;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            result.error = std::strerror(errno);
            return result;
        }
    }
    if (WIFEXITED(status)) {
        result.exit_code = WEXITSTATUS(status);
    } else {
        result.error = "the program did not end normally";
    }
    return result;
}

ProcessResult start_process(const ProcessRequest& request) {
    auto b = backend();
    return b ? b->start_process(request) : run_program(request);
}

} // namespace zorozo::window
