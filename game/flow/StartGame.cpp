// PPPN: starting the named hero — from the save, or as a new hero with the
// item list — and entering the main loop; after a defeat, the same hero is
// read again from the last save.
#include <algorithm>

#include "game/battle/Disguise.h"
#include "game/core/DisplayMode.h"
#include "game/core/Game.h"
#include "game/core/HeroName.h"
#include "game/core/Shutdown.h"
#include "game/core/StartPlaying.h"
#include "game/field/WarpTable.h"
#include "game/flow/MainLoop.h"
#include "game/party/JobTables.h"
#include "game/party/NameFile.h"
#include "game/party/SaveFile.h"
#include "game/party/SaveFormat.h"
#include "platform/AppDir.h"

namespace zanbora {

namespace {

// Where the two seal keepers stand.
constexpr MapCell kFirstSealKeeper{9, 338}, kSecondSealKeeper{90, 358};

// The event layer as the world was made: the item list on an empty map.
// Without it the game cannot go on.
void ReadWorldEvents(Game& game, MapLayers& world) {
    std::fill(world.events.begin(), world.events.end(), int16_t(0));
    const std::string items = ResolveGamePath(game.AppDir, "\\items.lst");
    if (!ApplyItemList(items, world)) {
        game.platform.messageBox("アイテムファイル " + items + " が読めません。\nゲームを再インストールしてください。",
                                 "ザンボラ戦記", MessageBoxKind::Ok);
        EndProgram(game, 2);
    }
}

// A hero with no save: the new-hero values, the map as it was made, and the
// item list on it. A hero beaten before ever saving begins again this way.
void StartNewHero(Game& game) {
    const std::string name = game.player.Name;
    const int64_t clock = game.player.PlayClock;
    game.player = Player{};
    SetNewHeroDefaults(game.player);
    game.player.Name = name;
    game.player.PlayClock = clock;
    ReadWorldEvents(game, game.map);
}

// A save holds the event layer only inside its block of the map; outside it
// (the dark pit, the first seal keeper, the last boss's throne...) the
// world is as it was made, whether the game was just started or reloads
// after a defeat.
void RestoreUnsavedEvents(Game& game) {
    MapLayers world;
    ReadWorldEvents(game, world);
    for (int y = 0; y < kEventRows; ++y)
        for (int x = 0; x < kEventColumns; ++x) {
            const bool saved = x >= kSaveMapLeft && x <= kSaveMapRight && y >= kSaveMapTop && y <= kSaveMapBottom;
            if (!saved) game.map.setEvent(x, y, world.eventAt(x, y));
        }
    // The first seal keeper stands outside the block: once he has done his
    // part (a seal counted while the second keeper, inside it, still waits,
    // or both seals counted) he stays gone, or he would count twice.
    const auto& seals = game.player.Progress[17];
    if (seals >= 2 || (seals >= 1 && game.map.eventAt(kSecondSealKeeper.x, kSecondSealKeeper.y) != 0))
        game.map.setEvent(kFirstSealKeeper.x, kFirstSealKeeper.y, 0);
}

// Reads the save into the hero and the map; a damaged save ends the program
// before anything is written over it.
void LoadHero(Game& game) {
    std::string problem;
    switch (ReadSaveFile(game, game.player.Name, problem)) {
        case SaveReadResult::Loaded: return RestoreUnsavedEvents(game);
        case SaveReadResult::Missing: return StartNewHero(game);
        case SaveReadResult::Damaged: break;
    }
    game.platform.messageBox("セーブ「" + game.player.Name + "」は壊れています。\n(" + problem + ")\n" +
                                 SavePath(game, game.player.Name) + "\nゲームを終了します。",
                             "ザンボラ戦記", MessageBoxKind::Ok);
    EndProgram(game, 1);
}

}  // namespace

void PPPN(Game& game) {
    StartScreen& start = game.start;
    const bool reload = game.GameState == "load";
    start.Text1 = NormaliseHeroName(start.Text1);
    game.player.Name = start.Text1;
    game.keys.KeyDecide = false;
    if (start.Text1.empty()) return;
    std::string reason;
    if (!CheckHeroName(start.Text1, reason)) {
        start.Notice = reason;
        return;
    }
    start.Notice.clear();
    start.visible = false;
    game.platform.stopTextInput();
    game.platform.plainKeys(false);
    game.clock.DrawSkip = start.check1;
    game.player.PlayClock = game.now();
    WriteNameFile(ResolveGamePath(game.UserDir, "\\name.ini"), {start.Text1, start.check1});

    game.Pic.removeBackground();
    game.Pic.clear();
    LoadHero(game);
    ApplyJobSprite(game);
    RebuildDisguisedHero(game);
    game.map.setEvent(80, 475, 25);
    // Full screen is chosen once, at the first start.
    if (start.Check2 && !reload) StartFullScreen(game);
    ApplyJobTables(game);

    if (reload) {
        // The cell the save was taken on is where the hero already stands:
        // its trigger (a person he had just met) does not fire again.
        game.field.LastCellX = Int(game.player.HeroX + 0.5);
        game.field.LastCellY = Int(game.player.HeroY + 0.9);
        game.GameState = "MOVE";
        return;
    }
    man(game);
}

}  // namespace zanbora
