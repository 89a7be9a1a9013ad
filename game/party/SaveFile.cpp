#include "game/party/SaveFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/core/Game.h"
#include "game/core/HeroName.h"
#include "game/party/SaveFormat.h"
#include "platform/FileRead.h"
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
    std::string bytes;
    const FileReadResult read = ReadRegularFile(SavePath(game, heroName), kSaveFileLimit, bytes);
    switch (read.problem) {
        case FileProblem::None: break;
        case FileProblem::Missing: return SaveReadResult::Missing;
        case FileProblem::NoPermission: problem = "読み取りが許可されていません"; return SaveReadResult::Damaged;
        case FileProblem::NotAFile: problem = "ファイルではありません"; return SaveReadResult::Damaged;
        case FileProblem::TooBig: problem = "大きすぎます"; return SaveReadResult::Damaged;
        case FileProblem::Failed: problem = "読み込めません（" + read.reason + "）"; return SaveReadResult::Damaged;
    }
    return ParseSave(bytes, game.player, game.map, problem) ? SaveReadResult::Loaded : SaveReadResult::Damaged;
}

}  // namespace zanbora
