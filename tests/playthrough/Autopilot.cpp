#include "Autopilot.h"

#include <cstdio>
#include <cstdlib>

#include "game/battle/FixedOpponents.h"
#include "game/party/MascotScreen.h"
#include "game/shell/Game.h"
#include "platform/KeyCodes.h"

namespace zanbora::playthrough {

namespace {

// The battle menu's entries and the growth wheel's stats, as the cursor
// counts them.
constexpr int kAttack = 0, kFlee = 3;
// The field menu's rows of the mascots and "セーブ".
constexpr int kMascotRow = 1, kSaveRow = 5;
// The mascot slots of the skull and of ROBO.
constexpr size_t kSkullSlot = 0, kRoboSlot = 1;
constexpr int kWheelHp = 0, kWheelSpeed = 1, kWheelDefence = 2, kWheelAttack = 3;
// Six picks a level: a tough, hard-hitting hero who is not too slow.
constexpr int kPickOrder[6] = {kWheelHp, kWheelAttack, kWheelDefence, kWheelHp, kWheelAttack, kWheelSpeed};
// Opponents met at random have ids below the dragon rock's; flight from the
// others does nothing.
constexpr int kFirstFixedId = 899;
// Every this many legs the bot saves, ends the program and plays on in a
// freshly started one from the save.
constexpr size_t kRestartEvery = 10;
// A leg that takes longer than this has lost its way.
constexpr int kFramesPerLegLimit = 250000;
constexpr int kAttemptsLimit = 10;
// The event code of the stone the keeper's task is about.
constexpr int kStone = 17;

int Opposite(int direction) { return (direction + 2) % 4; }

// The name the bot gives its hero.
constexpr const char* kHeroName = "ボット豆";

}  // namespace

Autopilot::Autopilot(Game& game, ScreenReader& screen, std::vector<world::Leg> route, size_t legCount)
    : game_(&game), screen_(screen), hands_(screen), route_(std::move(route)),
      legCount_(std::min(legCount, route_.size())), legStartTicks_(screen.ticks()), legStartWall_(std::chrono::steady_clock::now()),
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
        ++extraLevels_;  // the game goes on from the last save: come back stronger
    }
    lastState_ = state;
}

void Autopilot::onFrame() {
    idleWaits_ = 0;
    countStates();
    if (trace_ && screen_.frameCount() % 500 == 0) {
        std::printf("  frame %d: %s at (%d, %d), level %lld, HP %lld/%lld, texts:", screen_.frameCount(),
                    game_->GameState.c_str(), foot().x, foot().y, (long long)Int(game_->player.Level),
                    (long long)Int(game_->player.Hp), (long long)Int(game_->player.MaxHp));
        for (const std::string& line : screen_.shownTexts()) std::printf(" [%s]", line.c_str());
        std::printf("\n");
        std::fflush(stdout);
    }
    if (finished_ || !stuck_.empty()) return;
    if (screen_.frameCount() - legStartFrame_ > kFramesPerLegLimit) return giveUp("the leg takes too long");
    if (game_->start.visible) return startScreen();
    if (onField()) {
        otherFrames_ = 0;
        return fieldFrame();
    }
    sawOtherScreen_ = true;
    if (game_->GameState == "BATTLE" && screen_.shows("通常攻撃")) return battleMenu();
    if (screen_.shows("LEVEL UP!!")) return growthWheel();
    if (game_->GameState == "BATTLE2" && screen_.shows("こじ開ける")) return doorPrompt();
    if (screen_.shows("話を聞く。")) return townScreen();
    if (onMascotScreen()) return mascotScreen();
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

// A town: a night at the inn when the hero is hurt and can pay, then the act
// key climbs back up the ladder.
void Autopilot::townScreen() {
    const Player& hero = game_->player;
    const bool hurt = hero.Hp < hero.MaxHp || hero.Mp < hero.MaxMp;
    const bool canPay = hero.Money >= (Int((hero.MaxHp - hero.Hp) / 10) + Int((hero.MaxMp - hero.Mp) / 10));
    if (hurt && canPay) {
        if (Int(game_->field.Cursor) > 0) return hands_.holdOnly({vk::Up});
        hands_.releaseAll();
        return hands_.tap(vk::X);
    }
    hands_.releaseAll();
    hands_.tap(vk::Z);
}

// Below half his HP the hero walks to the nearest town for a night at the
// inn, when he can pay and a town is in reach; it is forgotten once he is
// well again. Before a save (a defeat comes back to it) and before a boss he
// wants nearly all his HP.
bool Autopilot::needsInn() {
    const Player& hero = game_->player;
    if (hero.Hp >= hero.MaxHp) inn_.reset();
    if (inn_) return true;
    const int price = Int((hero.MaxHp - hero.Hp) / 10) + Int((hero.MaxMp - hero.Mp) / 10);
    const double share = saveWanted_ || bossAhead() ? 0.9 : 0.5;
    if (hero.Hp >= share * hero.MaxHp || hero.Money < price) return false;
    inn_ = FindNearestInn(game_->map, foot());
    return inn_.has_value();
}

bool Autopilot::bossAhead() const {
    if (leg_ >= route_.size()) return false;
    const MapCell goal = route_[leg_].goal;
    return IsFixedOpponentEvent(game_->map.eventAt(goal.x, goal.y), goal.y);
}

// The field menu: "セーブ" when a save is due, else the act key closes it.
void Autopilot::fieldMenu() {
    if (saveWanted_ && game_->player.SaveCount > savesBefore_) {
        saveWanted_ = false;
        if (restartDue_) {
            restartDue_ = false;
            restartWanted_ = true;
            return hands_.releaseAll();
        }
    }
    const bool mascotWanted = Int(game_->player.Progress[16]) != wantedMascot();
    if (!saveWanted_ && !mascotWanted) {
        hands_.releaseAll();
        return hands_.tap(vk::Z);
    }
    const int row = saveWanted_ ? kSaveRow : kMascotRow;
    const int cursor = Int(game_->field.Cursor);
    if (cursor < row) return hands_.holdOnly({vk::Down});
    if (cursor > row) return hands_.holdOnly({vk::Up});
    hands_.releaseAll();
    hands_.tap(vk::X);
}

void Autopilot::playOn(Game& game) {
    game_ = &game;
    hands_.releaseAll();
    restartWanted_ = false;
    plan_.clear();
    planPos_ = 0;
    planGoal_ = planFrom_ = lastFoot_ = {-1, -1};
    steppingIntoGoal_ = sawOtherScreen_ = false;
    spot_.reset();
    inn_.reset();
    lastState_ = "MOVE";
}

// ROBO's laser every turn once he is won (the dragon rocks need it), else
// the skull's healing; 0 is none. As Progress[16] counts: slot + 1.
int Autopilot::wantedMascot() const {
    const auto& owned = game_->player.MascotOwned;
    if (owned[kRoboSlot] != 0) return kRoboSlot + 1;
    if (owned[kSkullSlot] != 0) return kSkullSlot + 1;
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
    const int slot = wanted == 0 ? kMascotSlots : wanted - 1;
    const int cursor = Int(game_->field.Cursor);
    if (cursor < slot) return hands_.holdOnly({vk::Right});
    if (cursor > slot) return hands_.holdOnly({vk::Left});
    hands_.releaseAll();
    hands_.tap(vk::X);
}

void Autopilot::battleMenu() {
    const Player& hero = game_->player;
    const Monster& monster = game_->monster;
    int target = kAttack;
    if (hero.Hp < 0.5 * hero.MaxHp && monster.Id < kFirstFixedId) target = kFlee;
    const int cursor = Int(game_->field.Cursor);
    if (cursor < target) return hands_.holdOnly({vk::Down});
    if (cursor > target) return hands_.holdOnly({vk::Up});
    hands_.releaseAll();
    hands_.tap(vk::X);
}

void Autopilot::growthWheel() {
    const int picksLeft = Int(game_->battle.GrowthPicks);
    const int target = kPickOrder[(6 - picksLeft + 6) % 6];
    if (Int(game_->field.Cursor) != target) return hands_.holdOnly({vk::Left});
    hands_.releaseAll();
    hands_.tap(vk::X);
}

void Autopilot::doorPrompt() {
    const int target = game_->player.Level > game_->monster.Attack ? 0 : 1;
    const int cursor = Int(game_->field.Cursor);
    if (cursor < target) return hands_.holdOnly({vk::Down});
    if (cursor > target) return hands_.holdOnly({vk::Up});
    hands_.releaseAll();
    hands_.tap(vk::X);
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
        steppingIntoGoal_ = false;
        legEntered();
    }
    sawOtherScreen_ = false;
    if (leg_ >= legCount_) {
        finished_ = true;
        hands_.releaseAll();
        return;
    }
    if (needsInn()) return walkTowards(*inn_, true);
    if (saveWanted_ || Int(game_->player.Progress[16]) != wantedMascot()) {
        hands_.releaseAll();
        return hands_.tap(vk::X);
    }
    const world::Leg& leg = route_[leg_];
    if (game_->player.Level < leg.level + extraLevels_) return train();
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
        if (game_->map.eventAt(x, goal.y) == kStone) stone = x;
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
    if (here == behind || here == onStone) return hands_.holdOnly({ArrowKey(direction)});
    walkTowards(behind, false, {onStone});
}

void Autopilot::walkTowards(MapCell target, bool enterTarget, const std::vector<MapCell>& avoid) {
    const MapCell here = foot();
    if (here == target && !enterTarget) return hands_.releaseAll();
    // Follow the plan while the hero is where it expects him.
    if (planPos_ < plan_.size() && here == plan_[planPos_].arrive) ++planPos_;
    const MapCell expected = planPos_ == 0 ? planFrom_ : plan_[planPos_ - 1].arrive;
    if (!(planGoal_ == target) || planPos_ >= plan_.size() || !(here == expected) || framesOnCell_ > 40) {
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
        plan_ = *path;
        planPos_ = 0;
        planFrom_ = here;
        planGoal_ = target;
    }
    const PathStep& step = plan_[planPos_];
    // Only the leg's goal ends the leg (not an inn on the way).
    if (enterTarget && planPos_ + 1 == plan_.size() && leg_ < route_.size() && target == route_[leg_].goal) {
        steppingIntoGoal_ = true;
        beforeGoal_ = here;
    }
    hands_.holdOnly({ArrowKey(step.direction)});
}

void Autopilot::train() {
    const MapCell here = foot();
    if (!spot_) {
        spot_ = FindTrainingSpot(game_->map, here);
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
    if (leg_ + 1 >= legCount_ || leg_ + 1 >= route_.size()) return closeLeg();
    const world::Leg& next = route_[leg_ + 1];
    if (next.step == world::Step::KickStone || FindPath(game_->map, foot(), next.goal)) return closeLeg();
    ++attempts_;
    if (attempts_ % 2 == 0) ++extraLevels_;
    if (attempts_ > kAttemptsLimit) giveUp("the way on stays shut after " + std::string(route_[leg_].what));
}

LegRecord Autopilot::currentLeg() const {
    LegRecord record;
    record.what = leg_ < route_.size() ? route_[leg_].what : "";
    record.level = Int(game_->player.Level);
    record.battles = battles_ - legStartBattles_;
    record.defeats = defeats_ - legStartDefeats_;
    record.frames = screen_.frameCount() - legStartFrame_;
    record.virtualMinutes = double(screen_.ticks() - legStartTicks_) / 60000.0;
    const auto now = std::chrono::steady_clock::now();
    record.wallSeconds = std::chrono::duration<double>(now - legStartWall_).count();
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
    legStartFrame_ = screen_.frameCount();
    legStartBattles_ = battles_;
    legStartDefeats_ = defeats_;
    legStartTicks_ = screen_.ticks();
    legStartWall_ = now;
}

void Autopilot::giveUp(const std::string& why) {
    if (!stuck_.empty()) return;
    stuck_ = std::string(leg_ < route_.size() ? route_[leg_].what : "the end") + ": " + why;
    hands_.releaseAll();
}

}  // namespace zanbora::playthrough
