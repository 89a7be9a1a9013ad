// The people of the world. Each talking cell speaks by its row; some leave
// for the bean folk's hall, open the way ahead or ask for something first.
#include "game/story/NpcScenes.h"

#include <string>
#include <vector>

#include "game/battle/LevelUp.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/TextCodec.h"
#include "game/story/StoneKick.h"
#include "game/story/StoryLines.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kCircleCode = 18;
constexpr int kTollRow = 31;
constexpr double kToll = 200;

int CellX(Game& game) { return Int(game.player.HeroX); }
int CellY(Game& game) { return Int(game.player.HeroY); }

void ClearHeroCell(Game& game) { game.map.setEvent(CellX(game), CellY(game), 0); }

// A name as lines of the window: a name longer than a line (names run to
// 32 characters) goes on over the next one.
Page NameLines(const std::string& name) {
    const std::vector<std::string> characters = Utf8Characters(name);
    Page lines;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (i % kMessageLineMax == 0) lines.emplace_back();
        lines.back() += characters[i];
    }
    return lines;
}

// A host leaves his post for the hall and waits there at (x, y).
void MoveToHall(Game& game, int x, int y) {
    ClearHeroCell(game);
    game.map.setEvent(x, y, 1);
}

void MeetSealKeeper(Game& game, const Script& words) {
    SayScript(game, words);
    ClearHeroCell(game);
    game.player.Progress[17] = game.player.Progress[17] + 1;
    if (game.player.Progress[17] >= 2) game.map.setEvent(79, 273, kCircleCode);
}

void AskToll(Game& game) {
    SayScript(game, talk::kTollAsked);
    BreakPage(game);
    if (game.player.Money >= kToll) {
        PlayMen08(game);
        SayScript(game, talk::kTollPaid);
        game.player.Money -= kToll;
        ClearHeroCell(game);
    } else {
        SayScript(game, talk::kTollRefused);
    }
}

// The gatekeeper stands in the only gap of the palisade: a hero who has
// not paid is sent back the way he came, so the toll really bars the way.
void TurnBackAtToll(Game& game) {
    switch (game.field.Facing) {
        case 0: game.player.HeroY += 1; break;
        case 2: game.player.HeroY -= 1; break;
        case 1: game.player.HeroX -= 1; break;
        default: game.player.HeroX += 1; break;
    }
}

void Mentor(Game& game) {
    SayScript(game, talk::kMentorOffer);
    BreakPage(game);
    game.player.Exp = 7;
    game.battle.GrowthPicks = 5;
    GrowthWheel(game);
    game.Pic.clear();
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
    SayScript(game, talk::kMentorFarewell);
    game.map.setEvent(60, 488, 0);
}

}  // namespace

void TalkEvents(Game& game) {
    MapLayers& map = game.map;
    const int cx = CellX(game), cy = CellY(game);
    switch (cy) {
        case 13:
            game.player.HeroY += 1;
            SayScript(game, talk::kGuide);
            break;
        case 16: SayScript(game, talk::kCircle); break;
        case 30: SayScript(game, talk::kMascotsTire); break;
        case 37: SayScript(game, talk::kIronGrate); break;
        case 38:
            SayScript(game, talk::kLostBean);
            map.setEvent(12, 38, 0);
            map.setEvent(80, 479, 1);
            break;
        case 42: SayScript(game, talk::kDragonRock); break;
        case 43: SayScript(game, talk::kFirstAdventure); break;
        case 44: SayScript(game, talk::kHiddenPassage); break;
        case 62: SayScript(game, talk::kWellFound); break;
        case 67:
            SayScript(game, talk::kRacerRescued);
            MoveToHall(game, 80, 483);
            break;
        case 33: SayScript(game, map.eventAt(37, 33) == 0 ? talk::kMascotTips : talk::kMascotAhead); break;
        case 20: SayScript(game, talk::kChallengeCourse); break;
        case 273: SayScript(game, map.eventAt(79, 273) == 0 ? talk::kMeetSealKeepers : talk::kSealsBroken); break;
        case 294:
            SayScript(game, talk::kToughGuy);
            MoveToHall(game, 74, 474);
            break;
        case 338: MeetSealKeeper(game, talk::kFirstSeal); break;
        case 358: MeetSealKeeper(game, talk::kSecondSeal); break;
        case 196: SayScript(game, talk::kStoneKeeper); break;
        case kTollRow: AskToll(game); break;
        case 481:
            SayScript(game, talk::kWorldLore);
            if (game.player.Job == "戦闘民族") {
                BreakPage(game);
                SayScript(game, talk::kBattleFolkLore);
            }
            break;
        case 486: SayScript(game, talk::kUnderground); break;
        case 488: Mentor(game); break;
        case 390:
            SayScript(game, talk::kCastleBean);
            map.setEvent(70, 419, kSpringCode);
            map.setEvent(35, 422, kSpringCode);
            break;
        case 485: SayScript(game, talk::kWhyZambora); break;
        case 195:
            if (map.eventAt(cx, cy + 1) == kStoneCode) {
                SayScript(game, talk::kStoneBrought);
                map.setEvent(74, 478, 1);
            } else {
                SayScript(game, talk::kStoneMissing);
            }
            break;
        case 0: SayScript(game, talk::kNobody); break;
        default: break;  // the hall's hosts (rows 474 and 483) and everyone else say nothing here
    }
}

void mes(Game& game) {
    MapLayers& map = game.map;
    const int cx = CellX(game), cy = CellY(game);
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
    TalkEvents(game);
    ClosePage(game);
    if (cy == 196) StoneKickScene(game);
    if (map.eventAt(cx, cy + 1) == kStoneCode) {
        map.setEvent(cx, cy + 1, 0);
        map.setEvent(cx, cy, 0);
    } else if (cy == 195) {
        game.player.HeroY += 0.5;
    }
    if (cy == kTollRow && map.eventAt(cx, cy) == 1) TurnBackAtToll(game);
}

void LastBossSpeech(Game& game) {
    game.Pic.clear();
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
    Script speech = scene::kLastBossSpeech;
    const std::string greeting = game.player.Name + "よく帰ってきましたね" + "。";
    // A long name would run the greeting past the window's edge: then the
    // name, over two lines if need be, and the greeting get a page of their
    // own.
    if (Utf8Length(greeting) <= size_t(kMessageLineMax)) {
        speech.front().insert(speech.front().begin(), greeting);
    } else {
        Page page = NameLines(game.player.Name);
        page.push_back("よく帰ってきましたね。");
        speech.insert(speech.begin(), page);
    }
    for (const Page& page : speech) {
        TypePage(game, page);
        BreakPage(game);
    }
}

}  // namespace zanbora
