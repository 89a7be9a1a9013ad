#include "platform/ExitWatch.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zanbora {

namespace {

// The helper keeps nothing of the game open: not its X connection (which
// would keep the game's windows on screen), its sound device or the pipes a
// terminal or test runner waits on. Only standard error and the socket stay;
// returns where the socket now is.
int LetGoOfTheGame(int socket) {
    // Above the three standard ones, which are about to be replaced.
    if (socket <= STDERR_FILENO) socket = fcntl(socket, F_DUPFD, STDERR_FILENO + 1);
    const int nowhere = open("/dev/null", O_RDWR);
    if (nowhere >= 0) {
        dup2(nowhere, STDIN_FILENO);
        dup2(nowhere, STDOUT_FILENO);
    }
    const unsigned first = STDERR_FILENO + 1;
    const unsigned kept = unsigned(socket);
    if (kept > first) close_range(first, kept - 1, 0);
    close_range(kept + 1, ~0u, 0);
    // Its own session: Ctrl+C or a closed terminal that ends the game must
    // not end the helper before it has done its task.
    setsid();
    sigset_t all;
    sigfillset(&all);
    sigprocmask(SIG_UNBLOCK, &all, nullptr);
    for (int sig = 1; sig < NSIG; ++sig) signal(sig, SIG_DFL);
    return socket;
}

[[noreturn]] void RunHelper(int socket, const std::function<void()>& atUnexpectedEnd) {
    socket = LetGoOfTheGame(socket);
    char goodbye = 0;
    ssize_t got;
    do {
        got = read(socket, &goodbye, 1);
    } while (got < 0 && errno == EINTR);
    if (got == 0) atUnexpectedEnd();
    _exit(0);
}

}  // namespace

std::unique_ptr<ExitWatch> ExitWatch::start(std::function<void()> atUnexpectedEnd) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return nullptr;
    const pid_t helper = fork();
    if (helper == 0) {
        close(ends[0]);
        RunHelper(ends[1], atUnexpectedEnd);
    }
    close(ends[1]);
    if (helper < 0) {
        close(ends[0]);
        return nullptr;
    }
    return std::unique_ptr<ExitWatch>(new ExitWatch(ends[0], helper));
}

ExitWatch::~ExitWatch() {
    const char goodbye = 1;
    send(socket_, &goodbye, 1, MSG_NOSIGNAL);
    close(socket_);
    int status = 0;
    while (waitpid(helper_, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace zanbora
