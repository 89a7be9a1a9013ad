#pragma once
// Everything the people of the world say, kept together so the whole script
// can be read (and checked to fit the window) in one place. Lines that
// carry a number or a name are built where they are said.
#include <vector>

#include "game/story/Script.h"

namespace zanbora {

// People of the map, by the row they stand in.
namespace talk {
extern const Script kGuide;              // row 13
extern const Script kCircle;             // row 16
extern const Script kMascotsTire;        // row 30
extern const Script kIronGrate;          // row 37
extern const Script kLostBean;           // row 38
extern const Script kDragonRock;         // row 42
extern const Script kFirstAdventure;     // row 43
extern const Script kHiddenPassage;      // row 44
extern const Script kWellFound;          // row 62
extern const Script kRacerRescued;       // row 67
extern const Script kMascotTips;         // row 33, the medal taken
extern const Script kMascotAhead;        // row 33, the medal still there
extern const Script kChallengeCourse;    // row 20
extern const Script kMeetSealKeepers;    // row 273, the seals still closed
extern const Script kSealsBroken;        // row 273, the way open
extern const Script kToughGuy;           // row 294
extern const Script kFirstSeal;          // row 338
extern const Script kSecondSeal;         // row 358
extern const Script kStoneKeeper;        // row 196
extern const Script kStoneThrown;        // row 196, after the throw
extern const Script kTollAsked;          // row 31
extern const Script kTollPaid;           // row 31, 200 銭 or more
extern const Script kTollRefused;        // row 31, less
extern const Script kWorldLore;          // row 481
extern const Script kBattleFolkLore;     // row 481, battle folk only
extern const Script kUnderground;        // row 486
extern const Script kMentorOffer;        // row 488
extern const Script kMentorFarewell;     // row 488, after the wheel
extern const Script kCastleBean;         // row 390
extern const Script kWhyZambora;         // row 485
extern const Script kStoneBrought;       // row 195, the stone in place
extern const Script kStoneMissing;       // row 195, no stone yet
extern const Script kNobody;             // row 0: a talking cell with no line of its own
}  // namespace talk

// The two answers of a host's offer, as its choice box shows them.
struct Choice {
    const char* first;
    const char* second;
};

// The scenes and the hosts of the hall.
namespace scene {
extern const Script kLastBossSpeech;     // after the hero's name line
extern const Script kEndingSpeech;
extern const Script kPowerGreeting;      // page 1 of the crystal ball
extern const Script kPowerMeasuring;     // page 2
extern const Page kDuelOffer;
extern const Page kHpOffer;
extern const Page kModeOffer;
extern const Page kModeWarning;
extern const Choice kRaceChoice;
extern const Choice kDuelChoice;
extern const Choice kHpChoice;
extern const Choice kModeChoice;
}  // namespace scene

// Every script above, for a reader that wants them all.
std::vector<const Script*> AllStoryScripts();
std::vector<const Page*> AllStoryPages();
std::vector<const Choice*> AllStoryChoices();

}  // namespace zanbora
