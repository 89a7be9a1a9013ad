#include "game/party/SaveFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/party/HeroName.h"
#include "game/party/SaveFormat.h"
#include "game/shell/Game.h"
#include "platform/SafeFile.h"

namespace zanbora {

std::string SaveFolder(const Game& game) { return game.UserDir + "/saves"; }

std::string SavePath(const Game& game, const std::string& heroName) { return SaveFolder(game) + "/" + heroName; }

bool WriteSave(Game& game) {
    Player& hero = game.player;
    hero.SaveCount += 1;
    const int64_t now = game.now();
    hero.Progress[12] = hero.Progress[12].number + double(now - hero.PlayClock);
    hero.PlayClock = now;

    const std::string path = SavePath(game, hero.Name);
    std::string bytes, problem;
    bool written = CheckHeroName(hero.Name, problem) && SaveFileBytes(hero, game.map, bytes, problem) &&
                   EnsurePlainDirectory(SaveFolder(game), problem) &&
                   WriteFileAtomically(path, bytes, problem);
    if (!written) {
        // The save did not happen, so it is not counted.
        hero.SaveCount -= 1;
        game.platform.messageBox("セーブできませんでした。\n" + path + "\n" + problem, "ザンボラ戦記",
                                 MessageBoxKind::Ok);
    }
    return written;
}

SaveReadResult ReadSaveFile(Game& game, const std::string& heroName, std::string& problem) {
    const std::string path = SavePath(game, heroName);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return SaveReadResult::Missing;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = "開けません";
        return SaveReadResult::Damaged;
    }
    std::stringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        problem = "読み込めません";
        return SaveReadResult::Damaged;
    }
    return ParseSave(bytes.str(), game.player, game.map, problem) ? SaveReadResult::Loaded : SaveReadResult::Damaged;
}

}  // namespace zanbora
