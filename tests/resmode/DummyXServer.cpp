#include "DummyXServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kServerCandidates[] = {"/usr/lib/xorg/Xorg", "/usr/libexec/Xorg", "/usr/bin/Xorg"};
const char* const kDriverCandidates[] = {"/usr/lib/xorg/modules/drivers/dummy_drv.so",
                                         "/usr/lib64/xorg/modules/drivers/dummy_drv.so",
                                         "/usr/lib/x86_64-linux-gnu/xorg/modules/drivers/dummy_drv.so"};

// The real server binary, not the wrapper that only lets console users in.
std::string serverBinary()
{
    for (const char* path : kServerCandidates)
        if (access(path, X_OK) == 0)
            return path;
    return {};
}

bool driverInstalled()
{
    for (const char* path : kDriverCandidates)
        if (fs::exists(path))
            return true;
    return false;
}

constexpr const char* kConfig = R"(Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoAddGPU" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "card"
  Driver "dummy"
  VideoRam 16384
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 30.0-50.0
  VertRefresh 55.0-65.0
  Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
  Modeline "640x480" 25.175 640 656 752 800 480 490 492 525 -hsync -vsync
EndSection
Section "Screen"
  Identifier "screen"
  Device "card"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1024x768" "640x480"
    Virtual 1024 768
  EndSubSection
EndSection
)";

std::string tail(const std::string& path, std::size_t lines)
{
    std::ifstream in(path);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    std::ostringstream out;
    for (std::size_t i = all.size() > lines ? all.size() - lines : 0; i < all.size(); ++i)
        out << all[i] << '\n';
    return out.str();
}

}  // namespace

std::string DummyXServer::missingPieces()
{
    std::string missing;
    if (serverBinary().empty())
        missing += "the Xorg server (Debian package xserver-xorg-core) ";
    if (!driverInstalled())
        missing += "the dummy video driver (Debian package xserver-xorg-video-dummy) ";
    return missing.empty() ? missing : "not installed: " + missing;
}

DummyXServer::DummyXServer()
{
    char pattern[] = "/tmp/zanbora-xorg-XXXXXX";
    if (!mkdtemp(pattern)) {
        failure_ = "cannot make a folder for the X server";
        return;
    }
    folder_ = pattern;
    std::ofstream(folder_ + "/xorg.conf") << kConfig;
    fs::create_directory(folder_ + "/conf.d");
    start();
}

DummyXServer::~DummyXServer()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

void DummyXServer::start()
{
    int ready[2];
    if (pipe(ready) != 0) {
        failure_ = "cannot make a pipe for the X server";
        return;
    }
    const std::string binary = serverBinary();
    const std::string log = folder_ + "/Xorg.log";
    const std::string fd = std::to_string(ready[1]);
    const std::string config = folder_ + "/xorg.conf";
    const std::string configDir = folder_ + "/conf.d";
    pid_ = fork();
    if (pid_ == 0) {
        close(ready[0]);
        setsid();
        // A test that dies must not leave its server behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int out = open((folder_ + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        execl(binary.c_str(), binary.c_str(), "-displayfd", fd.c_str(), "-config", config.c_str(), "-configdir",
              configDir.c_str(), "-logfile", log.c_str(), "-noreset", "-nolisten", "tcp", "-novtswitch",
              "-keeptty", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (pid_ < 0) {
        close(ready[0]);
        failure_ = "cannot start the X server";
        return;
    }
    // The server writes its display number to the pipe once it takes clients.
    std::string number;
    pollfd waiting{ready[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (poll(&waiting, 1, 200) <= 0)
            continue;
        char c = 0;
        if (read(ready[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(ready[0]);
    if (number.empty()) {
        fail("the X server did not come up");
        return;
    }
    display_ = ":" + number;
    if (Display* probe = XOpenDisplay(display_.c_str())) {
        XCloseDisplay(probe);
        return;
    }
    display_.clear();
    fail("the X server came up but refuses connections");
}

void DummyXServer::fail(const std::string& why)
{
    failure_ = why + " (" + serverBinary() + ")\n" + tail(folder_ + "/stderr.txt", 10) + tail(folder_ + "/Xorg.log", 25);
}

std::pair<int, int> DummyXServer::screenSize() const
{
    Display* display = XOpenDisplay(display_.c_str());
    if (!display)
        return {0, 0};
    const std::pair<int, int> size{DisplayWidth(display, DefaultScreen(display)),
                                   DisplayHeight(display, DefaultScreen(display))};
    XCloseDisplay(display);
    return size;
}
