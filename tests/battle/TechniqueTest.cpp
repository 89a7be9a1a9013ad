// The hero's techniques: costs, formulas, the two key games, the disguise,
// and the ritual feast.
#include <cmath>
#include <fstream>

#include "BattleFixture.h"
#include "game/battle/Battle.h"
#include "game/battle/Techniques.h"
#include "game/core/Game.h"

using namespace zanbora;
using Strings = std::vector<std::string>;

namespace zanbora::testing {
namespace {

class Technique : public BattleTest {
protected:
    Technique() { game().field.Cursor = 1; }
    void Select(int skill, double level, double mp) {
        hero().Skill = skill;
        hero().Progress[skill] = level;
        hero().Mp = hero().MaxMp = mp;
    }
    // Every frame presented from now on, for looking for a text.
    std::vector<Pixels>& RecordFrames() {
        t.platform.onPresent = [this](const Pixels& frame) { frames.push_back(frame); };
        return frames;
    }
    // True when some frame is its predecessor with the text written at (x, y).
    bool SomeFrameAddsText(const std::string& text, int x, int y) {
        for (size_t i = 1; i < frames.size(); ++i) {
            Surface expected(512, 350);
            expected.pixels() = frames[i - 1];
            expected.blendMask(x, y, t.platform.renderText(text, 15), 0xFFFFFF);
            if (expected.pixels().data == frames[i].data) return true;
        }
        return false;
    }
    std::vector<Pixels> frames;
};

TEST_F(Technique, HealCostsThreeMpALevelAndCapsAfterTheScene) {
    Select(1, 2, 10);
    hero().Hp = 10;
    Pin({0.5});  // 2 x (20 + Int(0.5 x 6))
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 46);
    EXPECT_EQ(hero().Hp, 50);
    EXPECT_EQ(hero().Mp, 4);
    EXPECT_EQ(Waves(), Strings{"atk04.wav"});
}

TEST_F(Technique, TooLittleMpDoesNothing) {
    Select(1, 2, 5);
    hero().Hp = 10;
    Pin({0.5});
    HeroAction(game());
    EXPECT_EQ(hero().Hp, 10);
    EXPECT_EQ(hero().Mp, 5);
    EXPECT_TRUE(Waves().empty());
    EXPECT_EQ(game().rng.pinned.size(), 1u);
}

TEST_F(Technique, FireUsesTheFireResistance) {
    Select(2, 1, 30);
    monster().Hp = 100;
    monster().Resist[1] = 0.5;
    Pin({0.9});  // 20 + Int(30 / 20) + Int(0.9 x 2 x 30 / 15 x 0.5)
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 22);
    EXPECT_EQ(monster().Hp, 78);
    EXPECT_EQ(hero().Mp, 26);
    EXPECT_EQ(Waves(), Strings{"atk02.wav"});
}

TEST_F(Technique, SwordIsDoubledForTheHeroJob) {
    Select(4, 1, 10);
    monster().Hp = 100;
    Pin({0.5});  // Int(1 + 5 + 2.5 + Int(2.5))
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 10);
    EXPECT_EQ(hero().Mp, 5);
    hero().Job = "勇者マメ";
    hero().Mp = 10;
    Pin({0.5});  // Int(1 + 10 + 5 + Int(5))
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 21);
    EXPECT_EQ(Waves(), (Strings{"atk01.wav", "atk03.wav", "atk01.wav", "atk03.wav"}));
}

TEST_F(Technique, BoneTestsTheRoundedCostAndPaysTheWholeOne) {
    Select(6, 1, 14);
    hero().SkillFactor = 1.5;  // cost 13.5
    hero().Bone = 10;
    hero().Mp = 13;
    monster().Hp = 100;
    Pin({0.5});  // 20 + 5 + Int(2.5)
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 27);
    EXPECT_DOUBLE_EQ(hero().Mp, -0.5);
    EXPECT_EQ(Waves(), (Strings{"atk04.wav", "atk05.wav"}));
}

TEST_F(Technique, EnergyBallGrowsWithTheMpLeft) {
    Select(7, 1, 10);
    hero().Level = 7;  // cost Int(7 / 7) + 2 = 3, leaving 7
    monster().Hp = 100;
    Pin({0.5});  // Int(9 x 3.5 + 9 x Int(17.5) / 10)
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 46);
    EXPECT_EQ(hero().Mp, 7);
    EXPECT_EQ(Waves(), Strings{"atk06.wav"});
}

TEST_F(Technique, EnergyBallWithoutMaximumMpDoesNoDamage) {
    Select(7, 1, 0);
    hero().Mp = 5;
    HeroAction(game());
    EXPECT_TRUE(std::isfinite(monster().Hp));
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_EQ(battle().BattleAmount, 0);
    EXPECT_EQ(hero().Mp, 3);  // 5 - (Int(1 / 7) + 2)
}

TEST_F(Technique, StormAtLevel3With20Presses) {
    Select(3, 3, 15);
    hero().Exp = 100;
    monster().Hp = 1000;
    monster().Resist[1] = 0.5;
    // Alternate X and Z, one key down per frame, twenty in all.
    int downs = 0;
    t.platform.autopilot = [&downs](HeadlessPlatform& p) {
        if (downs >= 20) {
            p.keyUpAt(p.ticks(), vk::X);
            p.keyUpAt(p.ticks(), vk::Z);
            return;
        }
        const bool x = downs % 2 == 0;
        p.keyUpAt(p.ticks(), x ? vk::Z : vk::X);
        p.keyDownAt(p.ticks(), x ? vk::X : vk::Z);
        ++downs;
    };
    RecordFrames();
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 150);
    EXPECT_EQ(monster().Hp, 850);
    EXPECT_EQ(hero().Exp, 100 - 24);
    EXPECT_EQ(hero().Mp, 0);
    EXPECT_EQ(hero().Level, 1);
    EXPECT_TRUE(SomeFrameAddsText("-24%Exp", 400, 330));
    EXPECT_EQ(Waves(), (Strings{"atk01.wav", "atk03.wav"}));
}

TEST_F(Technique, StormAtLevel12WithoutPressesCostsAllExperience) {
    Select(3, 12, 60);
    hero().Exp = 100;
    monster().Hp = 5000;
    RecordFrames();
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 1200);
    EXPECT_EQ(monster().Hp, 3800);
    EXPECT_EQ(hero().Exp, 0);
    EXPECT_TRUE(SomeFrameAddsText("-100%Exp", 400, 330));
}

TEST_F(Technique, StormWithoutExperienceMisses) {
    Select(3, 3, 15);
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 0);
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_EQ(Waves(), (Strings{"atk01.wav", "atk09.wav"}));
}

TEST_F(Technique, HoldingOneKeyCountsOnce) {
    Select(3, 3, 15);
    hero().Exp = 100;
    monster().Hp = 1000;
    t.platform.keyDownAt(t.platform.ticks(), vk::X);
    HeroAction(game());
    EXPECT_EQ(hero().Exp, 100 - Int(0.3 * 100 * 99 / 100));
}

class Bomb : public Technique {
protected:
    Bomb() {
        hero().Job = "爆弾兵";
        Select(5, 2, 20);  // cost 12
        monster().Hp = 100;
    }
    // Releases the bomb on the n-th frame of the fuse gauge.
    void ReleaseOnFrame(int n) {
        int shown = 0;
        t.platform.autopilot = [shown, n](HeadlessPlatform& p) mutable {
            if (++shown == n) p.tap(vk::X);
        };
        HeroAction(game());
    }
};

TEST_F(Bomb, FirstFrameBlowsUpInTheHerosHands) {
    Pin({0.6});  // Int(10) + Int(10 x 5 x 0.6 / 6)
    ReleaseOnFrame(1);
    EXPECT_EQ(battle().BattleAmount, 15);
    EXPECT_EQ(hero().Hp, 35);
    EXPECT_EQ(monster().Hp, 100);
    EXPECT_EQ(hero().Mp, 8);
    EXPECT_EQ(Waves(), Strings{"atk08.wav"});
}

TEST_F(Bomb, SecondFrameToo) {
    Pin({0.6});
    ReleaseOnFrame(2);
    EXPECT_EQ(hero().Hp, 35);
    EXPECT_EQ(monster().Hp, 100);
}

TEST_F(Bomb, EleventhFrameUsesTheLongestFuse) {
    Pin({0.5});  // Int(Int(121 / 20) x 2) + Int(10 x 0.5 x 121 / 60)
    ReleaseOnFrame(11);
    EXPECT_EQ(battle().BattleAmount, 12 + 10);
    EXPECT_EQ(monster().Hp, 78);
    EXPECT_EQ(hero().Hp, 50);
    EXPECT_FALSE(game().keys.KeyDecide);
}

TEST_F(Bomb, TheFuseStartsAgainAfterEleven) {
    Pin({0.6});
    ReleaseOnFrame(12);  // the gauge is back at its first frame
    EXPECT_EQ(hero().Hp, 35);
    EXPECT_EQ(monster().Hp, 100);
}

// A 100 x 300 picture in three flat colours, one per frame.
std::string ThreeFrameBmp() {
    const int w = 100, h = 300, row = w * 3;
    std::string bmp(54 + row * h, '\0');
    auto put32 = [&bmp](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k) bmp[at + k] = char((v >> (8 * k)) & 255);
    };
    bmp[0] = 'B', bmp[1] = 'M';
    put32(2, uint32_t(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    bmp[26] = 1, bmp[28] = 24;
    for (int y = 0; y < h; ++y) {
        const int frame = y / 100;  // top-down frame of this row
        const uint8_t colour[3][3] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}};  // B, G, R
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) bmp[54 + size_t(h - 1 - y) * row + x * 3 + c] = char(colour[frame][c]);
    }
    return bmp;
}

class Disguise : public Technique {
protected:
    Disguise() {
        hero().Job = "マメじゃないヤツ";
        Select(5, 1, 10);  // cost 7
        hero().Level = 10;
    }
};

TEST_F(Disguise, CopiesAQuarterOfABossesHealth) {
    Monster& boss = monster();
    boss.Id = 990;
    boss.Picture = "mons28";
    boss.Hp = boss.MaxHp = 4000;
    boss.Attack = 200;
    boss.Defence = 30;
    boss.Speed = 100;
    HeroAction(game());
    EXPECT_EQ(hero().Hp, 20 + 3 + 1000);
    EXPECT_EQ(hero().MaxHp, 20 + 3 + 1000);
    EXPECT_EQ(hero().Attack, 5 + 1 + 200);
    EXPECT_EQ(hero().Defence, 3 + 1 + 30);
    EXPECT_EQ(hero().Speed, 5 + 1 + 100);
    EXPECT_EQ(hero().Progress[18].text, "mons28");
    EXPECT_EQ(hero().Mp, 3);
    EXPECT_TRUE(Waves().empty());
}

TEST_F(Disguise, CopiesAllOfAnOrdinaryOpponent) {
    monster().Hp = 20;
    HeroAction(game());
    EXPECT_EQ(hero().Hp, 23 + 20);
    EXPECT_EQ(hero().MaxHp, 23 + 25);
}

TEST_F(Disguise, TheDragonRockAndOpponent15OnlyCostMp) {
    for (int id : {899, 15}) {
        monster().Id = id;
        hero().Mp = 10;
        HeroAction(game());
        EXPECT_EQ(hero().Hp, 50) << id;
        EXPECT_EQ(hero().Attack, 10) << id;
        EXPECT_EQ(hero().Mp, 3) << id;
        EXPECT_FALSE(hero().Progress[18].isText) << id;
    }
}

TEST(DisguiseLook, TheHerosFramesBecomeTheOpponentsShrunk) {
    TestGame t(false);
    t.dir.write("cg/copied.bmp", ThreeFrameBmp());
    Game& game = *t.game;
    game.player.Job = "マメじゃないヤツ";
    game.player.Skill = 5;
    game.player.Mp = 10;
    game.monster.Id = 7;
    game.monster.Picture = "copied";
    game.field.Cursor = 1;
    HeroAction(game);
    const Surface& ch = game.sheets.ch;
    // Idle frames at 32 + 64 x phase show the opponent's frames 0, 1, 2.
    EXPECT_EQ(ch.at(32 + 5, 5), Rgb(0, 0, 200));
    EXPECT_EQ(ch.at(96 + 30, 30), Rgb(0, 200, 0));
    EXPECT_EQ(ch.at(160 + 16, 16), Rgb(200, 0, 0));
    EXPECT_EQ(ch.at(32 + 5, 33), 0u);  // rows below the strip are untouched
}

using JobTechnique = Technique;

TEST_F(JobTechnique, CompanionsCostFiveMaximumHp) {
    hero().Job = "勇者マメ";
    Select(5, 0, 10);
    hero().MaxHp = 60;
    HeroAction(game());
    EXPECT_EQ(hero().MaxHp, 55);
    EXPECT_EQ(battle().PartyFlag, 1);
    EXPECT_EQ(hero().Mp, 8);
    hero().MaxHp = 50;
    battle().PartyFlag = 0;
    HeroAction(game());
    EXPECT_EQ(hero().MaxHp, 50);
    EXPECT_EQ(battle().PartyFlag, 0);
    EXPECT_EQ(hero().Mp, 6);
}

TEST_F(JobTechnique, FlashSpendsMaximumMp) {
    hero().Job = "魔法使";
    Select(5, 1, 16);
    monster().Hp = 100;
    Pin({0.5});  // Int(0.5 x 3 x 16 / 8) + Int(16 / 16)
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 4);
    EXPECT_EQ(hero().MaxMp, 14);
    EXPECT_EQ(Waves(), Strings{"atk02.wav"});
}

TEST_F(JobTechnique, RitualMarksTheBattle) {
    hero().Job = "蛮族";
    Select(5, 0, 10);
    HeroAction(game());
    EXPECT_EQ(battle().PartyFlag, 2);
    EXPECT_EQ(Waves(), Strings{"atk07.wav"});
}

TEST_F(JobTechnique, Bone2AtOneHpTakesNothingAndLeavesOne) {
    hero().Job = "ネクロマンサー";
    Select(5, 1, 10);
    hero().Hp = 1;
    Pin({0.5});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 15);
    EXPECT_EQ(hero().Hp, 1);
    EXPECT_EQ(monster().Hp, 10);
}

TEST_F(JobTechnique, Bone2UsesHalfTheHpAndTheBones) {
    hero().Job = "ネクロマンサー";
    Select(5, 1, 10);
    hero().Hp = 41;
    hero().Bone = 10;
    monster().Hp = 100;
    Pin({0.5});  // 20 + Int(1.5) + 5 + 15
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 41);
    EXPECT_EQ(hero().Hp, 21);
}

TEST_F(JobTechnique, TownsfolkEscapeFromABossOnlyCostsMp) {
    hero().Job = "町民";
    Select(5, 1, 10);
    monster().Id = 995;
    HeroAction(game());
    EXPECT_EQ(hero().Mp, 3);
    EXPECT_EQ(game().GameState, "BATTLE");
}

using Feast = BattleTest;

TEST_F(Feast, OutcomesBySixthsOfTheDraw) {
    Pin({0.2});
    RitualFeast(game());
    EXPECT_EQ(hero().Attack, 11);
    Pin({0.4});
    RitualFeast(game());
    EXPECT_EQ(hero().Money, 107);
    Pin({0.6});
    RitualFeast(game());
    EXPECT_EQ(hero().Exp, 3);
    hero().Attack = 5;
    Pin({0.7});
    RitualFeast(game());
    EXPECT_EQ(hero().Attack, 5);
    EXPECT_EQ(battle().HeroDx, 0);
}

TEST_F(Feast, FoodPoisoningEndsTheProgram) {
    for (double draw : {0.0, 0.9}) {
        Pin({draw});
        EXPECT_EQ(RunUntilEnd([this] { RitualFeast(game()); }), 0) << draw;
    }
}

}  // namespace
}  // namespace zanbora::testing
