#include "ScreenReader.h"

#include <algorithm>

namespace zanbora::playthrough {

const Pixels& ScreenReader::renderText(const std::string& utf8, int points) {
    drawing_.push_back(utf8);
    return HeadlessPlatform::renderText(utf8, points);
}

void ScreenReader::present(const Pixels& frame) {
    shown_.swap(drawing_);
    drawing_.clear();
    HeadlessPlatform::present(frame);
}

bool ScreenReader::shows(const std::string& text) const {
    return std::find(shown_.begin(), shown_.end(), text) != shown_.end();
}

std::string ScreenReader::lineStarting(const std::string& prefix) const {
    for (const std::string& line : shown_)
        if (line.rfind(prefix, 0) == 0) return line;
    return "";
}

}  // namespace zanbora::playthrough
