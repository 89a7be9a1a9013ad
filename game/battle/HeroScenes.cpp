// Scenes of the hero's own actions: the attack, flight and the techniques.
#include <cmath>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/battle/SceneKit.h"
#include "game/battle/Techniques.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

// Damage to the opponent is printed above it.
constexpr int kOpponentDamageX = 100, kOpponentDamageY = 220;

void RunToOpponent(Game& game, int from, int to, int step) {
    for (int i = from; step > 0 ? i <= to : i >= to; i += step) {
        game.battle.HeroDx = -i * i;
        SceneFrame(game);
        if (step < 0) DrawDamage(game, game.battle.BattleAmount, kOpponentDamageX, kOpponentDamageY);
        ShowFor(game, 30);
    }
}

// The hero runs at the opponent, slashes and runs back with the damage shown.
void SlashAttack(Game& game, bool heavy, const std::string& hitSound) {
    DrawBattleScene(game);
    PlayBattleWave(game, "ATK01.WAV");
    Wait(game, 100);
    RunToOpponent(game, 1, 16, 1);
    for (int i = 1; i <= 7; ++i) {
        SceneFrame(game);
        PaintEffect(game, kSlashRow, i, 100, 300);
        if (heavy) {
            PaintEffect(game, kSlashRow, i, 84, 268);
            PaintEffect(game, kSlashRow, i, 116, 284);
        }
        ShowFor(game, heavy ? 25 : 10);
    }
    PlayBattleWave(game, hitSound);
    RunToOpponent(game, 16, 0, -1);
}

void Flight(Game& game) {
    PlayBattleWave(game, "OUT01.WAV");
    Wait(game, 100);
    for (int i = 1; i <= 12; ++i) {
        game.battle.HeroDx = game.battle.MascotDx = i * i;
        SceneFrame(game);
        ShowFor(game, 30);
    }
}

// A ball of effect frames flying from the hero to the opponent.
void Projectile(Game& game, int row, int fromX, int fromY, int frames) {
    for (int i = 0; i <= frames; ++i) {
        const double t = double(i) / frames;
        const int x = Int(fromX + (kOnOpponentX - fromX) * t);
        const int y = Int(fromY + (kOnOpponentY - fromY) * t - 40 * std::sin(t * M_PI));
        SceneFrame(game);
        PaintEffect(game, row, i % 8, x, y);
        ShowFor(game, 30);
    }
}

// Effect frames 0..7 over the opponent, three at a time, then the damage.
void BurstOnOpponent(Game& game, int row, int ms) {
    for (int frame = 0; frame < 8; ++frame) {
        SceneFrame(game);
        PaintEffect(game, row, frame, kOnOpponentX, kOnOpponentY);
        PaintEffect(game, row, (frame + 2) % 8, kOnOpponentX - 26, kOnOpponentY + 14);
        PaintEffect(game, row, (frame + 4) % 8, kOnOpponentX + 24, kOnOpponentY - 18);
        ShowFor(game, ms);
    }
    for (int k = 0; k < 12; ++k) {
        SceneFrame(game);
        DrawDamage(game, game.battle.BattleAmount, kOpponentDamageX, kOpponentDamageY);
        ShowFor(game, 40);
    }
}

void HopHero(Game& game, int frames, int height) {
    for (int i = 0; i <= frames; ++i) {
        game.battle.HeroDy = -Int(height * std::sin(M_PI * i / frames));
        SceneFrame(game);
        ShowFor(game, 30);
    }
    game.battle.HeroDy = 0;
}

void FireScene(Game& game) {
    PlayBattleWave(game, "ATK02.WAV");
    HopHero(game, 6, 12);
    Projectile(game, kFireRow, kHeroX - 20, kHeroY - 10, 14);
    BurstOnOpponent(game, kFireRow, 40);
}

// A white flash over the whole screen, then the star bursts.
void MagicFlash(Game& game) {
    PlayBattleWave(game, "ATK02.WAV");
    for (int k = 0; k < 4; ++k) {
        SceneFrame(game);
        if (k % 2 == 0) game.Pic.fillRect(0, 0, 511, 349, Rgb(235, 225, 255));
        DrawBattleScene(game);
        ShowFor(game, 40);
    }
    BurstOnOpponent(game, kFlashRow, 40);
}

void EnergyBallScene(Game& game) {
    PlayBattleWave(game, "ATK06.WAV");
    for (int k = 0; k < 16; ++k) {
        SceneFrame(game);
        PaintEffect(game, kEnergyRow, k / 2, kHeroX, kHeroY - 36);
        ShowFor(game, 30);
    }
    Projectile(game, kEnergyRow, kHeroX, kHeroY - 36, 12);
    BurstOnOpponent(game, kImpactRow, 30);
}

// The great skeleton climbs out of the ground beside the hero and falls on
// the opponent.
void Bones(Game& game) {
    const Surface& bones = game.sheets.map_c;
    PlayBattleWave(game, "ATK04.WAV");
    const int homeX = 250, homeY = 210;
    for (int rise = 130; rise >= 0; rise -= 10) {
        SceneFrame(game);
        game.Pic.blt(homeX, homeY + rise, 122, 130 - rise, bones, 228, 195, Rop::Or);
        ShowFor(game, 30);
    }
    for (int i = 1; i <= 10; ++i) {
        SceneFrame(game);
        game.Pic.blt(homeX - i * i, homeY - 4 * i + i * i / 3, 122, 130, bones, 228, 195, Rop::Or);
        ShowFor(game, 30);
    }
    PlayBattleWave(game, "ATK05.WAV");
    BurstOnOpponent(game, kImpactRow, 30);
}

// The ritual: the hero dances in a ring of flashes.
void RitualScene(Game& game) {
    PlayBattleWave(game, "ATK07.WAV");
    for (int i = 0; i < 36; ++i) {
        game.battle.HeroDy = -Int(10 * std::fabs(std::sin(M_PI * i / 6)));
        SceneFrame(game);
        for (int k = 0; k < 4; ++k) {
            const double a = 2 * M_PI * k / 4 + i * 0.3;
            PaintEffect(game, kFlashRow, (i + k) % 8, kHeroX + Int(36 * std::cos(a)), kHeroY + Int(14 * std::sin(a)));
        }
        ShowFor(game, 40);
    }
}

// The companions run in from the right edge.
void Companions(Game& game) {
    for (int i = 14; i >= 0; --i) {
        SceneFrame(game);
        for (int k = 0; k < 3; ++k) DrawCompanion(game, k, i * i + 20 * k * (i > 0), 0);
        ShowFor(game, 30);
    }
    for (int k = 0; k < 10; ++k) {
        SceneFrame(game);
        for (int c = 0; c < 3; ++c) DrawCompanion(game, c, 0, -Int(6 * std::fabs(std::sin(M_PI * (k + c) / 4))));
        ShowFor(game, 40);
    }
}

}  // namespace

void HealScene(Game& game, uint32_t colour, bool inBattle) {
    PlayBattleWave(game, "ATK04.WAV");
    for (int frame = 0; frame < 16; ++frame) {
        if (inBattle) {
            SceneFrame(game);
        } else {
            game.Pic.clear();
            DrawBattleHero(game);
        }
        PaintSparkles(game, kHeroX, kHeroY - 4, frame % 8);
        DrawAmount(game, game.battle.BattleAmount, kHeroX, kHeroY - 30, colour);
        ShowFor(game, 40);
    }
}

bool PlayHeroScene(Game& game, const std::string& id) {
    if (id == "ATACK") {
        SlashAttack(game, false, game.battle.BattleAmount == 0 ? "ATK09.WAV" : "ATK03.WAV");
    } else if (id == "KIRI") {
        SlashAttack(game, true, "ATK03.WAV");
    } else if (id == "OUT") {
        Flight(game);
    } else if (id == "FIRE") {
        FireScene(game);
    } else if (id == "MAHO") {
        MagicFlash(game);
    } else if (id == "ENE") {
        EnergyBallScene(game);
    } else if (id == "BONE") {
        Bones(game);
    } else if (id == "GISIKI") {
        RitualScene(game);
    } else if (id == "NAKAMA") {
        Companions(game);
    } else if (id == "LIFE" || id == "LIFE2") {
        // LIFE2 is the same heal used from the field menu, with no opponent.
        HealScene(game, kHpHealColour, id == "LIFE");
    } else if (id == "BURI") {
        PlayStormGame(game);
    } else if (id == "BOM") {
        PlayBombGame(game);
    } else {
        return false;
    }
    return true;
}

}  // namespace zanbora
