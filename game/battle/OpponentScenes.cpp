// Scenes of the opponent's actions: each kind of opponent comes at the hero
// in its own way, and the damage is printed beside the hero.
#include <cmath>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/battle/SceneKit.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

constexpr int kHeroDamageX = 400, kHeroDamageY = 270;
constexpr int kRushFrames = 15;  // 15² pixels brings the opponent to the hero

enum class Gait { Run, Hop, Fly, Slither, Leap, Hammer };

// Height of the opponent over the ground at frame i of its run.
int Lift(Gait gait, int i) {
    const double t = double(i) / kRushFrames;
    switch (gait) {
        case Gait::Hop: return -Int(30 * std::fabs(std::sin(M_PI * i / 4)));
        case Gait::Fly: return -Int(90 * std::sin(M_PI * t)) - 10;
        case Gait::Slither: return 12 + Int(5 * std::sin(1.3 * i));
        case Gait::Leap: return -Int(160 * std::sin(M_PI * t));
        case Gait::Hammer: return i < kRushFrames ? -Int(70 * t) : 0;
        case Gait::Run: break;
    }
    return 0;
}

void ShowDamageToHero(Game& game) { DrawDamage(game, game.battle.BattleAmount, kHeroDamageX, kHeroDamageY); }

// The blow lands: effect frames on the hero, who shakes. With the plant
// mascot standing in front, the blow lands on it.
void Impact(Game& game, int row, int flurries) {
    BattleState& b = game.battle;
    const int heroBase = b.HeroDx;
    const int targetX = kHeroX + (heroBase > 0 ? 0 : heroBase);
    for (int k = 0; k < 8 * flurries; ++k) {
        b.HeroDx = heroBase + (k % 2 == 0 ? 3 : -3);
        if (flurries > 1) b.MonsterDx = kRushFrames * kRushFrames - 10 + 10 * (k % 3);
        SceneFrame(game);
        const int dx = flurries > 1 ? 10 * ((k / 2) % 3) - 10 : 0;
        PaintEffect(game, row, k % 8, targetX + dx, kHeroY + (k % 3) * 4 - 4);
        ShowFor(game, flurries > 1 ? 20 : 30);
    }
    b.HeroDx = heroBase;
}

// The opponent runs at the hero, strikes and goes back with the damage shown.
void Rush(Game& game, Gait gait, int hitRow, const char* hitSound, int flurries = 1) {
    BattleState& b = game.battle;
    Wait(game, 100);
    for (int i = 1; i <= kRushFrames; ++i) {
        b.MonsterDx = i * i;
        b.MonsterDy = Lift(gait, i);
        SceneFrame(game);
        ShowFor(game, 30);
    }
    b.MonsterDy = 0;
    if (hitSound) PlayBattleWave(game, hitSound);
    Impact(game, hitRow, flurries);
    for (int i = kRushFrames; i >= 0; --i) {
        b.MonsterDx = i * i;
        b.MonsterDy = gait == Gait::Fly || gait == Gait::Leap ? -Int(40 * std::sin(M_PI * i / kRushFrames)) : 0;
        SceneFrame(game);
        ShowDamageToHero(game);
        ShowFor(game, 30);
    }
}

// A weapon shot from where the opponent stands: a growing laser, or seeds
// spat one after another.
void Laser(Game& game) {
    BattleState& b = game.battle;
    PlayBattleWave(game, "ATK10.WAV");
    for (int k = 0; k < 6; ++k) {
        b.MonsterDx = k % 2 == 0 ? -4 : 0;
        SceneFrame(game);
        ShowFor(game, 40);
    }
    b.MonsterDx = 0;
    for (int reach = 0; reach <= 256; reach += 32) {
        SceneFrame(game);
        PaintLaser(game, kOpponentX + 100, kHeroX, kHeroY, reach, reach / 32);
        ShowFor(game, 30);
    }
    Impact(game, kImpactRow, 1);
    for (int k = 0; k < 12; ++k) {
        SceneFrame(game);
        ShowDamageToHero(game);
        ShowFor(game, 40);
    }
}

void Seeds(Game& game) {
    PlayBattleWave(game, "ATK08.WAV");
    const int fromX = kOpponentX + 80, fromY = kOpponentY + 30;
    for (int i = 0; i <= 24; ++i) {
        SceneFrame(game);
        for (int seed = 0; seed < 3; ++seed) {
            const int step = i - 4 * seed;
            if (step < 0 || step > 12) continue;
            const double t = step / 12.0;
            PaintEffect(game, kEnergyRow, 1 + seed, Int(fromX + (kHeroX - fromX) * t),
                        Int(fromY + (kHeroY - fromY) * t - 50 * std::sin(M_PI * t)));
        }
        ShowFor(game, 30);
    }
    Impact(game, kImpactRow, 1);
    for (int k = 0; k < 12; ++k) {
        SceneFrame(game);
        ShowDamageToHero(game);
        ShowFor(game, 40);
    }
}

// The opponent glows and grows back its strength.
void SelfHeal(Game& game) {
    PlayBattleWave(game, "ATK04.WAV");
    for (int frame = 0; frame < 16; ++frame) {
        SceneFrame(game);
        PaintSparkles(game, kOpponentX + 34, kOpponentY + 40, frame % 8);
        DrawAmount(game, game.battle.BattleAmount, 100, 220, kHpHealColour);
        ShowFor(game, 40);
    }
}

// The sound an opponent makes before its normal attack.
const char* BattleCry(const Monster& m) {
    switch (m.Id) {
        case 8: return "TATK05.WAV";
        case 4: return "TATK06.WAV";
        case 997: return "TATK03.WAV";
        case 18: return "TATK11.WAV";
        case 14: return "TATK12.WAV";
        case 990: return "TATK13.WAV";
        default: return nullptr;
    }
}

void NormalAttackScene(Game& game) {
    const char* cry = BattleCry(game.monster);
    if (cry) {
        PlayBattleWave(game, cry);
        // The last boss's roar is heard out before it strikes.
        if (game.monster.Id == 990) Wait(game, 700);
        Rush(game, Gait::Run, kImpactRow, "TATK01.WAV");
    } else {
        PlayBattleWave(game, "TATK01.WAV");
        Rush(game, Gait::Run, kImpactRow, nullptr);
    }
}

void BoneFlyer(Game& game) {
    const std::string& picture = game.monster.Picture;
    if (picture == "mons02" || picture == "mons14") {
        PlayBattleWave(game, picture == "mons02" ? "TATK02.WAV" : "TATK07.WAV");
        Rush(game, Gait::Fly, kImpactRow, "TATK01.WAV");
    } else {
        PlayBattleWave(game, "TATK01.WAV");
        Rush(game, Gait::Fly, kImpactRow, nullptr);
    }
}

}  // namespace

bool PlayOpponentScene(Game& game, const std::string& id) {
    if (id == "atack") {
        NormalAttackScene(game);
    } else if (id == "kni") {
        PlayBattleWave(game, "TATK04.WAV");
        Rush(game, Gait::Run, kSlashRow, "TATK01.WAV");
    } else if (id == "kuri") {
        PlayBattleWave(game, "TATK10.WAV");
        Rush(game, Gait::Hop, kImpactRow, "TATK01.WAV");
    } else if (id == "hone") {
        BoneFlyer(game);
    } else if (id == "hebi") {
        PlayBattleWave(game, "TATK01.WAV");
        Rush(game, Gait::Slither, kImpactRow, nullptr);
    } else if (id == "tako") {
        PlayBattleWave(game, "TATK01.WAV");
        Rush(game, Gait::Run, kImpactRow, nullptr, 3);
    } else if (id == "ton") {
        PlayBattleWave(game, "TATK01.WAV");
        Rush(game, Gait::Hammer, kImpactRow, nullptr);
    } else if (id == "jump") {
        PlayBattleWave(game, "TATK01.WAV");
        Rush(game, Gait::Leap, kImpactRow, nullptr);
    } else if (id == "robo2") {
        Laser(game);
    } else if (id == "suika") {
        Seeds(game);
    } else if (id == "life") {
        SelfHeal(game);
    } else {
        return false;
    }
    return true;
}

}  // namespace zanbora
