// Scenes around the duel: the mascots and companions helping, the victory,
// the opening of Mamezo and the guardians, and the locked door.
#include <cmath>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/battle/SceneKit.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

void ShowDamageToOpponent(Game& game, int frames) {
    for (int k = 0; k < frames; ++k) {
        SceneFrame(game);
        DrawDamage(game, game.battle.BattleAmount, 100, 220);
        ShowFor(game, 40);
    }
}

void BurstOnOpponent(Game& game, int row) {
    for (int frame = 0; frame < 8; ++frame) {
        SceneFrame(game);
        PaintEffect(game, row, frame, kOnOpponentX, kOnOpponentY);
        PaintEffect(game, row, (frame + 3) % 8, kOnOpponentX - 20, kOnOpponentY + 16);
        ShowFor(game, 30);
    }
}

// The mascot bobs for joy while it heals the hero.
void MascotHeal(Game& game, uint32_t colour) {
    PlayBattleWave(game, "ATK04.WAV");
    for (int frame = 0; frame < 16; ++frame) {
        game.battle.MascotDy = -Int(8 * std::fabs(std::sin(M_PI * frame / 4)));
        SceneFrame(game);
        PaintSparkles(game, kHeroX, kHeroY - 4, frame % 8);
        DrawAmount(game, game.battle.BattleAmount, kHeroX, kHeroY - 30, colour);
        ShowFor(game, 40);
    }
}

// ROBO's laser from the mascot's place across to the opponent.
void MascotLaser(Game& game) {
    PlayBattleWave(game, "ATK10.WAV");
    const int fromX = kMascotX, y = kMascotY - 14;  // over the hero's head
    for (int reach = 0; reach <= 288; reach += 32) {
        SceneFrame(game);
        PaintLaser(game, fromX, kOpponentX + 100, y, reach, reach / 32);
        ShowFor(game, 30);
    }
    BurstOnOpponent(game, kImpactRow);
    ShowDamageToOpponent(game, 12);
}

// A mascot runs at the opponent, strikes with `row` and comes back.
void MascotCharge(Game& game, int row, bool slither) {
    BattleState& b = game.battle;
    PlayBattleWave(game, "TATK01.WAV");
    for (int i = 1; i <= 16; ++i) {
        b.MascotDx = -i * i;
        b.MascotDy = slither ? Int(4 * std::sin(1.3 * i)) : -Int(20 * std::sin(M_PI * i / 16));
        SceneFrame(game);
        ShowFor(game, 30);
    }
    b.MascotDy = 0;
    for (int frame = 0; frame < 8; ++frame) {
        SceneFrame(game);
        PaintEffect(game, row, frame == 0 ? 1 : frame, kOnOpponentX + 20, kOnOpponentY + 10);
        ShowFor(game, 25);
    }
    for (int i = 16; i >= 0; --i) {
        b.MascotDx = -i * i;
        SceneFrame(game);
        DrawDamage(game, b.BattleAmount, 100, 220);
        ShowFor(game, 30);
    }
}

// Everything of the battle picture but companion k, which is drawn moved.
void FrameWithCompanionAt(Game& game, int k, int dx, int dy) {
    game.Pic.clear();
    DrawBattleHero(game);
    DrawBattleOpponent(game);
    for (int c = 0; c < 3; ++c) DrawCompanion(game, c, c == k ? dx : 0, c == k ? dy : 0);
    DrawBattleMascot(game);
}

// The swordsman runs over and cuts.
void CompanionSword(Game& game) {
    PlayBattleWave(game, "ATK01.WAV");
    for (int i = 1; i <= 11; ++i) {
        FrameWithCompanionAt(game, 0, -i * i, 0);
        ShowFor(game, 30);
    }
    for (int i = 1; i <= 7; ++i) {
        FrameWithCompanionAt(game, 0, -121, 0);
        PaintEffect(game, kSlashRow, i, 110, 290);
        ShowFor(game, 20);
    }
    PlayBattleWave(game, "ATK03.WAV");
    for (int i = 11; i >= 0; --i) {
        FrameWithCompanionAt(game, 0, -i * i, 0);
        DrawDamage(game, game.battle.BattleAmount, 100, 220);
        ShowFor(game, 30);
    }
}

// The mage hops and throws a flame.
void CompanionFire(Game& game) {
    PlayBattleWave(game, "ATK02.WAV");
    const int fromX = 320, fromY = kHeroY - 10;
    for (int i = 0; i <= 14; ++i) {
        const double t = i / 14.0;
        FrameWithCompanionAt(game, 1, 0, i < 5 ? -Int(10 * std::sin(M_PI * i / 4)) : 0);
        PaintEffect(game, kFireRow, i % 8, Int(fromX + (kOnOpponentX - fromX) * t),
                    Int(fromY + (kOnOpponentY - fromY) * t - 30 * std::sin(M_PI * t)));
        ShowFor(game, 30);
    }
    BurstOnOpponent(game, kFireRow);
    ShowDamageToOpponent(game, 12);
}

// The defeated opponent flickers and sinks into the ground; the hero jumps.
void VictoryScene(Game& game) {
    BattleState& b = game.battle;
    PlayBattleWave(game, "BTL02.WAV");
    for (int k = 0; k < 14; ++k) {
        b.MonsterDy = k * k / 2;
        game.Pic.clear();
        DrawBattleHero(game);
        if (k % 2 == 0) DrawBattleOpponent(game);
        DrawBattleMascot(game);
        if (b.PartyFlag == 1)
            for (int c = 0; c < 3; ++c) DrawCompanion(game, c, 0, 0);
        ShowFor(game, 40);
    }
    for (int i = 0; i <= 20; ++i) {
        b.HeroDy = -Int(24 * std::fabs(std::sin(M_PI * i / 10)));
        b.MascotDy = -Int(12 * std::fabs(std::sin(M_PI * (i + 3) / 10)));
        game.Pic.clear();
        DrawBattleHero(game);
        DrawBattleMascot(game);
        ShowFor(game, 30);
    }
}

// Mamezo (or the guardian) appears out of thin air with a laugh.
void Apparition(Game& game) {
    BattleState& b = game.battle;
    PlayBattleWave(game, "BTL01.WAV");
    for (int k = 0; k < 16; ++k) {
        b.MonsterDy = -(15 - k) * 3;
        game.Pic.clear();
        DrawBattleHero(game);
        DrawBattleMascot(game);
        if (k % 3 != 1) DrawBattleOpponent(game);
        ShowFor(game, 40);
    }
    for (int k = 0; k < 10; ++k) {
        b.MonsterDx = k % 2 == 0 ? 3 : -3;
        SceneFrame(game);
        ShowFor(game, 50);
    }
}

// The hero throws itself at the door; the words say whether it gave way.
void ForceDoor(Game& game) {
    BattleState& b = game.battle;
    DrawBattleScene(game);
    PlayBattleWave(game, "ATK01.WAV");
    Wait(game, 100);
    for (int i = 1; i <= 16; ++i) {
        b.HeroDx = -i * i;
        SceneFrame(game);
        ShowFor(game, 30);
    }
    for (int i = 1; i <= 7; ++i) {
        b.MonsterDx = i % 2 == 0 ? -4 : 4;
        SceneFrame(game);
        PaintEffect(game, kSlashRow, i, 100, 300);
        ShowFor(game, 20);
    }
    b.MonsterDx = 0;
    PlayBattleWave(game, "ATK03.WAV");
    for (int i = 16; i >= 0; --i) {
        b.HeroDx = -i * i;
        SceneFrame(game);
        DrawText(game, b.SceneText, 200, 150);
        ShowFor(game, 30);
    }
    SceneFrame(game);
    DrawText(game, b.SceneText, 200, 150);
    ShowFor(game, 600);
}

// Giving up: the hero turns away from the door and leaves to the right.
void LeaveDoor(Game& game) {
    PlayBattleWave(game, "OUT01.WAV");
    Wait(game, 100);
    for (int i = 1; i <= 12; ++i) {
        game.battle.HeroDx = game.battle.MascotDx = i * i;
        SceneFrame(game);
        ShowFor(game, 30);
    }
}

// Through the opened door: the hero walks in and is gone.
void EnterDoor(Game& game) {
    BattleState& b = game.battle;
    PlayBattleWave(game, "OUT01.WAV");
    Wait(game, 100);
    for (int i = 1; i <= 18; ++i) {
        b.HeroDx = b.MascotDx = -Int(i * i * 0.9);
        game.Pic.clear();
        DrawBattleOpponent(game);
        if (kHeroX + b.HeroDx > kOpponentX + 40) DrawBattleHero(game);
        if (kMascotX + b.MascotDx > kOpponentX + 40) DrawBattleMascot(game);
        ShowFor(game, 30);
    }
    game.Pic.clear();
    DrawBattleOpponent(game);
    ShowFor(game, 300);
}

}  // namespace

bool PlaySupportScene(Game& game, const std::string& id) {
    if (id == "MASU1" || id == "LIFE4") {
        MascotHeal(game, kHpHealColour);
    } else if (id == "MASU3" || id == "LIFE3") {
        MascotHeal(game, kMpHealColour);
    } else if (id == "MASU2") {
        MascotLaser(game);
    } else if (id == "MASU4") {
        MascotCharge(game, kImpactRow, true);
    } else if (id == "MASU8") {
        MascotCharge(game, kSlashRow, false);
    } else if (id == "KIRI2") {
        CompanionSword(game);
    } else if (id == "FIRE2") {
        CompanionFire(game);
    } else if (id == "WIN") {
        VictoryScene(game);
    } else if (id == "mamezo") {
        Apparition(game);
    } else if (id == "ATACK3") {
        ForceDoor(game);
    } else if (id == "OUT2") {
        LeaveDoor(game);
    } else if (id == "OUT3") {
        EnterDoor(game);
    } else {
        return false;
    }
    return true;
}

}  // namespace zanbora
