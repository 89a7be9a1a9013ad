#pragma once
// SIGTERM and SIGINT (a kill, Ctrl+C in the terminal) end the game the way
// closing its window does: the next time the game looks at its events it
// sees a quit and runs its normal unload (music stopped, display mode put
// back). The signals are caught from the first line of main(), so a signal
// during start-up waits for the first frame and ends there. SIGXFSZ (a write
// past the file-size limit) is ignored, so the write fails like a full disk.
namespace zanbora {

void CatchEndSignals();
// True once SIGTERM or SIGINT has arrived.
bool EndSignalled();

// While one of these lives the game waits on something that reads no events
// (a message box): an end signal then ends the process at once, with the
// usual status of a signal (128 + its number).
class EndSignalsEndAtOnce {
public:
    EndSignalsEndAtOnce();
    ~EndSignalsEndAtOnce();
    EndSignalsEndAtOnce(const EndSignalsEndAtOnce&) = delete;
    EndSignalsEndAtOnce& operator=(const EndSignalsEndAtOnce&) = delete;
};

}  // namespace zanbora
