#include "game/view/StatusPanel.h"

#include <algorithm>
#include <string>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/NumberText.h"
#include "game/core/PlayTime.h"
#include "game/core/TechniqueNames.h"

namespace zanbora {

namespace {

// The labels carry their own spacing (ASCII and full-width) so the values
// line up in the 15-point font.
const std::string kLevel = "LV    \u3000";
const std::string kHp = "HP     ";
const std::string kMp = "MP  \u3000 ";

std::string Fraction(double value, double maximum) { return NumberText(value) + "/" + NumberText(maximum); }

// How full a gauge is, 0..1. A zero maximum (or a value gone below zero at a
// defeat) shows an empty gauge rather than dividing by zero or running off
// its frame.
double GaugeShare(double value, double maximum) {
    if (!(maximum > 0)) return 0;
    return std::clamp(value / maximum, 0.0, 1.0);
}

// A battle-bar gauge 150 pixels long from x0 at y 310..313: the filled part
// in a colour from red (empty) to orange-yellow (full), the rest outlined.
void DrawBarGauge(Surface& pic, double value, double maximum, int x0) {
    const double share = GaugeShare(value, maximum);
    const uint32_t colour = Rgb(220, Int(220 * share), 0);
    const int end = Int(x0 + 150 * share);
    pic.rect(x0 + 150, 310, end, 313, colour);
    if (maximum > 0) pic.fillRect(end, 313, x0, 310, colour);
}

void DrawTechnique(Game& game, int nameX, int numberX, int y) {
    const Player& hero = game.player;
    const int skill = Int(hero.Skill);
    DrawText(game, TechniqueName(hero, skill), nameX, y);
    const std::string number = TechniqueNumberText(hero, skill);
    if (!number.empty()) DrawText(game, number, numberX, y);
}

void DrawExpGauge(Game& game) {
    const Player& hero = game.player;
    const double level = hero.Level;
    const double below = (level - 1) * (level - 1) * (level - 1);
    game.Pic.rect(500, 189, 400, 186, QBColor(8));
    if (hero.Exp > below + 5) {
        const double share = std::min(1.0, (hero.Exp - below - 6) / (level * level * level - below));
        game.Pic.fillRect(400, 186, Int(400 + 100 * share), 189, QBColor(14));
    }
}

}  // namespace

void DrawStatusPanel(Game& game) {
    const Player& hero = game.player;
    game.Pic.rect(300, 15, 510, 250, QBColor(15));
    DrawText(game, hero.Name, 310, 25);
    DrawText(game, kLevel + NumberText(hero.Level), 310, 45);
    DrawText(game, kHp + Fraction(hero.Hp, hero.MaxHp), 310, 65);
    DrawText(game, kMp + Fraction(hero.Mp, hero.MaxMp), 310, 85);
    DrawText(game, "攻撃力  " + NumberText(Int(hero.Attack)), 310, 105);
    DrawText(game, "防御力  " + NumberText(hero.Defence), 310, 125);
    DrawText(game, "速度 \u3000 " + NumberText(hero.Speed), 310, 145);
    DrawText(game, "経験値  " + NumberText(hero.Exp), 310, 165);
    DrawExpGauge(game);
    DrawText(game, "金      " + NumberText(hero.Money) + "銭", 310, 190);
    DrawText(game, "職 " + hero.Job, 310, 210);
    DrawTechnique(game, 310, 470, 230);
}

void DrawRecordPanel(Game& game) {
    const Player& hero = game.player;
    Surface& pic = game.Pic;
    pic.fillRect(30, 215, 230, 330, QBColor(0));
    pic.rect(30, 215, 230, 330, QBColor(15));
    DrawText(game, "日数    " + NumberText(hero.Days), 40, 225);
    DrawText(game, "勝利回数  \u3000" + NumberText(hero.Wins), 40, 245);
    DrawText(game, "セーブ回数 " + NumberText(hero.SaveCount), 40, 265);
    DrawText(game, "プレイ時間 " + PlayTimeText(PlayTimeMs(game)), 40, 285);
    if (hero.Progress[11] == 1) {
        pic.foreColour = QBColor(12);
        DrawText(game, "オトコモード", 40, 305);
        pic.foreColour = QBColor(15);
    }
}

void DrawBattleBar(Game& game) {
    const Player& hero = game.player;
    Surface& pic = game.Pic;
    pic.rect(20, 260, 495, 340, QBColor(15));
    DrawText(game, hero.Name, 60, 270);
    DrawText(game, kLevel + NumberText(hero.Level), 290, 270);
    DrawBarGauge(pic, hero.Hp, hero.MaxHp, 60);
    DrawText(game, kHp + Fraction(hero.Hp, hero.MaxHp), 60, 290);
    DrawBarGauge(pic, hero.Mp, hero.MaxMp, 290);
    DrawText(game, kMp + Fraction(hero.Mp, hero.MaxMp), 290, 290);
    DrawTechnique(game, 60, 250, 315);
}

}  // namespace zanbora
