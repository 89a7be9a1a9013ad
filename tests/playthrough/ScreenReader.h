#pragma once
// The headless machine with eyes for the bot: besides the pictures, it
// remembers the lines of text drawn into each frame, so the bot can read the
// screen (a menu's entries, a message, the status panel) as a player would.
#include <string>
#include <vector>

#include "platform/HeadlessPlatform.h"

namespace zanbora::playthrough {

class ScreenReader : public HeadlessPlatform {
public:
    const Pixels& renderText(const std::string& utf8, int points) override;
    void present(const Pixels& frame) override;

    // The text lines of the frame last presented, in drawing order.
    const std::vector<std::string>& shownTexts() const { return shown_; }
    bool shows(const std::string& text) const;
    // A line of the last frame that starts with `prefix`, or "".
    std::string lineStarting(const std::string& prefix) const;

private:
    std::vector<std::string> drawing_;
    std::vector<std::string> shown_;
};

}  // namespace zanbora::playthrough
