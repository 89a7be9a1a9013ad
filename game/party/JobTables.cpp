#include "game/party/JobTables.h"

#include "game/core/Game.h"
#include "game/core/Player.h"

namespace zanbora {

namespace {

constexpr const char* kWarriorRace = "戦闘民族";
constexpr const char* kNecromancer = "ネクロマンサー";
// The figure every hero has before graduating, and a 町民 keeps.
constexpr int kPlainStripX = 160, kPlainStripY = 96;

const std::array<JobEntry, kJobCount> kJobs{{
    {"町民", 7, 5, 2, 1, 3, 1.3, "町民逃げ", 1, "駆け足", "確実に逃げれるぞ。", true, kPlainStripX, kPlainStripY,
     {"さりげなくバランスのとれている職業。", "平凡で目立ったところがない。", "一番ジミな職業。"}},
    {"勇者マメ", 8, 4, 3, 1, 3, 1, "パーティアタック", 1, "仲間呼び", "最大HPと引き替えに使う技だ。", true, 0, 160,
     {"マメならば一度は憧れる伝説の職業。", "マメサン斬りは彼の為にあるようなもの。", "全体のバランスがとれている。"}},
    {"魔法使", 7, 7, 1, 1, 4, 1.5, "マメサンフラッシュ", 1, "強力魔法", "最大MPと引き替えに使う技だ。", false, 160,
     160, {"魔力の最も強い職業。", "彼らにしか使えない魔法もあるらしい。", "通常の戦闘は苦手。"}},
    {"爆弾兵", 11, 4, 4, 1, 2, 0.7, "マメサンボンバー", 1.3, "破壊活動", "爆弾で攻撃／自爆する技だ。", false, 0, 192,
     {"体力には自信のある職業。彼のパンチは鉄", "をも砕く！強さと愛を持ったグレイトな男。", "たまに爆弾を使う。"}},
    {"マメじゃないヤツ", 4, 3, 2, 1, 2, 0, "変装", 1.2, "特殊技能", "敵の姿、強さをマネする技だ。", true, 160, 192,
     {"特技「変装」で敵をコピーする不思議な", "職業。敵の強さをまねる事ができる不思", "議なヤツ。"}},
    {"蛮族", 5, 4, 2, 2, 2, 0.3, "儀式", 1.4, "伝統行事", "戦闘終了時に何かが起きるぞ。", true, 0, 224,
     {"物理攻撃重視の職業。", "彼らは独自の儀式を好む。", "魔力は少ない。"}},
    {kWarriorRace, 9, 1, 1, 1, 2, 0.1, "", 0, "", "", false, 160, 224,
     {"唯一、魔法の使えない職業。", "ダメージを受けることで強くなるという", "珍しい特性を持っている。"}},
    {kNecromancer, 4, 7, 1, 1, 3, 2.3, "ゆけゆけボーン2", 1, "召還魔法", "体力を骨に与え攻撃させる技だ。", false, 160,
     128, {"骸骨をこよなく愛する職業。", "ゆけゆけボーンを得意とし、それ以外は", "魔法使に近い特性を持っている。"}},
}};

}  // namespace

const JobEntry& JobByCode(int code) { return kJobs.at(size_t(code)); }

const JobEntry* FindJob(const std::string& job) {
    for (const JobEntry& entry : kJobs)
        if (job == entry.name) return &entry;
    return nullptr;
}

bool IsWarriorRace(const Player& player) { return player.Job == kWarriorRace; }

bool Technique5AtMax(const Player& player) {
    const JobEntry* job = FindJob(player.Job);
    return job && job->skill5StopsAtOne && player.Progress[5] >= 1;
}

void ApplyJobTables(Game& game) {
    Player& hero = game.player;
    const JobEntry* job = FindJob(hero.Job);
    if (!job) return;
    hero.GrowHp = job->growHp;
    hero.GrowMp = job->growMp;
    hero.GrowAttack = job->growAttack;
    hero.GrowDefence = job->growDefence;
    if (hero.Job != kNecromancer) hero.GrowSpeed = job->growSpeed;
    if (IsWarriorRace(hero)) return;
    hero.JobSkillName = job->skillName;
    hero.SkillFactor = job->skillFactor;
}

void ApplyJobSprite(Game& game) {
    const JobEntry* job = FindJob(game.player.Job);
    const int x = job ? job->stripX : kPlainStripX, y = job ? job->stripY : kPlainStripY;
    game.sheets.ch.blt(32, 0, 160, 32, game.sheets.chr_m, x, y);
}

}  // namespace zanbora
