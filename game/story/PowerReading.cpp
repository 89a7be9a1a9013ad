// The fortune-teller of the hall reads the hero's fighting power and gives
// a three-word password that follows from it, so friends can compare.
#include "game/story/PowerReading.h"

#include "game/core/Game.h"
#include "game/core/NumberText.h"
#include "game/story/Password.h"
#include "game/story/StoryLines.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

std::string PowerShownLine(int64_t power) {
    return NumberText(double(power + 5)) + "で、ございます。パスワードは";
}

void PowerReading(Game& game) {
    game.Pic.clear();
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
    SayScript(game, scene::kPowerGreeting);
    BreakPage(game);
    SayScript(game, scene::kPowerMeasuring);
    BreakPage(game);
    const int64_t power = PowerOf(game.player);
    TypeText(game, "あなたの戦闘力は", 30, 290);
    TypeText(game, PowerShownLine(power), 30, 310);
    const std::string password = MakePassword(game, power);
    TypeText(game, "「" + password + "」です。", 30, 330);
    BreakPage(game);
}

}  // namespace zanbora
