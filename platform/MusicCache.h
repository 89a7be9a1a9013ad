#pragma once
// The game's pieces rendered to sound in a background thread, at a low
// priority, the piece the game asks for before the others; each is handed
// out once it is ready, and until then the game plays the piece through
// the synthesiser as before.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zanbora {

using RenderedPiece = std::shared_ptr<const std::vector<int16_t>>;

class MusicCache {
public:
    // Renders with the soundfont at `soundFont`, as 16-bit stereo at `rate` Hz.
    MusicCache(std::string soundFont, int rate);
    // Stops the rendering at once and waits for the thread.
    ~MusicCache();
    MusicCache(const MusicCache&) = delete;
    MusicCache& operator=(const MusicCache&) = delete;

    // Renders `midi` under `name` next, before the pieces already waiting,
    // and waits for it at most `ms`: the rendered piece, or null when it is
    // not ready by then or cannot be rendered.
    RenderedPiece render(const std::string& name, std::string midi, int ms);
    // Renders `midi` under `name` after the pieces already waiting.
    void prefetch(const std::string& name, std::string midi);

private:
    struct Job {
        std::string name;
        std::string midi;
    };
    enum class State { Waiting, Ready, Failed };
    void enqueue(Job job, bool first);
    void run();

    const std::string soundFont_;
    const int rate_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> waiting_;
    std::map<std::string, RenderedPiece> ready_;
    std::map<std::string, State> known_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

}  // namespace zanbora
