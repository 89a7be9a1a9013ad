#pragma once
// A private X server for the test, on the dummy video driver, offering
// 1024 x 768 and 640 x 480 at 60 Hz and starting in 1024 x 768.
#include <string>
#include <utility>
#include <sys/types.h>

class DummyXServer {
public:
    // Empty when the Xorg server and its dummy driver are installed,
    // otherwise which of them is missing.
    static std::string missingPieces();

    DummyXServer();
    DummyXServer(const DummyXServer&) = delete;
    DummyXServer& operator=(const DummyXServer&) = delete;
    ~DummyXServer();

    bool started() const { return !display_.empty(); }
    // ":N", for DISPLAY.
    const std::string& display() const { return display_; }
    // Why it did not start, with the end of the server's log.
    const std::string& failure() const { return failure_; }
    // The size of the X screen as a newly connecting program sees it.
    std::pair<int, int> screenSize() const;

private:
    void start();
    void fail(const std::string& why);

    std::string folder_;
    std::string display_;
    std::string failure_;
    pid_t pid_ = -1;
};
