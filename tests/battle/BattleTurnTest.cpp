// One turn of the main loop's "BATTLE" state, played with keys: who acts in
// which order, what the command menu offers, and what follows the actions.
#include <algorithm>
#include <functional>

#include "BattleFixture.h"
#include "game/battle/Battle.h"
#include "game/battle/FixedOpponents.h"
#include "game/core/Frame.h"
#include "game/flow/MainLoop.h"

namespace zanbora::testing {
namespace {

using Strings = std::vector<std::string>;

class BattleTurnTest : public BattleTest {
protected:
    BattleTurnTest() {
        // The opponent's blow (id 2, "kni") is 7 + 3 = 10 with these draws.
        hero().Hp = 40;
        t.platform.autopilot = [this](HeadlessPlatform& p) {
            if (p.lastFrame().width != 512) return;
            if (p.lastFrame().at(200, 70) == 0xFFFFFF) {
                menuFrame = p.lastFrame();
                p.tap(vk::X);
            } else if (p.lastFrame().at(260, 100) == 0xFFFFFF) {
                p.tap(techniqueKey);  // the technique list's right edge
            }
        };
    }

    // One turn with the menu's cursor on entry; true when the battle ended.
    bool Turn(int entry, std::initializer_list<double> draws) {
        game().field.Cursor = entry;
        Pin(draws);
        return BattleTurn(game());
    }

    Pixels menuFrame;
    int techniqueKey = vk::X;
};

// ---------------------------------------------------------------- flight

TEST_F(BattleTurnTest, FlightFromAnOrdinaryOpponentAlwaysEndsTheBattle) {
    // The hero is faster: he runs before the opponent can strike.
    EXPECT_TRUE(Turn(3, {0.9, 0.1}));
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "out01.wav"}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
}

TEST_F(BattleTurnTest, AnOpponentThatWinsTheSpeedRollStrikesAndTheHeroStillGetsAway) {
    EXPECT_TRUE(Turn(3, {0.1, 0.9, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(hero().Hp, 30);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "tatk04.wav", "tatk01.wav", "out01.wav"}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
    EXPECT_EQ(MusicOpened(), Strings{"data1.mid"}) << "the field music is back";
}

TEST_F(BattleTurnTest, FlightFromABossPassesTheTurnAndLeavesTheBossAsItWas) {
    monster().Id = 995;
    monster().Hp = 20;
    hero().Progress[16] = 2;  // ROBO would fire after a turn that went on
    // The hero is faster: nothing happens at all.
    EXPECT_FALSE(Turn(3, {0.9, 0.1}));
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(monster().Hp, 20);
    EXPECT_EQ(Waves(), Strings{"men03.wav"});
    // The boss is faster: it strikes, and the flight still does nothing.
    EXPECT_FALSE(Turn(3, {0.1, 0.9, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(hero().Hp, 30);
    EXPECT_EQ(monster().Hp, 20);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "tatk01.wav"}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
}

// ------------------------------------------------------- technique change

TEST_F(BattleTurnTest, ConfirmingATechniqueCostsTheTurn) {
    hero().Progress[1] = 1;
    hero().Skill = 1;
    // Only the opponent acts: no speed roll, its blow straight away.
    EXPECT_FALSE(Turn(2, {0.0, 0.5, 0.9, 0.9}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
    EXPECT_EQ(battle().SkillChanged, 1);
    EXPECT_EQ(hero().Skill, 1);
    EXPECT_EQ(hero().Hp, 30);
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_EQ(battle().TurnCount, 1);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "men03.wav", "tatk04.wav", "tatk01.wav"}));
}

TEST_F(BattleTurnTest, CancellingTheTechniqueListCostsNothing) {
    hero().Progress[1] = 1;
    hero().Skill = 1;
    techniqueKey = vk::Z;
    EXPECT_FALSE(Turn(2, {}));
    EXPECT_EQ(battle().SkillChanged, 0);
    EXPECT_EQ(game().field.Cursor, 0);
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(battle().TurnCount, 0);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "men04.wav"}));
}

TEST_F(BattleTurnTest, WithMascot5TheChangeIsFree) {
    hero().Progress[1] = 1;
    hero().Skill = 1;
    hero().Progress[16] = 5;
    EXPECT_FALSE(Turn(2, {}));
    EXPECT_EQ(battle().SkillChanged, 1);
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(battle().TurnCount, 0);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "men03.wav"}));
}

// True when "特殊攻撃の変更" is written in the menu (its row at y 70).
bool ChangeEntryShown(const Pixels& frame) {
    for (int y = 70; y < 88; ++y)
        for (int x = 50; x < 190; ++x)
            if (frame.at(x, y) != 0) return true;
    return false;
}

TEST_F(BattleTurnTest, TheFightingRaceHasNoChangeEntry) {
    techniqueKey = vk::Z;
    EXPECT_FALSE(Turn(2, {}));
    EXPECT_TRUE(ChangeEntryShown(menuFrame));
    Waves();

    hero().Progress[7] = 1;
    EXPECT_FALSE(Turn(2, {}));
    EXPECT_FALSE(ChangeEntryShown(menuFrame));
    EXPECT_EQ(Waves(), Strings{"men03.wav"}) << "no technique list, no turn";
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(battle().TurnCount, 0);
}

// ------------------------------------------------------ townsfolk escape

TEST_F(BattleTurnTest, TheTownsfolkEscapeStraightFromTheMenu) {
    hero().Job = "町民";
    hero().Skill = 5;
    hero().Progress[5] = 1;  // costs 5 x 1 + 2 = 7
    hero().Mp = 7;
    EXPECT_TRUE(Turn(1, {}));
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(hero().Mp, 0);
    EXPECT_EQ(hero().Hp, 40) << "no speed roll, no blow";
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "out01.wav"}));
}

TEST_F(BattleTurnTest, TheTownsfolkEscapeNeedsTheMpAndAnOrdinaryOpponent) {
    hero().Job = "町民";
    hero().Skill = 5;
    hero().Progress[5] = 1;
    hero().Mp = 6;
    // Too little MP: an ordinary turn where the technique fails.
    EXPECT_FALSE(Turn(1, {0.9, 0.1, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(hero().Mp, 6);
    EXPECT_EQ(hero().Hp, 30);
    Waves();
    // A boss: the MP is spent on nothing.
    monster().Id = 995;
    hero().Mp = 10;
    EXPECT_FALSE(Turn(1, {0.9, 0.1, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(hero().Mp, 3);
    EXPECT_EQ(hero().Hp, 20);
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "tatk01.wav"}));
}

// ------------------------------------------------------ after the actions

TEST_F(BattleTurnTest, CompanionsActBeforeTheMascot) {
    monster().Hp = monster().MaxHp = 1000;
    battle().PartyFlag = 1;
    hero().Progress[16] = 1;  // ホネコプター heals
    // The hero hits for Int(4.5) + Int(4.5 x 0.3) = 5, the opponent for 10,
    // then a companion's sword (x = 0) and the mascot.
    EXPECT_FALSE(Turn(0, {0.9, 0.1, 0.3, 0.9, 0.0, 0.5, 0.9, 0.9, 0.0, 0.5}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "atk01.wav", "atk03.wav", "tatk04.wav", "tatk01.wav", "atk01.wav",
                               "atk03.wav", "atk04.wav"}));
    // 5 from the hero, Int(1 + 0 + 1 + Int(0.5)) = 2 from the companion.
    EXPECT_EQ(monster().Hp, 1000 - 5 - 2);
    EXPECT_EQ(hero().Hp, 30 + 1 + 2);  // 1 + Int(50 / 20)
    EXPECT_EQ(battle().TurnCount, 1);
}

TEST_F(BattleTurnTest, TheMascotStopsAfterTwentyTurns) {
    monster().Hp = monster().MaxHp = 1000;
    hero().Progress[16] = 1;
    battle().TurnCount = 19;
    EXPECT_FALSE(Turn(0, {0.9, 0.1, 0.3, 0.9, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(Waves().back(), "atk04.wav") << "the twentieth turn still has the mascot";
    EXPECT_EQ(battle().TurnCount, 20);
    EXPECT_EQ(hero().Hp, 30 + 1);  // 1 + Int(50 / 77)
    EXPECT_FALSE(Turn(0, {0.9, 0.1, 0.3, 0.9, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(Waves(), (Strings{"men03.wav", "atk01.wav", "atk03.wav", "tatk04.wav", "tatk01.wav"}));
    EXPECT_EQ(hero().Hp, 21);
    EXPECT_EQ(battle().TurnCount, 21) << "the turns are still counted";
}

TEST_F(BattleTurnTest, NothingActsAfterTheHeroHasFallen) {
    hero().Hp = 5;
    battle().PartyFlag = 1;
    hero().Progress[16] = 2;  // ROBO
    // The opponent moves first and fells him: he never attacks, and neither
    // the companions nor ROBO fire.
    EXPECT_TRUE(Turn(0, {0.1, 0.9, 0.0, 0.5, 0.9, 0.9}));
    EXPECT_EQ(monster().Hp, 25);
    const Strings waves = Waves();
    EXPECT_EQ(std::count(waves.begin(), waves.end(), "atk10.wav"), 0);
    EXPECT_EQ(std::count(waves.begin(), waves.end(), "atk01.wav"), 0);
}

// ------------------------------------------------------ after the battle

TEST_F(BattleTurnTest, ARitualVictoryEndsWithTheFeast) {
    monster().Hp = 5;
    battle().PartyFlag = 2;
    // The hero strikes first and wins; the feast's draw Int(6 x 0.2) = 1 is
    // the tasty one.
    EXPECT_TRUE(Turn(0, {0.9, 0.1, 0.3, 0.9, 0.2}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(hero().Attack, 11);
    EXPECT_EQ(battle().PartyFlag, 0) << "the ritual is over on the field";
}

TEST_F(BattleTurnTest, NoFeastAfterFleeing) {
    battle().PartyFlag = 2;
    EXPECT_TRUE(Turn(3, {0.9, 0.1, 0.2}));
    EXPECT_FALSE(AllPinnedDrawsUsed()) << "the feast never drew";
    EXPECT_EQ(hero().Attack, 10);
    EXPECT_EQ(battle().PartyFlag, 0);
}

TEST_F(BattleTurnTest, ABadFeastEndsTheGame) {
    monster().Hp = 5;
    battle().PartyFlag = 2;
    EXPECT_EQ(RunUntilEnd([&] { Turn(0, {0.9, 0.1, 0.3, 0.9, 0.0}); }), 0);
}

TEST_F(BattleTurnTest, CompanionsLeaveWhenTheBattleIsOver) {
    monster().Hp = 5;
    battle().PartyFlag = 1;
    EXPECT_TRUE(Turn(0, {0.9, 0.1, 0.3, 0.9}));
    EXPECT_EQ(battle().PartyFlag, 0);
}

TEST_F(BattleTurnTest, OnlyTheLastBossLeadsToTheEnding) {
    monster().Id = 995;
    monster().Hp = 5;
    EXPECT_EQ(RunUntilEnd([&] { EXPECT_TRUE(Turn(0, {0.9, 0.1, 0.3, 0.9})); }), -1) << "back to the field";
    EXPECT_EQ(MusicOpened(), Strings{"data1.mid"});
    game().GameState = "BATTLE";
    monster().Id = 990;
    monster().Hp = 5;
    EXPECT_EQ(RunUntilEnd([&] { Turn(0, {0.9, 0.1, 0.3, 0.9}); }), 0);
    EXPECT_EQ(MusicOpened(), Strings{"data1.mid"}) << "the ending, not the field music";
}

// ------------------------------------------------------------ men's mode

using MensMode = BattleTest;

TEST_F(MensMode, FixedOpponentsAreScaledToo) {
    hero().Progress[11] = 1;
    ASSERT_TRUE(SetFixedOpponent(game(), 2, 300));  // ROBO
    btl(game());
    const Monster& m = monster();
    EXPECT_EQ(m.Id, 999);
    EXPECT_EQ(m.MaxHp, 170 * 8);
    EXPECT_EQ(m.Hp, 170 * 8);
    EXPECT_EQ(m.Attack, 250);
    EXPECT_EQ(m.Defence, 120);
    EXPECT_EQ(m.Speed, 120);
    EXPECT_EQ(m.Exp, 70);
    EXPECT_EQ(m.Money, 350);
    EXPECT_DOUBLE_EQ(m.Resist[1], 0.5 / 3);
    EXPECT_DOUBLE_EQ(m.Resist[7], 1.0 / 3);
}

TEST_F(MensMode, TheDragonRockGrowsToBillionsButItsGuardianStaysAsItIs) {
    hero().Progress[11] = 1;
    ASSERT_TRUE(SetFixedOpponent(game(), 16, 108));
    btl(game());
    EXPECT_EQ(monster().Id, 899);
    EXPECT_EQ(monster().Hp, 4000000);
    EXPECT_EQ(monster().MaxHp, 4400000000.0);
    // Broken on row 108: its guardian attacks at once, without the opening.
    monster().Hp = 0;
    game().GameState = "MOVE";
    hero().HeroY = 107.6;
    AfterBattle(game());
    const Monster& m = monster();
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(m.Id, 980);
    EXPECT_EQ(m.MaxHp, 90);
    EXPECT_EQ(m.Hp, 300);
    EXPECT_EQ(m.Attack, 55);
    EXPECT_EQ(m.Defence, 30);
    EXPECT_EQ(m.Speed, 25);
    EXPECT_DOUBLE_EQ(m.Resist[1], 0.6);
}

// --------------------------------------------------------- menu texts

// The fighting race's hero, whose change entry does nothing: the menu is
// shown once and the turn is over before it began.
class MenuTextTest : public BattleTurnTest {
protected:
    MenuTextTest() { hero().Progress[7] = 1; }

    // Rows 125..154 of the menu as shown, against the same rows of a black
    // screen that has only the expected text written on it.
    void ExpectBandShows(const std::function<void()>& write) {
        ASSERT_EQ(menuFrame.width, 512);
        game().Pic.clear();
        write();
        const Pixels& expected = game().Pic.pixels();
        int differing = 0, lit = 0;
        for (int y = 125; y < 155; ++y)
            for (int x = 0; x < 512; ++x) {
                differing += menuFrame.at(x, y) != expected.at(x, y);
                lit += expected.at(x, y) != 0;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(lit, 0);
    }
};

TEST_F(MenuTextTest, Mascot6ShowsTheOpponentsHpWithItsMaximum) {
    hero().Progress[16] = 6;
    monster().Hp = 17;
    Turn(2, {});
    ExpectBandShows([&] { DrawText(game(), "17/25", 90, 130); });
}

TEST_F(MenuTextTest, Mascot6ShowsTheBillionsOfAScaledRockInFull) {
    hero().Progress[16] = 6;
    hero().Progress[11] = 1;
    ASSERT_TRUE(SetFixedOpponent(game(), 16, 108));
    btl(game());
    Turn(2, {});
    ExpectBandShows([&] { DrawText(game(), "4000000/4400000000", 90, 130); });
}

TEST_F(MenuTextTest, Mascot8NamesTheOpponent) {
    hero().Progress[16] = 8;
    Turn(2, {});
    ExpectBandShows([&] { DrawText(game(), "大喰らい植物", 60, 130); });
}

TEST_F(MenuTextTest, OtherMascotsShowNeither) {
    hero().Progress[16] = 7;
    Turn(2, {});
    for (int y = 125; y < 155; ++y)
        for (int x = 0; x < 512; ++x) ASSERT_EQ(menuFrame.at(x, y), 0u) << x << ", " << y;
}

}  // namespace
}  // namespace zanbora::testing
