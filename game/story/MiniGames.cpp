// The hall's hosts that offer something for money or change a setting: the
// duel with the hero's double, the HP pick-me-up and the hard-mode switch.
// (The race has a file of its own.)
#include "game/story/MiniGames.h"

#include "game/battle/LevelUp.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/story/StoryLines.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr double kDuelFee = 500;
constexpr double kHpFee = 100;
constexpr double kHpGift = 20;

}  // namespace

int HostPrompt(Game& game, const std::vector<std::string>& lines, const Choice& choice) {
    game.field.Cursor = 0;
    game.Pic.clear();
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
    for (size_t i = 0; i < lines.size(); ++i) TypeText(game, lines[i], 30, 290 + 20 * int(i));
    return ChoicePrompt(game, lines, choice.first, choice.second);
}

void MirrorDuel(Game& game) {
    const int answer = HostPrompt(game, scene::kDuelOffer, scene::kDuelChoice);
    Player& hero = game.player;
    if (answer != 0 || hero.Money < kDuelFee) return;
    hero.Money -= kDuelFee;
    Monster& copy = game.monster;
    copy.Picture = "mons18";
    copy.Id = kBonusOpponentId;
    copy.MaxHp = copy.Hp = Int(1.5 * hero.MaxHp);
    copy.Attack = hero.Attack;
    copy.Defence = hero.Defence;
    copy.Speed = hero.Speed;
    copy.Exp = 0;
    copy.Money = 0;
    copy.Special = 0;
    copy.Resist.fill(1);
    copy.Resist[1] = 0.5;
    game.Pic.clear();
    DrawHero(game);
    game.GameState = "BATTLE";
    game.field.Cursor = 0;
}

void HpService(Game& game) {
    const int answer = HostPrompt(game, scene::kHpOffer, scene::kHpChoice);
    Player& hero = game.player;
    if (answer != 0 || hero.Money < kHpFee) return;
    hero.Money -= kHpFee;
    PlayMen08(game);
    hero.Hp += kHpGift;  // on purpose past MaxHp: that is what the money buys
}

void ModeSwitch(Game& game) {
    const int answer = HostPrompt(game, scene::kModeOffer, scene::kModeChoice);
    game.player.Progress[11] = answer == 1 ? 1 : 0;
    ClearMessageBox(game);
    TypePage(game, scene::kModeWarning);
    ClosePage(game);
}

}  // namespace zanbora
