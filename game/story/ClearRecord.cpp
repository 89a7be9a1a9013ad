#include "game/story/ClearRecord.h"

#include <cmath>

#include "game/core/Game.h"
#include "game/core/HeroName.h"
#include "game/core/NumberText.h"
#include "game/core/PlayTime.h"
#include "game/core/TextCodec.h"
#include "game/story/Password.h"
#include "platform/SafeFile.h"

namespace zanbora {

namespace {

double Hours(double ms) { return std::floor(ms / 3600000); }

std::string PlayTimeLine(double ms) {
    const double minutes = std::floor(std::fmod(ms, 3600000) / 60000);
    return NumberText(Hours(ms)) + (minutes < 10 ? ":0" : ":") + NumberText(minutes);
}

}  // namespace

uint64_t ClearPasswordSeed(const Player& player, double playMs) {
    const double tenthsOfMinutes = std::floor(std::fmod(playMs, 3600000) / 6000);
    const double sum = Hours(playMs) + tenthsOfMinutes + player.Level + player.MaxHp + player.MaxMp + player.Attack +
                       player.Defence + player.Speed + player.Days + player.Wins + player.SaveCount;
    return uint64_t(std::floor(std::fmod(sum, 60000)));
}

std::string ClearRecordText(Game& game) {
    const Player& hero = game.player;
    const double playMs = PlayTimeMs(game);
    const std::string lines[] = {
        hero.Progress[11] == 0 ? "クリアレベル:ノーマル" : "クリアレベル:漢",
        hero.Name,
        hero.Job,
        "Lv:" + NumberText(hero.Level),
        "HP:" + NumberText(hero.MaxHp),
        "MP:" + NumberText(hero.MaxMp),
        "攻撃力:" + NumberText(hero.Attack),
        "防御力:" + NumberText(hero.Defence),
        "速度:" + NumberText(hero.Speed),
        "日数:" + NumberText(hero.Days),
        "勝利回数:" + NumberText(hero.Wins),
        "セーブ回数:" + NumberText(hero.SaveCount),
        "プレイ時間:" + PlayTimeLine(playMs),
        "パスワード",
    };
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text + MakeClearPassword(game, ClearPasswordSeed(hero, playMs));
}

bool WriteClearRecord(Game& game) {
    const std::string fileName = game.player.Name + ".txt";
    std::string problem, bytes;
    if (!CheckHeroName(game.player.Name, problem)) {
        // problem says what is wrong with the name
    } else if (!Utf8ToCp932(ClearRecordText(game), bytes)) {
        problem = "記録に書けない文字があります。";
    } else if (WriteFileAtomically(game.UserDir + "/" + fileName, bytes, problem)) {
        return true;
    }
    game.platform.messageBox("クリア記録「" + fileName + "」を書けませんでした。\n" + problem, "ザンボラ戦記",
                             MessageBoxKind::Ok);
    return false;
}

}  // namespace zanbora
