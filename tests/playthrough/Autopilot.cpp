#include "Autopilot.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "FuseGauge.h"
#include "Tactics.h"
#include "game/battle/FixedOpponents.h"
#include "game/core/Game.h"
#include "game/core/TechniqueNames.h"
#include "game/core/TerrainCodes.h"
#include "game/core/TextCodec.h"
#include "game/party/FieldMenu.h"
#include "game/party/JobSelect.h"
#include "game/party/MascotScreen.h"
#include "game/party/Town.h"
#include "game/party/TrainingHall.h"
#include "game/story/Credits.h"
#include "game/story/StoneKick.h"
#include "platform/KeyCodes.h"

namespace zanbora::playthrough {

namespace {

// The battle menu's entries and the growth wheel's stats, as the cursor
// counts them.
constexpr int kAttack = 0, kTechnique = 1, kFlee = 3;
// The field menu's rows: the battle technique, the mascots, the healing and
// "セーブ".
constexpr int kTechniqueRow = 0, kMascotRow = 1, kHealRow = 2, kSaveRow = 5;
// The town screen's rows of the inn and the training hall.
constexpr int kInnRow = 0, kHallRow = 1;
// The numbers of the healing, fire, sword and job techniques (their rows in
// a training hall are one less, in the technique list the same).
constexpr int kHealTechnique = 1, kFireTechnique = 2, kSwordTechnique = 4, kJobTechnique = 5;
// A caster's fire levels: one more every few of his levels, up to this.
constexpr int kFireLevels = 6, kLevelsPerFireLevel = 5;
// Training ground is safe when each of its opponents costs at most a share
// of the hero's HP: a small one where he can, a larger one where nothing
// near is that safe (the castle).
constexpr double kTrainingShares[] = {0.25, 0.4, 0.6};
constexpr int kWheelHp = 0, kWheelSpeed = 1, kWheelDefence = 2, kWheelAttack = 3, kWheelMp = 4;
// Six picks a level: a tough, hard-hitting hero who is not too slow. (A
// wheel heavy on defence beats the last boss sooner, but the priest heals
// more each turn than such a hero hits, and the early zones' quick fights
// go worse.)
constexpr int kPickOrder[6] = {kWheelHp, kWheelAttack, kWheelDefence, kWheelHp, kWheelAttack, kWheelSpeed};
// A caster's blows are feeble whatever he picks; his MP is his weapon.
constexpr int kCasterPicks[6] = {kWheelMp, kWheelHp, kWheelMp, kWheelDefence, kWheelMp, kWheelSpeed};
// A bomber who has his bombs trades some HP for the MP that pays for them,
// until he has enough for this many bombs in a boss fight.
constexpr int kBomberPicks[6] = {kWheelHp, kWheelAttack, kWheelDefence, kWheelMp, kWheelAttack, kWheelSpeed};
constexpr int kBombsPerBoss = 10;
// On the way to a boss who heals, a hero who fights with blows must hit
// harder than the boss heals: more HP would only make the fight longer.
constexpr int kHealerPicks[6] = {kWheelHp, kWheelAttack, kWheelDefence, kWheelAttack, kWheelAttack, kWheelSpeed};
// Opponents met at random have ids below the dragon rock's; flight from the
// others does nothing.
constexpr int kFirstFixedId = 899;
// Every this many legs the bot saves, ends the program and plays on in a
// freshly started one from the save.
constexpr size_t kRestartEvery = 10;
// A leg (or a new try at it after a defeat) that takes longer than this
// has lost its way.
constexpr int kFramesPerLegLimit = 250000;
constexpr int kAttemptsLimit = 10;
// A boss left with less than this share of his HP came close to falling:
// the bot tries him again at the same level, this many times.
constexpr double kCloseCallShare = 0.4;
constexpr int kCloseCallsPerLevel = 2;
// Defeats in a row without a new save before the bot gives up.
constexpr int kDefeatsLimit = 25;
// The share of his HP the hero wants before a save or a boss.
constexpr double kHealthyShare = 0.9;
// Frames a goal's trigger gets to take the screen once the hero stands on it.
constexpr int kTriggerFrames = 10;
// Field frames without anything else after the last leg before the bot stops.
constexpr int kQuietFramesAtTheEnd = 30;

int Opposite(int direction) { return (direction + 2) % 4; }

// The name the bot gives its hero.
constexpr const char* kHeroName = "ボット豆";

}  // namespace

Autopilot::Autopilot(Game& game, ScreenReader& screen, std::vector<world::Leg> route, const BotPlan& plan)
    : game_(&game), screen_(screen), hands_(screen), route_(std::move(route)), plan_(plan),
      legCount_(std::min(plan.legCount, route_.size())),
      legStarts_{{0, 0, 0, screen.ticks(), std::chrono::steady_clock::now()}},
      trace_(std::getenv("ZANBORA_BOT_TRACE") != nullptr) {}

MapCell Autopilot::foot() const {
    return {int(Int(game_->player.HeroX + 0.5)), int(Int(game_->player.HeroY + 0.9))};
}

// A field frame shows the map and nothing but the status panel, whose lines
// start with the hero's name and tell his job.
bool Autopilot::onField() const {
    const auto& lines = screen_.shownTexts();
    if (game_->GameState != "MOVE" || lines.empty() || lines.size() > 12 || lines.front() != game_->player.Name)
        return false;
    for (const std::string& line : lines)
        if (line.rfind("職 ", 0) == 0) return true;
    return false;
}

void Autopilot::countStates() {
    const std::string& state = game_->GameState;
    if (state == "BATTLE" && lastState_ != "BATTLE") {
        ++battles_;
        defeatSeen_ = false;
    }
    if (state == "BATTLE" && game_->player.Hp <= 0 && !defeatSeen_) {
        ++defeats_;
        defeatSeen_ = true;
        rollBackToSave();
    }
    lastState_ = state;
}

void Autopilot::onFrame() {
    idleWaits_ = 0;
    countStates();
    if (trace_ && screen_.frameCount() % 500 == 0) {
        const Player& hero = game_->player;
        std::printf("  frame %d: %s at (%d, %d), level %lld, HP %lld/%lld, MP %lld/%lld, technique %lld, texts:",
                    screen_.frameCount(), game_->GameState.c_str(), foot().x, foot().y, (long long)Int(hero.Level),
                    (long long)Int(hero.Hp), (long long)Int(hero.MaxHp), (long long)Int(hero.Mp),
                    (long long)Int(hero.MaxMp), (long long)Int(hero.Skill));
        for (const std::string& line : screen_.shownTexts()) std::printf(" [%s]", line.c_str());
        std::printf("\n");
        std::fflush(stdout);
    }
    if (finished_ || !stuck_.empty()) return;
    if (screen_.frameCount() - attemptStartFrame_ > kFramesPerLegLimit) return giveUp("the leg takes too long");
    if (game_->start.visible) return startScreen();
    watchCredits();
    if (onField()) {
        otherFrames_ = 0;
        lostOnPurpose_ = false;
        return fieldFrame();
    }
    if (answerTrainer()) return;
    sawOtherScreen_ = true;
    quietFieldFrames_ = 0;
    if (game_->GameState == "BATTLE" && IsBomber(game_->player) && FuseGaugeShown(screen_.lastFrame()))
        return letTheFuseBurn();
    if (game_->GameState == "BATTLE" && screen_.shows("通常攻撃")) return battleMenu();
    if (screen_.shows("LEVEL UP!!")) return growthWheel();
    if (game_->GameState == "BATTLE2" && screen_.shows("こじ開ける")) return doorPrompt();
    if (screen_.shows("話を聞く。")) return townScreen();
    if (onMascotScreen()) return mascotScreen();
    if (screen_.shows("男「この俺がお前に技を教えてやろう。")) return trainingHall();
    if (onTechniqueScreen()) return pickRow(mainTechnique(), vk::Up, vk::Down);
    if (screen_.shows("ゲームの終了") && !screen_.shows("キャンセルします。")) return fieldMenu();

    // Anything else (a wipe, a battle scene, a fade) runs by itself; one
    // that goes on for long waits for a word from the player, and the decide
    // key (the first answer of a question) moves it on.
    hands_.releaseAll();
    if (++otherFrames_ % 60 == 0) hands_.tap(vk::X);
}

// A screen that waits for a key without drawing (a message, the end of a
// scene) gets the decide key after half a second.
void Autopilot::onWait() {
    if (++idleWaits_ < 50) return;
    idleWaits_ = 0;
    hands_.tap(vk::X);
}

// The start screen: the name box holds the last hero's name (or a default);
// the bot empties it, types its hero's name and starts with Enter.
void Autopilot::startScreen() {
    const std::string& box = game_->start.Text1;
    if (box == kHeroName) return hands_.tap(vk::Enter);
    if (!box.empty()) return hands_.tap(vk::Backspace);
    screen_.textAt(screen_.ticks(), kHeroName);
}

// The trainer's three questions: the answer to the n-th is bit n of the
// job's code (0 the upper answer, 1 the lower).
bool Autopilot::answerTrainer() {
    for (int step = 1; step <= 3; ++step) {
        for (int soFar = 0; soFar < 4; ++soFar) {
            const JobQuestion& question = QuestionFor(step, soFar);
            if (!screen_.shows(question.lines[0]) || !screen_.shows(question.upper)) continue;
            // One decide per question: a second would answer the next one.
            hands_.releaseAll();
            if (step == questionsAnswered_) return true;
            const int answer = (plan_.jobCode >> (step - 1)) & 1;
            const int cursor = Int(game_->field.Cursor);
            if (cursor < answer) hands_.holdOnly({vk::Down});
            else if (cursor > answer) hands_.holdOnly({vk::Up});
            else if (hands_.mayTap(vk::X)) {
                hands_.tap(vk::X);
                questionsAnswered_ = step;
            }
            return true;
        }
    }
    return false;
}

// The ending rolls the credits; the last line of the roll stays on the
// screen, letter by letter, until the music fades.
void Autopilot::watchCredits() {
    if (creditsSeen_) return;
    static const std::vector<std::string> lastLine = Utf8Characters(CreditRoll().back().lines.back());
    for (const std::string& letter : lastLine)
        if (!screen_.shows(letter)) return;
    creditsSeen_ = true;
    if (leg_ + 1 == route_.size()) closeLeg();
}

// A town: a night at the inn when the hero is hurt and can pay, then the act
// key climbs back up the ladder.
void Autopilot::townScreen() {
    const Player& hero = game_->player;
    const bool hurt = hero.Hp < hero.MaxHp || hero.Mp < hero.MaxMp;
    int row = -1;
    if (hurt && hero.Money >= InnPrice(*game_)) row = kInnRow;
    else if (screen_.shows("修行場に行く。") && wantedLesson() > 0) row = kHallRow;
    if (row < 0) {
        hands_.releaseAll();
        return hands_.tap(vk::Z);
    }
    pickRow(row, vk::Up, vk::Down);
}

// The lesson the hero wants from a training hall, if its price leaves
// enough money for the inns: the sword technique once, for the bosses (a
// caster's fire instead, a level more every few levels of his own), then
// levels of healing while his MP pays for a few heals of that level; 0 for
// none.
int Autopilot::wantedLesson() const {
    const Player& hero = game_->player;
    const int innReserve = 3 * (Int(hero.MaxHp / 10) + Int(hero.MaxMp / 10)) + 100;
    const auto affordable = [&](int technique) {
        return hero.Money >= TrainingPrice(*game_, technique) + innReserve;
    };
    if (IsDisguiser(hero) || IsBomber(hero)) {
        if (hero.Progress[kJobTechnique] < 1 && affordable(kJobTechnique)) return kJobTechnique;
    } else if (IsCaster(hero)) {
        const int fireLevels = std::min(kFireLevels, 1 + int(Int(hero.Level)) / kLevelsPerFireLevel);
        if (hero.Progress[kFireTechnique] < fireLevels && affordable(kFireTechnique)) return kFireTechnique;
    } else if (hero.Progress[kSwordTechnique] < 1 && affordable(kSwordTechnique)) {
        return kSwordTechnique;
    }
    const int healLevel = Int(hero.Progress[kHealTechnique]);
    if (healLevel < std::max(1, int(Int(hero.MaxMp / 12))) && affordable(kHealTechnique)) return kHealTechnique;
    return 0;
}

// A mage without his fire, or the disguiser without his disguise, has no
// weapon worth the name: as soon as he can pay for it, he walks to the
// nearest town for the lesson rather than waiting until a night at an inn
// happens to take him there (before a boss he heals at springs, and may
// never see a town). The necromancer's bones fight beside him: his fire can
// wait for a town on the way.
bool Autopilot::lessonTripWanted() const {
    const Player& hero = game_->player;
    if (!IsMage(hero) && !IsDisguiser(hero)) return false;
    const int main = mainTechnique();
    return hero.Progress[size_t(main)] < 1 && wantedLesson() == main;
}

// The nearest town (not a spring: only towns have halls), looked for again
// only when the hero has moved.
std::optional<MapCell> Autopilot::townForLesson() {
    const MapCell here = foot();
    if (!(here == lessonSearchCell_)) {
        lessonSearchCell_ = here;
        lessonTown_ = FindNearestInn(game_->map, here);
    }
    return lessonTown_;
}

// The training hall: the wanted lesson's row, or the act key out.
void Autopilot::trainingHall() {
    const int lesson = wantedLesson();
    if (lesson == 0) {
        hands_.releaseAll();
        return hands_.tap(vk::Z);
    }
    pickRow(lesson - 1, vk::Up, vk::Down);
}

// A caster fights with fire, the one who is not a bean with his disguise,
// the bomber keeps his bombs for bosses, everyone else the sword.
int Autopilot::mainTechnique() const {
    const Player& hero = game_->player;
    if (IsCaster(hero)) return kFireTechnique;
    return IsDisguiser(hero) || IsBomber(hero) ? kJobTechnique : kSwordTechnique;
}

// That technique, once learned, is the battle technique of every job that
// can change it (the fighting race keeps its own).
bool Autopilot::techniqueWanted() const {
    const Player& hero = game_->player;
    const int main = mainTechnique();
    return hero.Progress[size_t(main)] >= 1 && hero.Progress[7] == 0 && Int(hero.Skill) != main;
}

// The technique list, over the field menu or the battle: it names the wanted
// technique among the learned ones, and the field menu's last line is not last.
bool Autopilot::onTechniqueScreen() const {
    const auto& lines = screen_.shownTexts();
    return techniqueWanted() && screen_.shows(TechniqueName(game_->player, mainTechnique())) && !lines.empty() &&
           lines.back() != "ゲームの終了";
}

// Moves a menu's cursor to `row` and decides.
void Autopilot::pickRow(int row, int up, int down) {
    const int cursor = Int(game_->field.Cursor);
    if (cursor < row) return hands_.holdOnly({down});
    if (cursor > row) return hands_.holdOnly({up});
    hands_.releaseAll();
    hands_.tap(vk::X);
}

// Below half his HP the hero walks to the nearest town for a night at the
// inn, when he can pay and a town is in reach; it is forgotten once he is
// well again. Before a save (a defeat comes back to it) and before a boss he
// wants nearly all his HP, and takes a spring's water if no inn is near.
bool Autopilot::needsInn() {
    const Player& hero = game_->player;
    // A caster out of MP for his fire needs the inn as much as a hurt hero.
    const bool drained = Int(hero.Skill) == kFireTechnique && hero.Mp < TechniqueMpNeeded(hero, kFireTechnique);
    if (hero.Hp >= hero.MaxHp && !drained) forgetHealing();
    if (inn_) return true;
    const bool boss = bossAhead();
    // Nearly all his HP before a save, and before a boss unless he has
    // already turned back once on the way to it.
    const double share = saveWanted_ || (boss && innTripsOnTheWay_ == 0) ? kHealthyShare : 0.5;
    if (hero.Hp >= share * hero.MaxHp && !drained) return false;
    // A boss is worth a spring, and so is the way to a spring; an inn wants
    // its price. (The search is not done again while the hero stands still.)
    const MapCell here = foot();
    const bool goalIsSpring =
        leg_ < route_.size() && game_->map.eventAt(route_[leg_].goal.x, route_[leg_].goal.y) == kSpringCode;
    const bool springs = boss || goalIsSpring;
    if (!(here == healSearchCell_) || springs != healSearchForSprings_) {
        healSearchCell_ = here;
        healSearchForSprings_ = springs;
        healFound_ = FindNearestInn(game_->map, here, springs);
    }
    inn_ = healFound_;
    if (inn_ && game_->map.terrainAt(inn_->x, inn_->y) == kInnTerrain && hero.Money < InnPrice(*game_)) inn_.reset();
    // Sent back on the way to the goal a second time: the way is too long
    // for him yet, he trains one more level first.
    const bool backwards = inn_ && !(goalIsSpring && *inn_ == route_[leg_].goal);
    if (backwards && leg_ < route_.size() && hero.Level >= wantedLevel() && !saveWanted_ && ++innTripsOnTheWay_ >= 2)
        ++extraLevels_;
    return inn_.has_value();
}

// Healed, or the world has changed under the last search (a spring dried
// up, a save was loaded).
void Autopilot::forgetHealing() {
    inn_.reset();
    healSearchCell_ = {-1, -1};
}

bool Autopilot::restAndTrainingInReach() {
    const MapCell here = foot();
    if (!(here == innCell_)) {
        innCell_ = here;
        innReached_ = FindNearestInn(game_->map, here).has_value() && FindTrainingSpot(game_->map, here);
    }
    return innReached_;
}

// A save is what a defeat comes back to: the bot takes it only healthy and
// within reach of an inn and of ground to train on, never in the middle of a
// dungeon it could not leave alive nor in a room it could not train from;
// until then it plays on with the save owed.
bool Autopilot::saveNow() {
    const Player& hero = game_->player;
    return saveWanted_ && hero.Hp >= kHealthyShare * hero.MaxHp && restAndTrainingInReach();
}

// The game has gone back to the last save: so does the bot. It comes back
// one level stronger than it fell, except from the defeat it chose, and
// except from a boss it nearly beat: that fight is worth another try or two
// at the same level before the long training for the next.
void Autopilot::rollBackToSave() {
    const bool chosen = plan_.loseAtLeg && *plan_.loseAtLeg == leg_ && !lostOnPurpose_ && !chosenDefeatDone_;
    const Monster& opponent = game_->monster;
    const int level = Int(game_->player.Level);
    if (closeCallLevel_ != level) closeCalls_ = 0;
    const bool closeCall = opponent.Id >= kFirstFixedId && opponent.Hp < kCloseCallShare * opponent.MaxHp &&
                           closeCalls_ < kCloseCallsPerLevel;
    if (chosen) {
        lostOnPurpose_ = true;
        chosenDefeatDone_ = true;
    } else if (closeCall) {
        closeCallLevel_ = level;
        ++closeCalls_;
    } else {
        levelFloor_ = std::max(levelFloor_, level + 1);
        floorLeg_ = std::max(floorLeg_, leg_);
    }
    if (trace_) std::printf("  defeat in leg %zu: back to the save of leg %zu\n", leg_ + 1, savedLeg_ + 1);
    if (++defeatsSinceSave_ > kDefeatsLimit) return giveUp("lost again and again");
    attemptStartFrame_ = screen_.frameCount();
    leg_ = savedLeg_;
    records_.resize(leg_);
    legStarts_.resize(leg_ + 1);
    saveWanted_ = restartDue_ = false;
    steppingIntoGoal_ = crossingStone_ = false;
    walk_.clear();
    spot_.reset();
    forgetHealing();
    attempts_ = 0;
    innTripsOnTheWay_ = 0;
}

int Autopilot::wantedLevel() const {
    const int level = route_[leg_].level + extraLevels_;
    return leg_ <= floorLeg_ ? std::max(level, levelFloor_) : level;
}

bool Autopilot::bossAhead() const { return bossOfLeg().has_value(); }

std::optional<Monster> Autopilot::bossOfLeg() const {
    if (leg_ >= route_.size()) return std::nullopt;
    const MapCell goal = route_[leg_].goal;
    Monster boss;
    if (!FillFixedOpponent(boss, game_->map.eventAt(goal.x, goal.y), goal.y)) return std::nullopt;
    return boss;
}

// The field menu: "セーブ" when a save is due, else the act key closes it.
void Autopilot::fieldMenu() {
    if (saveWanted_ && game_->player.SaveCount > savesBefore_) {
        saveWanted_ = false;
        savedLeg_ = leg_;
        levelAtSave_ = Int(game_->player.Level);
        defeatsSinceSave_ = 0;
        ++saves_;
        if (restartDue_) {
            restartDue_ = false;
            restartWanted_ = true;
            return hands_.releaseAll();
        }
    }
    const int row = wantedMenuRow();
    if (row < 0) {
        hands_.releaseAll();
        return hands_.tap(vk::Z);
    }
    pickRow(row, vk::Up, vk::Down);
}

// What the field menu is wanted for, in turn: healing, the save, the
// mascot, the sword as the battle technique; -1 for nothing.
int Autopilot::wantedMenuRow() {
    const Player& hero = game_->player;
    const bool knowsHeal = hero.Progress[kHealTechnique] >= 1;
    // Before a boss the MP is kept for the sword: an inn or a spring heals.
    const double share = saveWanted_ ? kHealthyShare : 0.6;
    if (knowsHeal && hero.Hp < share * hero.MaxHp && hero.Mp >= FieldHealCost(*game_)) return kHealRow;
    if (saveNow()) return kSaveRow;
    if (Int(hero.Progress[16]) != wantedMascot()) return kMascotRow;
    if (techniqueWanted()) return kTechniqueRow;
    return -1;
}

void Autopilot::playOn(Game& game) {
    game_ = &game;
    hands_.releaseAll();
    restartWanted_ = false;
    walk_.clear();
    walkPos_ = 0;
    walkGoal_ = walkFrom_ = lastFoot_ = {-1, -1};
    steppingIntoGoal_ = sawOtherScreen_ = false;
    spot_.reset();
    forgetHealing();
    lastState_ = "MOVE";
}

// As Progress[16] counts: slot + 1, 0 for none. On the way to a boss the
// mascot that takes most of his HP (ROBO's laser for a dragon rock, which
// nothing else breaks); elsewhere the skull, whose healing every turn saves
// walks back to the inn.
int Autopilot::wantedMascot() const {
    const Player& hero = game_->player;
    const auto& owned = hero.MascotOwned;
    if (const auto boss = bossOfLeg()) {
        if (boss->Id == kDragonRockId) return owned[kRoboSlot] != 0 ? kRoboSlot + 1 : 0;
        if (const int slot = StrongestBossMascot(hero, *boss); slot >= 0) return slot + 1;
    }
    if (owned[kSkullSlot] != 0) return kSkullSlot + 1;
    if (owned[kRoboSlot] != 0) return kRoboSlot + 1;
    return 0;
}

// The mascot screen tells of the slot under its cursor in one of its lines.
bool Autopilot::onMascotScreen() const {
    if (screen_.shows("マスコットをはずす")) return true;
    for (const MascotLabels& labels : MascotLabelTable())
        if (screen_.shows(labels.owned[0]) || screen_.shows(labels.missing[0])) return true;
    return false;
}

void Autopilot::mascotScreen() {
    const int wanted = wantedMascot();
    pickRow(wanted == 0 ? kMascotSlots : wanted - 1, vk::Left, vk::Right);
}

void Autopilot::battleMenu() {
    const Player& hero = game_->player;
    const Monster& monster = game_->monster;
    int target = kAttack;
    const bool fixed = monster.Id >= kFirstFixedId;
    if (hero.Hp < 0.5 * hero.MaxHp && !fixed) target = kFlee;
    // The sword and the bomb ignore armour and never miss: they are kept for
    // bosses. A caster's fire is his weapon in every fight, while his MP lasts.
    const int skill = Int(hero.Skill);
    const bool affordable = hero.Mp >= TechniqueMpNeeded(hero, skill);
    const bool bossWeaponReady =
        affordable && (skill == kSwordTechnique || (skill == kJobTechnique && IsBomber(hero)));
    const bool fireReady = skill == kFireTechnique && affordable;
    if (fixed && bossWeaponReady && monster.Id != kDragonRockId) target = kTechnique;
    if (fireReady && target != kFlee && monster.Id != kDragonRockId) target = kTechnique;
    // The disguise copies an untouched opponent who would make a stronger
    // hero (which also heals him, so it beats fleeing).
    const bool disguiseReady =
        skill == kJobTechnique && IsDisguiser(hero) && affordable && monster.Hp >= monster.MaxHp;
    if (disguiseReady && DisguiseBetter(hero, monster, foot().y)) target = kTechnique;
    if (fixed && plan_.loseAtLeg == leg_ && !chosenDefeatDone_) target = kFlee;
    pickRow(target, vk::Up, vk::Down);
}

// The bomb goes at the fuse's longest; until then nothing is pressed.
void Autopilot::letTheFuseBurn() {
    hands_.releaseAll();
    if (FuseAtLongest(screen_.lastFrame())) hands_.tap(vk::X);
}

void Autopilot::growthWheel() {
    const int picksLeft = Int(game_->battle.GrowthPicks);
    const Player& hero = game_->player;
    const int* picks = IsCaster(hero) ? kCasterPicks : kPickOrder;
    if (IsBomber(hero) && hero.Progress[kJobTechnique] >= 1 &&
        hero.MaxMp < kBombsPerBoss * TechniqueMpNeeded(hero, kJobTechnique))
        picks = kBomberPicks;
    if (const auto boss = bossOfLeg(); boss && HealsHimself(*boss) && FightsWithBlows(hero)) picks = kHealerPicks;
    const int target = picks[(6 - picksLeft + 6) % 6];
    if (Int(game_->field.Cursor) != target) return hands_.holdOnly({vk::Left});
    hands_.releaseAll();
    hands_.tap(vk::X);
}

void Autopilot::doorPrompt() {
    pickRow(game_->player.Level > game_->monster.Attack ? 0 : 1, vk::Up, vk::Down);
}

void Autopilot::fieldFrame() {
    const MapCell here = foot();
    if (trace_ && !(here == lastFoot_))
        std::printf("  frame %d: (%d, %d) event %d\n", screen_.frameCount(), here.x, here.y,
                    game_->map.eventAt(here.x, here.y));
    framesOnCell_ = here == lastFoot_ ? framesOnCell_ + 1 : 0;
    lastFoot_ = here;
    // The step into the goal is over once the hero left his cell or the
    // goal's trigger took the screen.
    if (steppingIntoGoal_ && (!(here == beforeGoal_) || sawOtherScreen_)) {
        // The hero may stand on the goal a frame before its trigger runs.
        const bool triggerDue = here == route_[leg_].goal && !sawOtherScreen_ && ++framesOnGoal_ < kTriggerFrames;
        if (triggerDue) return hands_.releaseAll();
        steppingIntoGoal_ = false;
        framesOnGoal_ = 0;
        legEntered();
    }
    sawOtherScreen_ = false;
    if (leg_ >= legCount_) {
        // The last goal's trigger may still be on its way (a frame of it
        // can look like the field): done once the field has stayed a while.
        hands_.releaseAll();
        finished_ = ++quietFieldFrames_ >= kQuietFramesAtTheEnd;
        return;
    }
    // Levels won by training are saved as soon as it is safe, so that a
    // defeat does not throw them away.
    if (!saveWanted_ && Int(game_->player.Level) > levelAtSave_) {
        saveWanted_ = true;
        savesBefore_ = Int(game_->player.SaveCount);
    }
    if (wantedMenuRow() >= 0) {
        hands_.releaseAll();
        return hands_.tap(vk::X);
    }
    if (needsInn()) return walkTowards(*inn_, true);
    if (lessonTripWanted())
        if (const auto town = townForLesson()) return walkTowards(*town, true);
    const world::Leg& leg = route_[leg_];
    if (game_->player.Level < wantedLevel()) return train();
    spot_.reset();
    if (leg.step == world::Step::KickStone) return kickStone(leg.goal);
    walkTowards(leg.goal, true);
}

// The stone of the keeper's task lies in one row; the hero steps onto it
// walking the way it must go and kicks it one cell with the act key, again
// and again until it lies at `goal`.
void Autopilot::kickStone(MapCell goal) {
    int stone = -1;
    for (int x = 0; x < kEventColumns; ++x)
        if (game_->map.eventAt(x, goal.y) == kStoneCode) stone = x;
    if (stone < 0) return giveUp("no stone lies in row " + std::to_string(goal.y));
    if (stone == goal.x) return closeLeg();
    const int direction = goal.x > stone ? 2 : 0;
    const int step = direction == 2 ? 1 : -1;
    const int facing = direction == 2 ? 1 : 3;
    const MapCell here = foot();
    const MapCell onStone{stone, goal.y}, behind{stone - step, goal.y};
    if (here == onStone && game_->field.Facing == facing) {
        hands_.releaseAll();
        if (screen_.frameCount() - lastKickFrame_ > 3) {
            hands_.tap(vk::Z);
            lastKickFrame_ = screen_.frameCount();
        }
        return;
    }
    // From the keeper's side of the row the only other way behind the stone
    // leads through the keeper himself: the hero walks over the stone.
    if (here.y == goal.y && (direction == 2 ? here.x > stone : here.x < stone)) crossingStone_ = true;
    if (here == behind) crossingStone_ = false;
    if (crossingStone_) return walkTowards(behind, false);
    if (here == behind || here == onStone) return hands_.holdOnly({ArrowKey(direction)});
    walkTowards(behind, false, {onStone});
}

void Autopilot::walkTowards(MapCell target, bool enterTarget, const std::vector<MapCell>& avoid) {
    const MapCell here = foot();
    if (here == target && !enterTarget) return hands_.releaseAll();
    // Follow the plan while the hero is where it expects him.
    if (walkPos_ < walk_.size() && here == walk_[walkPos_].arrive) ++walkPos_;
    const MapCell expected = walkPos_ == 0 ? walkFrom_ : walk_[walkPos_ - 1].arrive;
    if (!(walkGoal_ == target) || walkPos_ >= walk_.size() || !(here == expected) || framesOnCell_ > 40) {
        framesOnCell_ = 0;
        auto path = FindPath(game_->map, here, target, avoid);
        if (!path) {
            ++attempts_;
            if (attempts_ > kAttemptsLimit) giveUp("no way from (" + std::to_string(here.x) + ", " +
                                                  std::to_string(here.y) + ")");
            return hands_.releaseAll();
        }
        if (trace_)
            std::printf("  plan from (%d, %d) to (%d, %d): %zu steps\n", here.x, here.y, target.x, target.y,
                        path->size());
        walk_ = *path;
        walkPos_ = 0;
        walkFrom_ = here;
        walkGoal_ = target;
    }
    const PathStep& step = walk_[walkPos_];
    // Only the leg's goal ends the leg (not an inn on the way).
    if (enterTarget && walkPos_ + 1 == walk_.size() && leg_ < route_.size() && target == route_[leg_].goal) {
        steppingIntoGoal_ = true;
        beforeGoal_ = here;
    }
    hands_.holdOnly({ArrowKey(step.direction)});
}

// Training: back and forth between two plain cells on the nearest ground
// the hero can win on without going back to the inn after every battle (the
// safest there is, or the nearest ground at all, if none is); the choice is
// made again with every level gained.
void Autopilot::train() {
    const MapCell here = foot();
    const Player& hero = game_->player;
    if (spot_ && spotLevel_ != Int(hero.Level)) spot_.reset();
    if (!spot_) {
        spotLevel_ = Int(hero.Level);
        for (double share : kTrainingShares) {
            spot_ = FindTrainingSpot(game_->map, here, [&](MapCell c) { return SafeToTrain(hero, c.y, share); });
            if (spot_) break;
        }
        if (!spot_) spot_ = FindTrainingSpot(game_->map, here);
        if (!spot_) return giveUp("no ground for training near (" + std::to_string(here.x) + ", " +
                                  std::to_string(here.y) + ")");
    }
    if (here == spot_->cell) return hands_.holdOnly({ArrowKey(spot_->step.direction)});
    if (here == spot_->step.enter) return hands_.holdOnly({ArrowKey(Opposite(spot_->step.direction))});
    walkTowards(spot_->cell, false);
}

// The goal's trigger has fired (or the hero stepped on it): the leg holds if
// the next leg's goal can now be reached.
void Autopilot::legEntered() {
    // The last boss's leg ends with the credits.
    if (leg_ + 1 == route_.size()) return;
    if (leg_ + 1 >= legCount_) return closeLeg();
    const world::Leg& next = route_[leg_ + 1];
    if (next.step == world::Step::KickStone || FindPath(game_->map, foot(), next.goal)) return closeLeg();
    ++attempts_;
    if (attempts_ % 2 == 0) ++extraLevels_;
    if (attempts_ > kAttemptsLimit) giveUp("the way on stays shut after " + std::string(route_[leg_].what));
}

LegRecord Autopilot::currentLeg() const {
    const LegStart& start = legStarts_[leg_];
    LegRecord record;
    record.what = leg_ < route_.size() ? route_[leg_].what : "";
    record.level = Int(game_->player.Level);
    record.battles = battles_ - start.battles;
    record.defeats = defeats_ - start.defeats;
    record.frames = screen_.frameCount() - start.frame;
    record.virtualMinutes = double(screen_.ticks() - start.ticks) / 60000.0;
    const auto now = std::chrono::steady_clock::now();
    record.wallSeconds = std::chrono::duration<double>(now - start.wall).count();
    return record;
}

void Autopilot::closeLeg() {
    const LegRecord record = currentLeg();
    const auto now = std::chrono::steady_clock::now();
    records_.push_back(record);
    std::printf("  leg %zu %s: level %d, %d battles, %d frames\n", leg_ + 1, record.what.c_str(), record.level,
                record.battles, record.frames);
    std::fflush(stdout);
    ++leg_;
    // Every leg ends with a save, so a defeat costs at most one leg.
    saveWanted_ = true;
    savesBefore_ = Int(game_->player.SaveCount);
    if (leg_ % kRestartEvery == 0) restartDue_ = true;
    attempts_ = 0;
    extraLevels_ = 0;
    innTripsOnTheWay_ = 0;
    legStarts_.push_back({screen_.frameCount(), battles_, defeats_, screen_.ticks(), now});
    attemptStartFrame_ = screen_.frameCount();
}

void Autopilot::giveUp(const std::string& why) {
    if (!stuck_.empty()) return;
    stuck_ = std::string(leg_ < route_.size() ? route_[leg_].what : "the end") + ": " + why;
    hands_.releaseAll();
}

}  // namespace zanbora::playthrough
