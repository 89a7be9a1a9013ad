// The eight techniques the hero may select, with their MP costs and formulas.
// Technique damage ignores the opponent's defence and never misses.
#include <algorithm>

#include "game/battle/Battle.h"
#include "game/battle/Disguise.h"
#include "game/battle/Techniques.h"
#include "game/core/Game.h"
#include "game/core/TechniqueNames.h"

namespace zanbora {

namespace {


bool Pay(Game& game, double cost) {
    if (game.player.Mp < cost) return false;
    game.player.Mp -= cost;
    return true;
}

void Show(Game& game, const char* scene) {
    game.battle.BattleMsg = scene;
    PlayBattleScene(game);
    DrawBattleScene(game);
}

void Strike(Game& game, const char* scene, double damage) {
    game.battle.BattleAmount = damage;
    game.monster.Hp -= damage;
    Show(game, scene);
}

void Heal(Game& game) {
    Player& hero = game.player;
    if (!Pay(game, TechniqueMpNeeded(hero, 1))) return;
    const double heal = hero.Progress[1] * (20 + Int(game.Rnd() * (5 + hero.MaxMp / 10)));
    hero.Hp += heal;
    game.battle.BattleAmount = heal;
    Show(game, "LIFE");
    hero.Hp = std::min(hero.Hp, hero.MaxHp);
}

void Fire(Game& game) {
    const Player& hero = game.player;
    const double level = hero.Progress[2];
    if (!Pay(game, TechniqueMpNeeded(hero, 2))) return;
    Strike(game, "FIRE",
           20 + Int(level * hero.MaxMp / 20) +
               Int(game.Rnd() * (level + 1) * hero.MaxMp / 15 * game.monster.Resist[1]));
}

void Storm(Game& game) {
    if (!Pay(game, TechniqueMpNeeded(game.player, 3))) return;
    game.battle.BattleMsg = "BURI";
    PlayBattleScene(game);
    Show(game, "ATACK");
}

void Sword(Game& game) {
    const Player& hero = game.player;
    const double cost = Int(hero.MaxMp / 2);
    if (hero.Mp < cost) return;
    game.clock.LastTick = game.now();
    const double h = hero.Job == "勇者マメ" ? 2 : 1;
    const double damage =
        Int(hero.Level + h * hero.Attack / 2 + h * 5 * hero.Progress[4] / 2 + Int(h * game.Rnd() * hero.Attack / 2));
    game.player.Mp -= cost;
    Strike(game, "KIRI", damage);
}

void Bone(Game& game) {
    const Player& hero = game.player;
    const double cost = hero.SkillFactor * 7 * hero.Progress[6] + 3;
    if (hero.Mp < Int(cost)) return;
    game.player.Mp -= cost;
    Strike(game, "BONE", 20 * hero.Progress[6] + Int(0.5 * hero.Bone) + Int(0.5 * hero.Bone * game.Rnd()));
}

// The blast grows with the MP left after paying. Without maximum MP there is
// nothing to scale it by, and it does no damage.
void EnergyBall(Game& game) {
    Player& hero = game.player;
    const double cost = Int(hero.Level / 7) + 2;
    if (hero.Mp < cost) return;
    game.clock.LastTick = game.now();
    hero.Mp -= cost;
    const double m = hero.Mp;
    double damage = 0;
    if (hero.MaxMp > 0) {
        damage = Int((m + 2) * (5 * hero.Level / hero.MaxMp) * game.monster.Resist[7] +
                     (m + 2) * Int(5 * hero.Level * game.Rnd()) / hero.MaxMp);
    }
    Strike(game, "ENE", damage);
}

void CallCompanions(Game& game) {
    Player& hero = game.player;
    if (hero.MaxHp <= 50) return;
    hero.MaxHp -= 5;
    Show(game, "NAKAMA");
    game.battle.PartyFlag = 1;
}

void Flash(Game& game) {
    Player& hero = game.player;
    const double level = hero.Progress[5];
    const double damage = Int(game.Rnd() * (level + 2) * hero.MaxMp / 8) + Int(level * hero.MaxMp / 16);
    hero.MaxMp -= 2;
    Strike(game, "MAHO", damage);
}

void Disguise(Game& game) {
    const Monster& m = game.monster;
    if (!CanBeCopied(m)) return;
    Player& hero = game.player;
    hero.Progress[18] = m.Picture;
    RebuildDisguisedHero(game);
    CopyOpponentStrength(hero, m);
}

void Ritual(Game& game) {
    game.battle.PartyFlag = 2;
    Show(game, "GISIKI");
}

// Half the hero's life goes into the bones.
void Bone2(Game& game) {
    Player& hero = game.player;
    const double damage = Int(hero.Hp / 2) + Int(0.3 * hero.Bone * game.Rnd()) + Int(0.5 * hero.Bone) +
                          15 * hero.Progress[5];
    hero.Hp = Int(hero.Hp / 2) + 1;
    Strike(game, "BONE", damage);
}

// The job's own technique; its cost is paid before anything else.
void JobTechnique(Game& game) {
    const Player& hero = game.player;
    if (!Pay(game, TechniqueMpNeeded(hero, 5))) return;
    const std::string& job = hero.Job;
    if (job == "勇者マメ") {
        CallCompanions(game);
    } else if (job == "魔法使") {
        Flash(game);
    } else if (job == "爆弾兵") {
        game.battle.BattleMsg = "BOM";
        PlayBattleScene(game);
        DrawBattleScene(game);
    } else if (job == "マメじゃないヤツ") {
        Disguise(game);
    } else if (job == "蛮族") {
        Ritual(game);
    } else if (job == "ネクロマンサー") {
        Bone2(game);
    }
    // The townsfolk's escape is handled before the turn; against a boss it
    // only costs the MP, like a job without a technique.
}

}  // namespace

void UseTechnique(Game& game) {
    switch (Int(game.player.Skill)) {
        case 1: Heal(game); break;
        case 2: Fire(game); break;
        case 3: Storm(game); break;
        case 4: Sword(game); break;
        case 5: JobTechnique(game); break;
        case 6: Bone(game); break;
        case 7: EnergyBall(game); break;
        default: break;  // no technique: the turn passes
    }
}

}  // namespace zanbora
