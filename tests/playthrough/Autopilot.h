#pragma once
// The player the tests put at the keyboard: it reads the screen and the
// game's numbers between frames and answers with key events only. It walks
// the world's route leg by leg, trains on random battles until the leg's
// level, rests at inns, learns and uses techniques, saves when it is safe,
// and fights through the battle menu and the growth wheel until the credits.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "Keys.h"
#include "Paths.h"
#include "ScreenReader.h"
#include "WorldStory.h"
#include "game/core/Game.h"
#include "game/core/Monster.h"

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

// What the bot is asked to play.
struct BotPlan {
    size_t legCount = 0;  // the first legs of the route to play
    int jobCode = 0;      // 0..7: the answers it gives the trainer, one bit per question
    // The leg whose first boss battle it loses on purpose (fleeing, which a
    // boss ignores), to see the game go on from the last save; none if unset.
    std::optional<size_t> loseAtLeg;
};

// Where a leg's counting started.
struct LegStart {
    int frame = 0, battles = 0, defeats = 0;
    int64_t ticks = 0;
    std::chrono::steady_clock::time_point wall;
};

class Autopilot {
public:
    Autopilot(Game& game, ScreenReader& screen, std::vector<world::Leg> route, const BotPlan& plan);

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
    // True on a field frame: the map with nothing over it but the status panel.
    bool onField() const;
    // True once the last of the credits has been on the screen.
    bool creditsSeen() const { return creditsSeen_; }
    // True while the defeat the plan asked for has happened and the game
    // has not yet shown the field again from the save.
    bool lostOnPurpose() const { return lostOnPurpose_; }
    // The number of saves the bot has written.
    int saves() const { return saves_; }
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
    void countStates();
    void fieldFrame();
    void startScreen();
    bool answerTrainer();
    void watchCredits();
    bool saveNow();
    bool restAndTrainingInReach();
    int wantedLevel() const;
    void rollBackToSave();
    void townScreen();
    void fieldMenu();
    int wantedMenuRow();
    int wantedLesson() const;
    bool lessonTripWanted() const;
    std::optional<MapCell> townForLesson();
    int mainTechnique() const;
    bool techniqueWanted() const;
    bool onTechniqueScreen() const;
    void trainingHall();
    void pickRow(int row, int up, int down);
    int wantedMascot() const;
    bool onMascotScreen() const;
    void mascotScreen();
    bool needsInn();
    void forgetHealing();
    bool bossAhead() const;
    // The boss at the end of this leg, if one stands there.
    std::optional<Monster> bossOfLeg() const;
    void battleMenu();
    void letTheFuseBurn();
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
    BotPlan plan_;
    size_t legCount_;
    size_t leg_ = 0;

    // The walk in progress.
    std::vector<PathStep> walk_;
    size_t walkPos_ = 0;
    MapCell walkFrom_{-1, -1};
    MapCell walkGoal_{-1, -1};
    MapCell lastFoot_{-1, -1};
    int framesOnCell_ = 0;
    bool steppingIntoGoal_ = false;
    int framesOnGoal_ = 0;
    int quietFieldFrames_ = 0;
    bool sawOtherScreen_ = false;
    MapCell beforeGoal_{-1, -1};
    int attempts_ = 0;
    int extraLevels_ = 0;
    int innTripsOnTheWay_ = 0;  // times sent back to an inn on the way to this leg's goal
    // After a defeat: the level to reach before trying again, up to the leg
    // that was lost.
    int levelFloor_ = 0;
    size_t floorLeg_ = 0;
    // Boss fights lost narrowly at this level, tried again without training.
    int closeCallLevel_ = 0;
    int closeCalls_ = 0;
    bool saveWanted_ = false;
    size_t savedLeg_ = 0;  // the leg the last save was taken in
    int levelAtSave_ = 1;  // the hero's level in the last save
    int defeatsSinceSave_ = 0;
    int attemptStartFrame_ = 0;  // the frame the leg, or its new try, began
    int saves_ = 0;
    // Whether an inn and training ground can be reached from innCell_, kept
    // while the hero stands there.
    MapCell innCell_{-1, -1};
    bool innReached_ = false;
    bool lostOnPurpose_ = false;
    bool chosenDefeatDone_ = false;
    bool creditsSeen_ = false;
    int questionsAnswered_ = 0;  // the trainer's questions answered so far
    bool restartWanted_ = false;
    bool restartDue_ = false;  // the next save is one to come back to
    int64_t savesBefore_ = 0;
    std::optional<TrainingSpot> spot_;
    int spotLevel_ = 0;  // the hero's level when the spot was chosen
    std::optional<MapCell> inn_;  // the inn (or spring) the hurt hero walks to
    // The last search for one, and where it was made.
    MapCell healSearchCell_{-1, -1};
    bool healSearchForSprings_ = false;
    std::optional<MapCell> healFound_;
    // The town the hero walks to for his weapon's lesson, and where it was
    // looked for.
    MapCell lessonSearchCell_{-1, -1};
    std::optional<MapCell> lessonTown_;

    // Counting.
    std::string lastState_ = "MOVE";
    int battles_ = 0, defeats_ = 0;
    std::vector<LegStart> legStarts_;  // one per leg begun
    int idleWaits_ = 0;
    int otherFrames_ = 0;
    int lastKickFrame_ = 0;
    bool crossingStone_ = false;  // on the way over the stone to kick it from behind
    bool defeatSeen_ = false;
    bool trace_ = false;
    bool finished_ = false;
    std::string stuck_;
    std::vector<LegRecord> records_;
};

}  // namespace zanbora::playthrough
