#include "game/party/TrainingHall.h"

#include <array>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/NumberText.h"
#include "game/core/Sheets.h"
#include "game/party/JobTables.h"

namespace zanbora {

namespace {

constexpr int kLastHallRow = 5;
constexpr int kJobTechnique = 5;

struct HallRow {
    const char* name;
    const char* title;
    const char* text;
};
const std::array<HallRow, 6> kRows{{
    {"マメサンヒール", "回復魔法", "熟練度とともに回復量が上昇するぞ"},
    {"マメサンファイア", "攻撃魔法", "熟練度や魔力でダメージアップだ。"},
    {"ストームマメンガー", "攻撃技", "自らの経験値を削って攻撃するぞ。"},
    {"マメサン斬り", "攻撃技", "勇者の得意とする強力技だ。"},
    {"", "", ""},  // the job's own technique
    {"ゆけゆけボーン", "召還魔法", "骨の成長度がダメージに影響するぞ。"},
}};

bool AtMax(const Game& game, int technique) {
    return technique == kJobTechnique && Technique5AtMax(game.player);
}

void DrawPriceList(Game& game, int cursor) {
    DrawText(game, "男「この俺がお前に技を教えてやろう。", 30, 10);
    DrawText(game, "ただし、金が必要だ。」", 30, 30);
    DrawText(game, "現在の所持金" + NumberText(game.player.Money), 30, 50);
    DrawText(game, "技名", 90, 80);
    DrawText(game, "必要金額", 210, 80);
    for (int row = 0; row <= kLastHallRow; ++row) {
        const int y = 100 + 20 * row;
        const std::string name = row + 1 == kJobTechnique ? game.player.JobSkillName : kRows[size_t(row)].name;
        DrawText(game, name, 50, y);
        DrawText(game, PriceText(game, row + 1), 230, y);
    }
    std::string title = kRows[size_t(cursor)].title, text = kRows[size_t(cursor)].text;
    if (cursor + 1 == kJobTechnique) {
        const JobEntry* job = FindJob(game.player.Job);
        title = job ? job->hallTitle : "";
        text = job ? job->hallText : "";
    }
    DrawText(game, title, 30, 230);
    DrawText(game, text, 30, 250);
}

}  // namespace

int TrainingPrice(const Game& game, int technique) { return Int(100 * game.player.Progress[size_t(technique)] + 100); }

std::string PriceText(const Game& game, int technique) {
    if (AtMax(game, technique)) return "MAX";
    return NumberText(TrainingPrice(game, technique)) + "銭";
}

void Shop(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    Player& hero = game.player;
    LoadIntoMonsC(game, "\\cg\\etc01.bmp");
    for (;;) {
        game.Pic.clear();
        game.Pic.blt(250, 120, 300, 300, game.sheets.mons_c, 0, 0, Rop::Or);
        const int row = Int(cursor);
        DrawPriceList(game, row);
        if (keys.KeyAct) break;
        if (keys.KeyState[3] && cursor < kLastHallRow) cursor += 1;
        if (keys.KeyState[1] && cursor > 0) cursor -= 1;
        if (keys.KeyDecide) {
            const int technique = Int(cursor) + 1;
            if (hero.Money >= TrainingPrice(game, technique) && !AtMax(game, technique)) {
                PlayMen08(game);
                hero.Money -= TrainingPrice(game, technique);
                hero.Progress[size_t(technique)] = hero.Progress[size_t(technique)] + 1;
            }
            // A press that buys nothing is used up too, so it cannot carry
            // over into the town menu when the player leaves.
            keys.KeyDecide = false;
        }
        game.Pic.blt(30, Int(100 + 20 * cursor), 16, 16, game.sheets.chr_m, 0, 0);
        Present(game);
        Wait(game, 100);
    }
    PlayMen04(game);
    cursor = 1;
    keys.KeyAct = false;
}

}  // namespace zanbora
