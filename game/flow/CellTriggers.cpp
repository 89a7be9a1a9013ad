// A field frame and what a newly entered cell does: the inn square opens
// the town; otherwise the event code the cell holds decides: people and
// hosts, bosses, warps, magic circles, the locked door, the healing spring,
// mascot medals, the graduation, the ending and the crystal ball. Ordinary
// cells count down to the next random battle.
#include "game/flow/CellTriggers.h"

#include <optional>

#include "game/battle/Battle.h"
#include "game/battle/FixedOpponents.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Sheets.h"
#include "game/core/TerrainCodes.h"
#include "game/field/Encounter.h"
#include "game/field/Walking.h"
#include "game/field/WarpTable.h"
#include "game/party/Inn.h"
#include "game/party/JobSelect.h"
#include "game/story/Ending.h"
#include "game/story/MedalScene.h"
#include "game/story/MiniGames.h"
#include "game/story/NpcScenes.h"
#include "game/story/PowerReading.h"
#include "game/view/FieldView.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kGraduationRow = 480;
constexpr int kWayHome = 24;

double& FootX(Game& game) { return game.player.HeroX; }
double& FootY(Game& game) { return game.player.HeroY; }
int Row(Game& game) { return Int(FootY(game)); }

void SetLastCellHere(Game& game) {
    game.field.LastCellX = Int(FootX(game));
    game.field.LastCellY = Int(FootY(game));
}

// The field as it is now, with the hero, before a battle takes the screen.
void ShowFieldBeforeBattle(Game& game) {
    game.Pic.clear();
    DrawField(game);
    ComposeFieldWithHero(game, FootX(game), FootY(game));
}

// Code 1: a person, or one of the hall's hosts.
void MeetPerson(Game& game) {
    switch (Row(game)) {
        case 483: RaceGame(game); break;
        case 479: HpService(game); break;
        case 474: ModeSwitch(game); break;
        case 478:
            MirrorDuel(game);
            if (game.GameState == "BATTLE") btl(game);
            break;
        default: mes(game); break;
    }
}

// A boss stands on the cell: the battle starts, and the cell is used up
// (the dragon rock stays until it is broken; the last boss leaves the way
// home behind).
void FightBoss(Game& game, int code) {
    const int cellX = Int(FootX(game)), cellY = Row(game);
    if (code == 21) LastBossSpeech(game);
    SetFixedOpponent(game, code, cellY);
    ShowFieldBeforeBattle(game);
    game.GameState = "BATTLE";
    game.field.StepY = 0;
    btl(game);
    if (code == 16) {
        if (cellY == 420) game.map.setEvent(cellX, cellY, 0);
    } else if (code == 21) {
        game.map.setEvent(cellX, cellY, kWayHome);
        FootX(game) -= 1;
    } else {
        game.map.setEvent(cellX, cellY, 0);
        if (code == 23) game.map.setEvent(61, 429, 45);
    }
    LeaveFootPoint(game);
}

// Holes, ladders, passages and stairs: the hero is somewhere else at once.
void Warp(Game& game, const FieldWarp& warp) {
    if (warp.relative) {
        FootX(game) += warp.x;
        FootY(game) += warp.y;
    } else {
        FootX(game) = warp.x;
        FootY(game) = warp.y;
    }
    SetLastCellHere(game);
    ComposeFieldWithHero(game, FootX(game), FootY(game));
    FieldWipe(game);
    DrawField(game);
}

void UseMagicCircle(Game& game) {
    PlaySe(game, "\\wave\\MEN10.WAV");
    std::optional<MagicCircle> circle = FindMagicCircle(Row(game));
    if (!circle) return;
    if (circle->relative) {
        FootX(game) += circle->x;
        FootY(game) += circle->y;
    } else {
        FootX(game) = circle->x;
        FootY(game) = circle->y;
    }
    if (circle->opensWayBack) game.map.setEvent(Int(FootX(game)), Row(game), 18);
    if (circle->music == CircleMusic::Field) ChangeMusic(game, "data1.mid");
    if (circle->music == CircleMusic::Underground) ChangeMusic(game, "data6.mid");
    if (circle->storesReturnPoint) {
        game.player.Progress[19] = FootX(game);
        game.player.Progress[20] = FootY(game);
    }
    SetLastCellHere(game);
    game.Pic.setBackColour(0);
    DrawField(game);
}

// Code 20: the door's strength by its row; the prompt runs in the main loop.
void ReachLockedDoor(Game& game) {
    Monster& door = game.monster;
    door.Picture = "door.jpg";
    door.Id = 0;
    auto set = [&door](double hp, double strength) {
        door.Hp = door.MaxHp = hp;
        door.Attack = strength;
    };
    switch (Row(game)) {
        case 40: case 69: set(5, 2); break;
        case 124: set(5, 14); break;
        case 294: set(38, 39); break;
        default: break;
    }
    game.Pic.clear();
    DrawField(game);
    game.GameState = "BATTLE2";
    game.field.StepY = 0;
    PlaySe(game, "\\wave\\BTL03.WAV");
    game.battle.PartyFlag = 0;
    ChangeMusic(game, "data0.mid");
    ScreenWipe(game);
    LoadIntoMonsC(game, "\\cg\\door.jpg");
    LeaveFootPoint(game);
}

// Code 22: HP and MP full, and the field fades from white-grey to black.
void DrinkFromSpring(Game& game) {
    const int cellX = Int(FootX(game)), cellY = Row(game);
    PlaySe(game, "\\wave\\men11.WAV");
    game.player.Hp = game.player.MaxHp;
    game.player.Mp = game.player.MaxMp;
    const int skip = game.clock.DrawSkip;
    for (int v = 255; v >= 0; v -= 20 * skip) {
        game.Pic.setBackColour(Rgb(v, v, v));
        ComposeFieldLight(game, FootX(game), FootY(game));
        DrawStatusPanel(game);
        Present(game);
        Wait(game, 30 * skip);
    }
    game.Pic.setBackColour(0);
    game.map.setEvent(cellX, cellY, 0);
}

// Codes 36..46: a mascot medal; the mascot is the hero's from now on.
void PickUpMedal(Game& game, int code) {
    static constexpr const char* kPictures[] = {"mons02", "mons08", "mons06", "mons12", "mons13",
                                                "mons15", "mons10", "mons16", "mons25", "mons27"};
    const int cellX = Int(FootX(game)), cellY = Row(game);
    if (code - 36 < 10) game.monster.Picture = kPictures[code - 36];
    MedalScene(game);
    game.player.MascotOwned[size_t(code - 36)] = 1;
    game.map.setEvent(cellX, cellY, 0);
    PlaySe(game, "\\wave\\LVUP.WAV");
}

// What the cell just entered does. True when the trigger has already left
// the field frame (a battle, the door): MOVEN then returns at once.
bool RunCellTrigger(Game& game) {
    const int code = game.field.CellEvent;
    const int row = Row(game);
    if (std::optional<FieldWarp> warp = FindFieldWarp(code, row)) {
        Warp(game, *warp);
        return false;
    }
    if (IsFixedOpponentEvent(code, row)) {
        FightBoss(game, code);
        return true;
    }
    switch (code) {
        case 1: MeetPerson(game); return false;
        case 14: case 15: return false;  // stairs off their row lead nowhere
        case 18: case 19: UseMagicCircle(game); return false;
        case 20: ReachLockedDoor(game); return true;
        case 21:
            if (row == kGraduationRow) GraduationScene(game);
            return false;
        case kSpringCode: DrinkFromSpring(game); return false;
        case 24: EndingScene(game); return false;
        case 25: PowerReading(game); return false;
        default: break;
    }
    if (code >= 36 && code <= 46) {
        PickUpMedal(game, code);
        return false;
    }
    if (code >= 100 && code <= 199) return false;
    return CountDownEncounter(game);
}

// The cell under the feet, newly entered: the inn square opens the town,
// any other cell runs its trigger. True when the field frame is over.
bool EnterCell(Game& game) {
    const int cellX = game.field.LastCellX, cellY = game.field.LastCellY;
    if (game.map.terrainAt(cellX, cellY) == kInnTerrain) {
        EnterInn(game);
        return true;
    }
    game.field.CellEvent = game.map.eventAt(cellX, cellY);
    return RunCellTrigger(game);
}

}  // namespace

void MOVEN(Game& game) {
    if (WalkOneFrame(game) && EnterCell(game)) return;
    LeaveFootPoint(game);
    DrawHero(game);
}

}  // namespace zanbora
