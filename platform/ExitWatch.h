#pragma once
// A small helper process that outlives the game. If the game ends without
// saying goodbye — killed by a signal, crashed, or gone through exit() from
// anywhere — the helper notices that the game's end of their socket closed
// and runs the task it was given (full-screen play uses it to put the
// desktop's display mode back). Saying goodbye is destroying the watch.
#include <functional>
#include <memory>
#include <sys/types.h>

namespace zanbora {

class ExitWatch {
public:
    // nullptr when the helper cannot be started. The task runs in the
    // helper, a copy of this process taken now: it must not rely on other
    // threads, files or connections of the game.
    static std::unique_ptr<ExitWatch> start(std::function<void()> atUnexpectedEnd);

    ExitWatch(const ExitWatch&) = delete;
    ExitWatch& operator=(const ExitWatch&) = delete;
    // Goodbye: the helper ends without running the task.
    ~ExitWatch();

private:
    ExitWatch(int socket, pid_t helper) : socket_(socket), helper_(helper) {}
    int socket_;
    pid_t helper_;
};

}  // namespace zanbora
