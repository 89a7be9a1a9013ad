#include "game/party/FieldMenu.h"

#include <array>

#include "game/battle/Battle.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Shutdown.h"
#include "game/core/TechniqueNames.h"
#include "game/party/HeroFigure.h"
#include "game/party/KnowledgeScreen.h"
#include "game/party/MascotScreen.h"
#include "game/party/SaveFile.h"
#include "game/party/SimBoneScreen.h"
#include "game/party/TechniqueScreen.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kTechniqueRow = 0, kMascotRow = 1, kHealRow = 2, kKnowledgeRow = 3, kSimBoneRow = 4, kSaveRow = 5,
              kQuitRow = 6;
constexpr int kLastMenuRow = kQuitRow;

bool FightingRace(const Game& game) { return game.player.Progress[7] != 0; }
bool KnowsHeal(const Game& game) { return game.player.Progress[1] > 0; }
bool KnowsSimBone(const Game& game) { return game.player.Progress[6] >= 1; }

// The field behind the menu, darkened by black lines on every other row;
// later clears keep it.
void OpenMenuBackdrop(Game& game) {
    game.Pic.clear();
    DrawHero(game);
    for (int y = 0; y <= 350; y += 2) game.Pic.line(0, y, 400, y, 0x000000);
    game.Pic.setBackground(game.Pic.pixels());
}

void DrawMenu(Game& game) {
    const double cursor = game.field.Cursor;
    game.Pic.clear();
    DrawHeroFigure(game);
    DrawStatusPanel(game);
    DrawRecordPanel(game);
    game.Pic.fillRect(20, 20, 200, 180, 0x000000);
    game.Pic.rect(20, 20, 200, 180, QBColor(15));
    game.Pic.blt(30, Int(20 * cursor + 30), 16, 16, game.sheets.chr_m, 0, 0, Rop::Or);
    DrawText(game, FightingRace(game) ? "瞬間移動" : "特殊攻撃の変更", 50, 30);
    DrawText(game, "マスコット", 50, 50);
    if (KnowsHeal(game)) DrawText(game, "マメサンヒール", 50, 70);
    DrawText(game, "基礎知識", 50, 90);
    if (KnowsSimBone(game)) DrawText(game, "シムボーン", 50, 110);
    DrawText(game, "セーブ", 50, 130);
    DrawText(game, "ゲームの終了", 50, 150);
}

// One step of the white fade around a teleport.
void TeleportFadeFrame(Game& game, int grey) {
    game.Pic.removeBackground();
    game.Pic.setBackColour(Rgb(grey, grey, grey));
    DrawHeroLight(game);
    DrawStatusPanel(game);
    Present(game);
    Wait(game, 50 * game.clock.DrawSkip);
}

void Teleport(Game& game) {
    Player& hero = game.player;
    const int step = 15 * game.clock.DrawSkip;
    PlaySe(game, "\\wave\\MEN10.WAV");
    for (int grey = 0; grey <= 255; grey += step) TeleportFadeFrame(game, grey);
    game.field.Cursor = 0;
    hero.HeroX = hero.Progress[19];
    hero.HeroY = hero.Progress[20];
    if (game.music.BgmFile == "data6.mid") ChangeMusic(game, "data1.mid");
    if (game.music.BgmFile == "data1.mid" && InUndergroundArea(game)) ChangeMusic(game, "data6.mid");
    DrawField(game);
    for (int grey = 255; grey >= 0; grey -= step) TeleportFadeFrame(game, grey);
    game.Pic.setBackColour(0x000000);
    hero.HeroX -= 0.5;
    hero.HeroY -= 0.9;
}

void FieldHeal(Game& game) {
    Player& hero = game.player;
    const int cost = FieldHealCost(game);
    if (!KnowsHeal(game) || hero.Mp < cost) return;
    game.clock.LastTick = game.now();
    hero.Mp -= cost;
    const double heal = hero.Progress[1] * (20 + Int((5 + hero.MaxMp / 10) * game.Rnd()));
    hero.Hp += heal;
    game.battle.BattleAmount = heal;
    game.battle.BattleMsg = "LIFE2";
    PlayBattleScene(game);
    if (hero.Hp > hero.MaxHp) hero.Hp = hero.MaxHp;
}

// "SAVE" in big letters after the save is written.
void SaveFromMenu(Game& game) {
    PlaySe(game, "\\wave\\MEN02.WAV");
    const bool saved = WriteSave(game);
    ScreenWipe(game);
    if (!saved) return;
    game.Pic.fontSize = 50;
    const std::array<const char*, 3> letters{"S", "A", "V"};
    for (size_t i = 0; i < letters.size(); ++i) {
        DrawText(game, letters[i], 50 + 120 * int(i), 100);
        Present(game);
        Wait(game, 150);
    }
    game.clock.LastTick = game.now();
    DrawText(game, "E", 410, 100);
    Present(game);
    Wait(game, 350);
    game.Pic.fontSize = 15;
}

// Runs the command of the row; true when the menu ends (a teleport).
bool RunCommand(Game& game) {
    double& cursor = game.field.Cursor;
    switch (Int(cursor)) {
        case kTechniqueRow:
            if (FightingRace(game)) {
                Teleport(game);
                return true;
            }
            cursor = game.player.Skill;
            WzS(game);
            break;
        case kMascotRow:
            cursor = game.player.Progress[16] - 1;
            stt(game);
            break;
        case kHealRow: FieldHeal(game); break;
        case kKnowledgeRow:
            ScreenWipe(game);
            cursor = 0;
            game.Pic.removeBackground();
            Tisiki(game);
            cursor = kKnowledgeRow;
            OpenMenuBackdrop(game);
            break;
        case kSimBoneRow:
            if (!KnowsSimBone(game)) break;
            game.Pic.removeBackground();
            SimB(game);
            OpenMenuBackdrop(game);
            cursor = kSimBoneRow;
            break;
        case kSaveRow: SaveFromMenu(game); break;
        case kQuitRow: ChackN(game); break;
        default: break;
    }
    return false;
}

}  // namespace

int FieldHealCost(const Game& game) { return Int(TechniqueMpNeeded(game.player, 1)); }

void MenuN(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    OpenMenuBackdrop(game);
    for (;;) {
        game.clock.LastTick = game.now();
        DrawMenu(game);
        if (keys.KeyState[3] && cursor < kLastMenuRow) cursor += 1;
        if (keys.KeyState[1] && cursor > 0) cursor -= 1;
        if (keys.KeyAct) {
            // The press that closes the menu is used up here, so it does not
            // also push a rock the hero happens to face.
            keys.KeyAct = false;
            game.Pic.removeBackground();
            PlayMen04(game);
            game.Pic.clear();
            DrawHero(game);
            return;
        }
        if (keys.KeyDecide) {
            PlayMen03(game);
            keys.KeyDecide = false;
            if (RunCommand(game)) return;
        }
        Present(game);
        Wait(game, 70);
    }
}

void ChackN(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    cursor = 0;
    game.Pic.foreColour = QBColor(15);
    game.player.Work = 0;
    keys.KeyDecide = false;
    for (;;) {
        game.Pic.clear();
        DrawText(game, "あなたはゲームを終わります", 30, 10);
        DrawText(game, "セーブはしましたか？", 30, 30);
        DrawText(game, "本当にいいですか？", 30, 50);
        DrawText(game, "キャンセルします。", 50, 80);
        DrawText(game, "終了します。", 50, 100);
        ChoiceCursor(game);
        DrawStatusPanel(game);
        if (keys.KeyAct) {
            keys.KeyAct = false;
            return;
        }
        if (keys.KeyDecide) {
            keys.KeyDecide = false;
            if (Int(cursor) == 1) Form_Unload(game);
            return;
        }
        Present(game);
        Wait(game, 30);
    }
}

}  // namespace zanbora
