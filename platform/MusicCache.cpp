#include "platform/MusicCache.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <utility>

#include "platform/MidiRender.h"

namespace zanbora {

MusicCache::MusicCache(std::string soundFont, int rate) : soundFont_(std::move(soundFont)), rate_(rate) {
    PrepareMidiRendering();
    worker_ = std::thread([this] { run(); });
}

MusicCache::~MusicCache() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

RenderedPiece MusicCache::render(const std::string& name, std::string midi, int ms) {
    enqueue({name, std::move(midi)}, true);
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return known_[name] != State::Waiting; });
    const auto it = ready_.find(name);
    return it == ready_.end() ? nullptr : it->second;
}

void MusicCache::prefetch(const std::string& name, std::string midi) { enqueue({name, std::move(midi)}, false); }

void MusicCache::enqueue(Job job, bool first) {
    {
        std::lock_guard lock(mutex_);
        if (first) {
            // A piece already waiting moves to the front.
            for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
                if (it->name != job.name) continue;
                Job moved = std::move(*it);
                waiting_.erase(it);
                waiting_.push_front(std::move(moved));
                return;
            }
        }
        if (!known_.emplace(job.name, State::Waiting).second) return;
        if (first) waiting_.push_front(std::move(job));
        else waiting_.push_back(std::move(job));
    }
    changed_.notify_all();
}

void MusicCache::run() {
    // The game's frames come first: rendering takes what processor they leave.
    setpriority(PRIO_PROCESS, unsigned(gettid()), 10);
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || !waiting_.empty(); });
        if (stop_) return;
        Job job = std::move(waiting_.front());
        waiting_.pop_front();
        lock.unlock();
        auto pcm = std::make_shared<std::vector<int16_t>>();
        std::string why;
        const bool rendered = RenderMidiPass(job.midi, soundFont_, rate_, stop_, *pcm, why);
        if (!rendered && !stop_)
            std::fprintf(stderr, "ZANBORA: %s is played by the synthesiser: %s\n", job.name.c_str(), why.c_str());
        lock.lock();
        if (rendered) ready_[job.name] = std::move(pcm);
        known_[job.name] = rendered ? State::Ready : State::Failed;
        changed_.notify_all();
    }
}

}  // namespace zanbora
