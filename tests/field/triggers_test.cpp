// The cell triggers: warps, magic circles, bosses, the door, the spring,
// medals, the inn, and the cells that do nothing.
#include "field_fixture.h"

#include <algorithm>
#include <tuple>

#include "game/field/WarpTable.h"
#include "game/view/FieldView.h"
#include "platform/KeyCodes.h"

namespace zanbora::testing {
namespace {

using TriggerTest = FieldTest;

TEST_F(TriggerTest, EachWarpLandsWhereItsRowSaysAndTheArrivalDoesNotFire) {
    for (const FieldWarp& warp : kFieldWarps) {
        const int row = warp.row >= 0 ? warp.row : 200, col = 40;
        std::fill(game().map.events.begin(), game().map.events.end(), 0);
        game().map.setEvent(col, row, warp.code);
        MapCell landing = WarpLanding(warp, {col, row});
        game().map.setEvent(landing.x, landing.y, 3);  // a hole where he lands
        standIn(col - 1, row);
        walkInto("R");
        EXPECT_EQ(footCellX(), landing.x) << "warp " << warp.code;
        EXPECT_EQ(footCellY(), landing.y) << "warp " << warp.code;
        EXPECT_EQ(game().field.LastCellX, landing.x);
        EXPECT_EQ(game().field.LastCellY, landing.y);
        const double x = game().player.HeroX, y = game().player.HeroY;
        frames(5);
        EXPECT_DOUBLE_EQ(game().player.HeroX, x) << "the hole at the landing did not fire";
        EXPECT_DOUBLE_EQ(game().player.HeroY, y);
    }
}

TEST_F(TriggerTest, StairsOffTheirRowLeadNowhere) {
    game().map.setEvent(40, 306, 14);
    game().map.setEvent(41, 356, 15);
    game().field.EncounterSteps = 3;
    standIn(39, 306);
    walkInto("R");
    EXPECT_EQ(footCellY(), 306);
    standIn(40, 356);
    walkInto("R");
    EXPECT_EQ(footCellY(), 356);
    EXPECT_EQ(game().field.EncounterSteps, 3) << "they do not count towards a battle either";
}

TEST_F(TriggerTest, MagicCirclesFollowTheCircleTable) {
    for (const MagicCircle& circle : kMagicCircles) {
        std::fill(game().map.events.begin(), game().map.events.end(), 0);
        tg.platform.soundLog.clear();
        game().player.Progress[19] = 0;
        game().map.setEvent(40, circle.row, 18);
        standIn(39, circle.row);
        walkInto("R");
        MapCell landing = CircleLanding(circle, {40, circle.row});
        EXPECT_EQ(footCellX(), landing.x) << "circle of row " << circle.row;
        EXPECT_EQ(footCellY(), landing.y) << "circle of row " << circle.row;
        EXPECT_EQ(game().field.LastCellX, landing.x);
        EXPECT_EQ(game().field.LastCellY, landing.y);
        EXPECT_EQ(soundCount("MEN10.WAV"), 1);
        EXPECT_EQ(game().map.eventAt(landing.x, landing.y), circle.opensWayBack ? 18 : 0);
        if (circle.music == CircleMusic::Underground) {
            EXPECT_EQ(soundCount("data6.mid"), 1);
        }
        if (circle.music == CircleMusic::Field) {
            EXPECT_EQ(soundCount("data1.mid"), 1);
        }
        if (circle.music == CircleMusic::Keep) {
            EXPECT_EQ(soundCount("music open"), 0);
        }
        if (circle.storesReturnPoint) {
            EXPECT_DOUBLE_EQ(game().player.Progress[19], game().player.HeroX + 0.5);
            EXPECT_DOUBLE_EQ(game().player.Progress[20], game().player.HeroY + 0.9);
        } else {
            EXPECT_EQ(double(game().player.Progress[19]), 0);
        }
    }
}

TEST_F(TriggerTest, TheSpringRestoresHpAndMpAndDriesUp) {
    game().player.Hp = 3;
    game().player.Mp = 0;
    game().map.setEvent(41, 300, 22);
    terrain(0, 0, 139, 505, 6);
    game().sheets.map_c.fillRect(0, 176, 63, 239, 0x402010);  // the road
    std::vector<uint32_t> road;
    tg.platform.onPresent = [&road](const Pixels& frame) { road.push_back(frame.at(60, 280)); };
    standIn(40, 300);
    walkInto("R");
    // Grey 255, 235, ... 15 over the field: it starts washed out and darkens.
    ASSERT_EQ(road.size(), 13u);
    EXPECT_EQ(road.front(), 0xFFFFFFu);
    EXPECT_EQ(road.back(), 0x402010u | 0x0F0F0Fu);
    EXPECT_EQ(game().player.Hp, game().player.MaxHp);
    EXPECT_EQ(game().player.Mp, game().player.MaxMp);
    EXPECT_EQ(game().map.eventAt(41, 300), 0);
    EXPECT_EQ(soundCount("men11.WAV"), 1);
    EXPECT_EQ(game().Pic.backColour(), 0u);
    EXPECT_EQ(footCellX(), 41) << "the hero stays where he drank";
}

// The status panel, redrawn through the wipe, stands over the right edge.
TEST_F(TriggerTest, TheFieldWipeClosesTheWindowInThirtyTwoFrames) {
    game().Pic.setBackColour(0xFFFFFF);
    const int before = tg.platform.frameCount();
    FieldWipe(game());
    EXPECT_EQ(tg.platform.frameCount() - before, 32);
    for (int y = 30; y < 318; y += 7)
        for (int x = 30; x < 300; x += 7) ASSERT_EQ(game().Pic.at(x, y), 0u) << x << ", " << y;
}

TEST_F(TriggerTest, AMedalGivesItsMascotOnce) {
    game().map.setEvent(41, 300, 39);
    standIn(40, 300);
    walkInto("R");
    EXPECT_EQ(game().player.MascotOwned[3], 1);
    EXPECT_EQ(game().monster.Picture, "mons12");
    EXPECT_EQ(game().map.eventAt(41, 300), 0);
    EXPECT_EQ(soundCount("LVUP.WAV"), 1);
    walkInto("L");
    walkInto("R");
    EXPECT_EQ(soundCount("LVUP.WAV"), 1);
    int owned = 0;
    for (int flag : game().player.MascotOwned) owned += flag;
    EXPECT_EQ(owned, 1);
}

TEST_F(TriggerTest, BossesFightAndLeaveTheirCellsAsTheTableSays) {
    struct Case {
        int code, row, id, cellAfter;
    };
    for (Case c : {Case{2, 300, 999, 0}, Case{9, 200, 995, 0}, Case{16, 108, 899, 16}, Case{16, 420, 993, 0},
                   Case{21, 478, 990, 24}, Case{23, 250, 992, 0}}) {
        std::fill(game().map.events.begin(), game().map.events.end(), 0);
        game().GameState = "MOVE";
        game().map.setEvent(61, c.row, c.code);
        standIn(60, c.row);
        // The last boss has words first; the player reads each page and goes on.
        if (c.code == 21) tg.platform.onWait = [](HeadlessPlatform& platform) { platform.tap(vk::X); };
        walkInto("R");
        tg.platform.onWait = nullptr;
        EXPECT_EQ(game().GameState, "BATTLE") << "event " << c.code;
        EXPECT_EQ(game().monster.Id, c.id) << "event " << c.code;
        EXPECT_EQ(game().map.eventAt(61, c.row), c.cellAfter) << "event " << c.code;
        EXPECT_EQ(game().field.Cursor, 0);
        if (c.code == 21) {
            EXPECT_NEAR(game().player.HeroX + 0.5, 60.0, 1e-9) << "stepped back off the way home";
        }
        // The priest's defeat also opens the mascot medal of (61, 429).
        EXPECT_EQ(game().map.eventAt(61, 429), c.code == 23 ? 45 : 0);
    }
}

TEST_F(TriggerTest, TheLockedDoorTakesItsStrengthFromTheRow) {
    for (auto [row, hp, strength] : {std::tuple{40, 5, 2}, std::tuple{124, 5, 14}, std::tuple{294, 38, 39}}) {
        game().GameState = "MOVE";
        game().map.setEvent(41, row, 20);
        standIn(40, row);
        walkInto("R");
        EXPECT_EQ(game().GameState, "BATTLE2");
        EXPECT_EQ(game().monster.Picture, "door.jpg");
        EXPECT_EQ(game().monster.Id, 0);
        EXPECT_EQ(game().monster.MaxHp, hp);
        EXPECT_EQ(game().monster.Attack, strength);
        EXPECT_EQ(game().map.eventAt(41, row), 20) << "only opening it clears the door";
    }
}

TEST_F(TriggerTest, TheInnSquareLeadsIntoTheTown) {
    terrain(41, 420, 12);
    standIn(40, 420);
    tg.platform.autopilot = [](HeadlessPlatform& p) { p.tap(vk::Z); };  // straight out of the town
    walkInto("R");
    EXPECT_EQ(soundCount("men09.WAV"), 1);
    EXPECT_GE(soundCount("data3.mid"), 1);
    EXPECT_EQ(game().field.LastCellX, 41);
    EXPECT_EQ(game().field.StepY, 0);
    EXPECT_NEAR(game().player.HeroX + 0.5, 41.0, 1e-9) << "the stored position is back from the feet";
}

TEST_F(TriggerTest, StandingStillNeverFiresAgain) {
    game().map.setEvent(41, 300, 18);  // no circle in row 300: only the chime
    standIn(40, 300);
    walkInto("R");
    EXPECT_EQ(soundCount("MEN10.WAV"), 1);
    frames(30);
    EXPECT_EQ(soundCount("MEN10.WAV"), 1);
    hold("R");
    frames(2);  // still inside the circle's cell
    EXPECT_EQ(soundCount("MEN10.WAV"), 1);
    walkInto("L");
    walkInto("R");
    EXPECT_EQ(soundCount("MEN10.WAV"), 2);
}

}  // namespace
}  // namespace zanbora::testing
