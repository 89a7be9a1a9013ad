#include "platform/EndSignals.h"

#include <signal.h>
#include <unistd.h>

namespace zanbora {

namespace {

volatile sig_atomic_t endSignal = 0;
volatile sig_atomic_t endAtOnce = 0;

void OnEndSignal(int sig) {
    endSignal = sig;
    if (endAtOnce) _exit(128 + sig);
}

}  // namespace

void CatchEndSignals() {
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // Under a file-size limit a write past it must fail with EFBIG, which the
    // save and settings writers report, rather than end the game mid-save.
    signal(SIGXFSZ, SIG_IGN);
}

bool EndSignalled() { return endSignal != 0; }

EndSignalsEndAtOnce::EndSignalsEndAtOnce() {
    endAtOnce = 1;
    if (endSignal) _exit(128 + endSignal);
}

EndSignalsEndAtOnce::~EndSignalsEndAtOnce() { endAtOnce = 0; }

}  // namespace zanbora
