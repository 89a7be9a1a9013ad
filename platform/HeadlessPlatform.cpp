#include "platform/HeadlessPlatform.h"

#include <algorithm>
#include <filesystem>

#include "platform/ImageLoader.h"

namespace zanbora {

HeadlessPlatform::HeadlessPlatform() = default;
HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::eventAt(int64_t atMs, PlatformEvent event) {
    auto pos = std::upper_bound(script_.begin(), script_.end(), atMs,
                                [](int64_t t, const Scheduled& s) { return t < s.at; });
    script_.insert(pos, Scheduled{atMs, event});
}

void HeadlessPlatform::keyDownAt(int64_t atMs, int key) { eventAt(atMs, {PlatformEvent::Kind::KeyDown, key}); }
void HeadlessPlatform::keyUpAt(int64_t atMs, int key) { eventAt(atMs, {PlatformEvent::Kind::KeyUp, key}); }

void HeadlessPlatform::tap(int key, int holdMs) {
    keyDownAt(now_, key);
    keyUpAt(now_ + holdMs, key);
}

void HeadlessPlatform::textAt(int64_t atMs, const std::string& utf8) {
    PlatformEvent event{PlatformEvent::Kind::TextInput, 0};
    event.text = utf8;
    eventAt(atMs, event);
}

void HeadlessPlatform::composeAt(int64_t atMs, const std::string& utf8, int caret) {
    PlatformEvent event{PlatformEvent::Kind::TextEditing, caret};
    event.text = utf8;
    eventAt(atMs, event);
}

void HeadlessPlatform::clickAt(int64_t atMs, int x, int y, int clicks) {
    PlatformEvent event{PlatformEvent::Kind::MouseDown, 0};
    event.x = x;
    event.y = y;
    event.clicks = clicks;
    eventAt(atMs, event);
    event.kind = PlatformEvent::Kind::MouseUp;
    eventAt(atMs + 5, event);
}

void HeadlessPlatform::wheelAt(int64_t atMs, int steps) {
    PlatformEvent event{PlatformEvent::Kind::MouseWheel, 0};
    event.y = steps;
    eventAt(atMs, event);
}

bool HeadlessPlatform::pollEvent(PlatformEvent& event) {
    if (!script_.empty() && script_.front().at <= now_) {
        event = script_.front().event;
        script_.erase(script_.begin());
        return true;
    }
    if (now_ > quitAfterMs && !quitSent_) {
        quitSent_ = true;
        event = {PlatformEvent::Kind::Quit, 0};
        return true;
    }
    return false;
}

void HeadlessPlatform::waitForEvent(int timeoutMs) {
    int64_t until = now_ + std::max(timeoutMs, 1);
    if (!script_.empty() && script_.front().at < until) until = std::max(now_, script_.front().at);
    now_ = until;
    if (onWait) onWait(*this);
}

void HeadlessPlatform::present(const Pixels& frame) {
    lastFrame_ = frame;
    ++frameCount_;
    if (onPresent) onPresent(lastFrame_);
    if (autopilot) autopilot(*this);
}

bool HeadlessPlatform::showFullScreenWindow() {
    fullScreenShown = true;
    return true;
}

bool HeadlessPlatform::loadPicture(const std::string& path, Pixels& out) { return LoadPictureFile(path, out); }

const Pixels& HeadlessPlatform::renderText(const std::string& utf8, int points) { return fonts_.render(utf8, points); }

void HeadlessPlatform::playWave(const std::string& path) {
    if (std::filesystem::exists(path)) soundLog.push_back("wave " + path);
}

bool HeadlessPlatform::musicOpen(const std::string& path) {
    musicLoaded_ = std::filesystem::exists(path);
    soundLog.push_back("music open " + path);
    return musicLoaded_;
}

bool HeadlessPlatform::musicPlay() {
    soundLog.push_back("music play");
    musicOn_ = musicLoaded_;
    musicEnded = false;
    return musicLoaded_;
}

void HeadlessPlatform::musicStop() {
    soundLog.push_back("music stop");
    musicOn_ = false;
}

void HeadlessPlatform::musicClose() {
    soundLog.push_back("music close");
    musicOn_ = musicLoaded_ = false;
}

bool HeadlessPlatform::musicPlaying() { return musicOn_ && !musicEnded; }

void HeadlessPlatform::musicRewind() { soundLog.push_back("music rewind"); }

void HeadlessPlatform::musicVolume(int volume) { soundLog.push_back("music volume " + std::to_string(volume)); }

bool HeadlessPlatform::messageBox(const std::string& text, const std::string& caption, MessageBoxKind kind) {
    messageBoxes.push_back(caption + ": " + text);
    return kind == MessageBoxKind::Ok || answerOk;
}

std::unique_ptr<LoadedLibrary> HeadlessPlatform::openLibrary(const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    auto it = libraries.find(name);
    if (it == libraries.end()) return nullptr;
    return it->second();
}

}  // namespace zanbora
