#include "ChildRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace zanbora::testing {

ChildOutcome RunInChild(const std::function<int()>& body, std::chrono::milliseconds limit) {
    char stderrPath[] = "/tmp/zanbora-child-stderr-XXXXXX";
    const int stderrFile = mkstemp(stderrPath);
    ChildOutcome outcome;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(stderrFile, STDERR_FILENO);
        _exit(body());
    }
    close(stderrFile);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (true) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            outcome.finished = WIFEXITED(status);
            outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(stderrPath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    outcome.stderrText = text.str();
    unlink(stderrPath);
    return outcome;
}

}  // namespace zanbora::testing
