// Graduation and the questionnaire, answered with scripted keys.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game/core/Frame.h"
#include "game/party/JobSelect.h"
#include "game/party/JobTables.h"
#include "party_fixture.h"
#include "platform/KeyCodes.h"

using namespace zanbora;
using zanbora::testing::PartyTest;

namespace {

class JobSelectTest : public PartyTest {
protected:
    // Answers the three questions (0 upper, 1 lower) at fixed times after the
    // trainer has slid in, then closes the job screen.
    void answer(int first, int second, int third) {
        const int64_t t0 = tg.platform.ticks();
        const std::array<int, 3> answers{first, second, third};
        for (int q = 0; q < 3; ++q) {
            const int64_t at = t0 + 2000 + 600 * q;
            if (answers[size_t(q)]) {
                tg.platform.keyDownAt(at - 300, vk::Down);
                tg.platform.keyUpAt(at - 150, vk::Down);
            }
            tg.platform.keyDownAt(at, vk::X);
            tg.platform.keyUpAt(at + 20, vk::X);
        }
        tg.platform.keyDownAt(t0 + 4000, vk::X);
        tg.platform.keyUpAt(t0 + 4020, vk::X);
        CharN(game());
    }

    // Decides whenever the game waits for a key, and now and then while it
    // draws (which finishes a typed line or takes the upper answer).
    void decideThroughout() {
        auto idleWaits = std::make_shared<int>(0);
        auto frames = std::make_shared<int>(0);
        tg.platform.onWait = [idleWaits](HeadlessPlatform& p) {
            if (++*idleWaits == 3) p.tap(vk::X);
        };
        tg.platform.autopilot = [idleWaits, frames](HeadlessPlatform& p) {
            *idleWaits = 0;
            if (++*frames % 40 == 0) p.tap(vk::X);
        };
    }
};

struct JobPath {
    int answers[3];
    const char* job;
    double maxHp, maxMp, attack, defence, speed, boneRate;
};

const JobPath kPaths[] = {
    {{0, 0, 0}, "町民", 57, 15, 12, 6, 8, 1.3},
    {{1, 0, 0}, "勇者マメ", 58, 14, 13, 6, 8, 1},
    {{0, 1, 0}, "魔法使", 57, 17, 11, 6, 9, 1.5},
    {{1, 1, 0}, "爆弾兵", 61, 14, 14, 6, 7, 0.7},
    {{0, 0, 1}, "マメじゃないヤツ", 54, 13, 12, 6, 7, 0},
    {{1, 0, 1}, "蛮族", 55, 14, 12, 7, 7, 0.3},
    {{0, 1, 1}, "戦闘民族", 59, 11, 11, 6, 7, 0.1},
    {{1, 1, 1}, "ネクロマンサー", 54, 17, 11, 6, 8, 2.3},
};

}  // namespace

TEST_F(JobSelectTest, EveryAnswerPathGivesItsJobGrowthAndStartingValues) {
    for (const JobPath& path : kPaths) {
        SCOPED_TRACE(path.job);
        Player& hero = game().player;
        SetNewHeroDefaults(hero);
        hero.Job.clear();
        hero.Progress[7] = 0;
        answer(path.answers[0], path.answers[1], path.answers[2]);
        EXPECT_EQ(hero.Job, path.job);
        EXPECT_EQ(hero.MaxHp, path.maxHp);
        EXPECT_EQ(hero.Hp, path.maxHp);
        EXPECT_EQ(hero.MaxMp, path.maxMp);
        EXPECT_EQ(hero.Mp, path.maxMp);
        EXPECT_EQ(hero.Attack, path.attack);
        EXPECT_EQ(hero.Defence, path.defence);
        EXPECT_EQ(hero.Speed, path.speed);
        EXPECT_EQ(hero.BoneRate, path.boneRate);
        EXPECT_EQ(hero.GrowHp, path.maxHp - 50);
        EXPECT_EQ(hero.GrowSpeed, path.speed - 5);
        EXPECT_EQ(game().field.Cursor, 0);
        const bool warrior = std::string(path.job) == "戦闘民族";
        EXPECT_EQ(hero.Progress[7], warrior ? 1 : 0);
        EXPECT_EQ(hero.Skill, warrior ? 7 : 0);
        EXPECT_EQ(hero.Bone, std::string(path.job) == "ネクロマンサー" ? 10 : 0);
    }
}

TEST_F(JobSelectTest, TheJobsFigureStripGoesIntoTheBattleSheet) {
    answer(1, 0, 0);  // 勇者マメ: the strip at (0, 160) of chr_m
    const Sheets& s = game().sheets;
    int differing = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 160; ++x) differing += s.ch.at(32 + x, y) != s.chr_m.at(x, 160 + y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(s.ch.at(31, 5), s.chr_m.at(31, 5));  // left of the strip untouched
}

TEST_F(JobSelectTest, GraduationTakesTheFeeGivesAJobAndUsesUpTheCell) {
    Player& hero = game().player;
    hero.HeroX = 56.5;  // the foot point on the graduation cell, as the trigger sees it
    hero.HeroY = 480.5;
    game().map.setEvent(56, 480, 21);
    decideThroughout();
    GraduationScene(game());
    EXPECT_EQ(hero.Money, 200);
    EXPECT_EQ(hero.Job, "町民");
    EXPECT_EQ(hero.JobSkillName, "町民逃げ");
    EXPECT_EQ(game().map.eventAt(56, 480), 0);
    EXPECT_GE(played("men08"), 1);
    EXPECT_EQ(hero.HeroX, 56.5);  // the trainer walks off, the hero stays
}

TEST_F(JobSelectTest, JobTablesAfterALoad) {
    Player& hero = game().player;
    hero.Job = "ネクロマンサー";
    hero.GrowSpeed = 4.5;
    ApplyJobTables(game());
    EXPECT_EQ(hero.GrowSpeed, 4.5);
    EXPECT_EQ(hero.GrowMp, 7);
    EXPECT_EQ(hero.JobSkillName, "ゆけゆけボーン2");

    hero.Job = "爆弾兵";
    ApplyJobTables(game());
    EXPECT_EQ(hero.SkillFactor, 1.3);
    EXPECT_EQ(hero.GrowHp, 11);
    EXPECT_EQ(hero.GrowSpeed, 2);

    hero.Job = "戦闘民族";
    hero.JobSkillName = "";
    hero.SkillFactor = 0;
    ApplyJobTables(game());
    EXPECT_EQ(hero.JobSkillName, "");
    EXPECT_EQ(hero.SkillFactor, 0);
    EXPECT_EQ(hero.GrowHp, 9);
    EXPECT_EQ(hero.GrowMp, 1);
}

TEST_F(JobSelectTest, QuestionsFollowTheAnswersSoFar) {
    EXPECT_STREQ(QuestionFor(1, 0).lower, "闘争心");
    EXPECT_STREQ(QuestionFor(2, 0).upper, "自分だけの秘密にします。");
    EXPECT_STREQ(QuestionFor(2, 1).upper, "誠実の心で彼を殺します。");
    EXPECT_STREQ(QuestionFor(3, 0).upper, "現在の生活に満足している。");
    EXPECT_STREQ(QuestionFor(3, 1).upper, "一国の王として国を守ります。");
    EXPECT_STREQ(QuestionFor(3, 2).lower, "友人の敵を討ちます。");
    EXPECT_STREQ(QuestionFor(3, 3).lower, "別の生き方を考えます。");
}
