#pragma once
// The player the tests put at the keyboard: it reads the screen and the
// game's numbers between frames and answers with key events only. It walks
// the world's route leg by leg, trains on random battles until the leg's
// level, and fights through the battle menu and the growth wheel.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "Keys.h"
#include "Paths.h"
#include "ScreenReader.h"
#include "WorldStory.h"
#include "game/shell/Game.h"

namespace zanbora::playthrough {

// What one leg of the route cost.
struct LegRecord {
    std::string what;
    int level = 0;
    int battles = 0;
    int defeats = 0;
    int frames = 0;
    double virtualMinutes = 0;
    double wallSeconds = 0;
};

class Autopilot {
public:
    // Plays the first `legCount` legs of `route`.
    Autopilot(Game& game, ScreenReader& screen, std::vector<world::Leg> route, size_t legCount);

    // Hooks for the platform: after each presented frame, and while the game
    // sleeps waiting for a key.
    void onFrame();
    void onWait();

    // True once a save the bot wants to come back to is written: the run
    // then ends the program and starts a fresh one on the same folder.
    bool restartWanted() const { return restartWanted_; }
    // Goes on playing in a freshly started game (after restartWanted).
    void playOn(Game& game);

    bool finished() const { return finished_; }
    // Why the bot gave up, or "" while it has not.
    const std::string& stuck() const { return stuck_; }
    const std::vector<LegRecord>& legs() const { return records_; }
    // What the leg in progress has cost so far.
    LegRecord currentLeg() const;
    int battles() const { return battles_; }
    int defeats() const { return defeats_; }
    // The leg being played (legs().size() once all are done).
    size_t legIndex() const { return leg_; }

private:
    MapCell foot() const;
    bool onField() const;
    void countStates();
    void fieldFrame();
    void startScreen();
    void townScreen();
    void fieldMenu();
    int wantedMascot() const;
    bool onMascotScreen() const;
    void mascotScreen();
    bool needsInn();
    bool bossAhead() const;
    void battleMenu();
    void growthWheel();
    void doorPrompt();
    // Holds the arrow key that walks towards entering `target`; false when
    // the hero already entered it this frame (or no way leads there).
    void walkTowards(MapCell target, bool enterTarget, const std::vector<MapCell>& avoid = {});
    void kickStone(MapCell goal);
    void train();
    void legEntered();
    void closeLeg();
    void giveUp(const std::string& why);

    Game* game_;
    ScreenReader& screen_;
    KeyHands hands_;
    std::vector<world::Leg> route_;
    size_t legCount_;
    size_t leg_ = 0;

    // The walk in progress.
    std::vector<PathStep> plan_;
    size_t planPos_ = 0;
    MapCell planFrom_{-1, -1};
    MapCell planGoal_{-1, -1};
    MapCell lastFoot_{-1, -1};
    int framesOnCell_ = 0;
    bool steppingIntoGoal_ = false;
    bool sawOtherScreen_ = false;
    MapCell beforeGoal_{-1, -1};
    int attempts_ = 0;
    int extraLevels_ = 0;
    bool saveWanted_ = false;
    bool restartWanted_ = false;
    bool restartDue_ = false;  // the next save is one to come back to
    int64_t savesBefore_ = 0;
    std::optional<TrainingSpot> spot_;
    std::optional<MapCell> inn_;  // the inn the hurt hero walks to

    // Counting.
    std::string lastState_ = "MOVE";
    int battles_ = 0, defeats_ = 0;
    int legStartFrame_ = 0, legStartBattles_ = 0, legStartDefeats_ = 0;
    int64_t legStartTicks_ = 0;
    std::chrono::steady_clock::time_point legStartWall_;
    int idleWaits_ = 0;
    int otherFrames_ = 0;
    int lastKickFrame_ = 0;
    bool defeatSeen_ = false;
    bool trace_ = false;
    bool finished_ = false;
    std::string stuck_;
    std::vector<LegRecord> records_;
};

}  // namespace zanbora::playthrough
