#include "game/party/MascotScreen.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kTakeOffSlot = kMascotSlots;

const std::array<MascotLabels, kMascotSlots> kLabels{{
    {{"ホネコプター 毎ターンHP回復", "空を飛べる頭蓋骨。高くは飛べないらしい。"}, {"未獲得1", "それは君を待っている。"}},
    {{"ＲＯＢＯ　　　毎ターンレーザー攻撃", "高精度タマゴ型(?)マシーン。"}, {"未獲得2", "それは建物の中にある。"}},
    {{"大喰らい植物 ダメージでHPでなくMPが減る", "凶暴なポテチン。よく食べる。"},
     {"未獲得3", "それは洞窟付近の林にあるかも。"}},
    {{"ヘビチュ     毎ターン攻撃、たまに大ダメージ", "ペラペラのヘビ。見かけによらず強い。"},
     {"未獲得4", "それは洞窟の中にあるんだよ。"}},
    {{"偽マメさん   瞬時に技の変更ができる", "マメの偽物。色が違う。"}, {"未獲得5", "それは廃墟の中にあるんじゃ。"}},
    {{"キノコン     敵のHPを見れる", "キノコのモンスター。"}, {"未獲得6", "それは森の中にある。"}},
    {{"マメゾ       毎ターンMP回復", "カボチャ頭のマメ大臣。偉い。"}, {"未獲得7", "それは平原の林にあるそうだ。"}},
    {{"ナイト       敵の名前が知れる、毎ターン攻撃", "ミニサイズの騎士。物知り。"}, {"未獲得8", "それは地下にある。"}},
    {{"岩ドラゴン   敵が出にくくなる", "魂を持ったドラゴン型の岩。魔物は恐れる。"},
     {"未獲得9", "それはザンボラの住処にある。"}},
    {{"プリースト   毎ターンHP&MP回復", "ザンボラの手下だった。"}, {"未獲得10", "どこにあるのかわからない。"}},
}};

bool Owned(const Game& game, int slot) {
    return slot >= 0 && slot < kMascotSlots && game.player.MascotOwned[size_t(slot)] != 0;
}

void DrawMascotList(Game& game, int cursor) {
    const Surface& sheet = game.sheets.map_c;
    for (int k = 0; k < kMascotSlots; ++k) {
        if (Owned(game, k)) game.Pic.blt(20 + 43 * k, 270, 40, 40, sheet, 40 * k, 320);
        else game.Pic.blt(20 + 43 * k, 270, 40, 40, sheet, 0, 280);
    }
    game.Pic.blt(450, 270, 40, 40, sheet, 40, 280);
    game.Pic.rect(20 + 43 * cursor, 270, 59 + 43 * cursor, 310, QBColor(8));
    game.Pic.fillRect(0, 310, 500, 350, 0x000000);
    if (cursor == kTakeOffSlot) {
        DrawText(game, "マスコットをはずす", 20, 310);
        return;
    }
    const MascotLabels& labels = kLabels[size_t(cursor)];
    const char* const* lines = Owned(game, cursor) ? labels.owned : labels.missing;
    DrawText(game, lines[0], 20, 310);
    DrawText(game, lines[1], 30, 330);
}

void LeaveWith(Game& game, int active) {
    game.player.Progress[16] = active;
    game.field.Cursor = 0;
    game.battle.MascotDx = game.battle.MascotDy = 0;
}

}  // namespace

const std::array<MascotLabels, kMascotSlots>& MascotLabelTable() { return kLabels; }

void stt(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    game.Pic.foreColour = QBColor(15);
    game.player.Work = 0;
    keys.KeyDecide = false;
    // The caller starts the cursor on the mascot along; with none, or a slot
    // that is no slot of this screen, it starts on the first.
    if (game.player.Progress[16] == 0 || !(cursor >= 0 && cursor <= kTakeOffSlot)) cursor = 0;
    cursor = double(Int(cursor));
    for (;;) {
        game.Pic.clear();
        DrawStatusPanel(game);
        if (keys.KeyState[2] && cursor < kTakeOffSlot) cursor += 1;
        if (keys.KeyState[0] && cursor > 0) cursor -= 1;
        const int slot = Int(cursor);
        DrawMascotList(game, slot);
        if (keys.KeyDecide) {
            // A slot still empty takes no press; it is used up all the same,
            // so it cannot carry over into the menu.
            keys.KeyDecide = false;
            if (slot == kTakeOffSlot || Owned(game, slot)) {
                PlayMen03(game);
                LeaveWith(game, slot == kTakeOffSlot ? 0 : slot + 1);
                return;
            }
        }
        if (keys.KeyAct) {
            PlayMen04(game);
            keys.KeyAct = false;
            game.field.Cursor = 0;
            return;
        }
        Present(game);
        Wait(game, 80);
    }
}

}  // namespace zanbora
