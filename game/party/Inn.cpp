// The inn square of a town entrance (terrain 12): a chime, the field music
// fades out, the town music starts and the town screen takes over.
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/field/Walking.h"
#include "game/party/Inn.h"
#include "game/party/Town.h"
#include "game/view/FieldView.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

void EnterInn(Game& game) {
    ComposeFieldWithHero(game, game.player.HeroX, game.player.HeroY);
    DrawStatusPanel(game);
    PlaySe(game, "\\wave\\men09.WAV");
    Present(game);
    for (int volume = 65535; volume >= 0; volume -= 3000) {
        SetMusicVolume(game, volume);
        Wait(game, 10);
    }
    game.music.BgmFile = "data3.mid";
    BgmCtl(game, 1);
    BgmCtl(game, 0);
    Wait(game, 300);
    SetMusicVolume(game, 65535);
    FieldWipe(game);
    DrawField(game);
    LeaveFootPoint(game);
    game.field.StepY = 0;
    Yado(game);
}

}  // namespace zanbora
