#include "game/party/SaveList.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/HeroName.h"
#include "game/core/TextCodec.h"
#include "game/party/SaveFile.h"
#include "platform/FileRead.h"

namespace zanbora {

namespace fs = std::filesystem;

std::vector<std::string> ListSaves(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || it->is_symlink(error)) continue;
        const std::string name = it->path().filename().string();
        std::string reason;
        if (CheckHeroName(name, reason)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool ReadSavePreview(const std::string& path, const std::string& name, SavePreview& out) {
    // No larger a file than loading takes: a huge one has no preview.
    std::string bytes;
    if (ReadRegularFile(path, kSaveFileLimit, bytes).problem != FileProblem::None) return false;
    std::istringstream in(bytes);
    // Each line as the preview shows it: decoded, blanks trimmed, and short
    // enough for the screen whatever a damaged file holds.
    std::string lines[25];
    for (std::string& line : lines) {
        std::string raw;
        if (!std::getline(in, raw)) break;
        raw = raw.substr(0, 80);
        const size_t first = raw.find_first_not_of(" \t\r");
        const size_t last = raw.find_last_not_of(" \t\r");
        line = first == std::string::npos ? "" : Cp932ToUtf8(raw.substr(first, last - first + 1));
    }
    out = {name, lines[0], lines[1], lines[3], lines[4], lines[5], lines[11], lines[24]};
    return true;
}

void DrawSavePreview(Game& game, const SavePreview& p) {
    DrawText(game, "Lv" + p.level, 10, 60);
    DrawText(game, p.name, 10, 80);
    DrawText(game, p.job, 10, 100);
    DrawText(game, "最大HP " + p.maxHp, 10, 130);
    DrawText(game, "最大MP " + p.maxMp, 10, 150);
    DrawText(game, "攻撃力 " + p.attack, 10, 170);
    DrawText(game, "防御力 " + p.defence, 10, 190);
    DrawText(game, "速度   " + p.speed, 10, 210);
}

}  // namespace zanbora
