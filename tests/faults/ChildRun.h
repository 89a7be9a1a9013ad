#pragma once
// Runs a piece of code in a child process, so a test can watch it for a hang
// (and kill it) instead of hanging itself.
#include <chrono>
#include <functional>
#include <string>

namespace zanbora::testing {

struct ChildOutcome {
    bool finished = false;  // false: still running at the limit, killed
    int status = -1;        // exit status when finished normally
    std::string stderrText; // what the child wrote to standard error
};

ChildOutcome RunInChild(const std::function<int()>& body, std::chrono::milliseconds limit);

}  // namespace zanbora::testing
