#pragma once
// The start screen's controls, drawn by the game itself in its own style:
// black boxes with white outlines on the title picture, the focused control
// outlined in yellow. Coordinates are game-picture pixels.
#include <optional>
#include <string>
#include <vector>

#include "game/party/NameBox.h"
#include "game/party/SaveList.h"

namespace zanbora {

struct Game;

struct Box {
    int x1, y1, x2, y2;
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

namespace start_layout {
constexpr Box kNameBox{262, 46, 506, 72};
constexpr Box kList{262, 80, 506, 226};
constexpr int kListRows = 7, kRowHeight = 20, kFirstRowY = 83;
constexpr Box kScrollBar{494, 81, 505, 225};
constexpr Box kDeleteButton{262, 234, 380, 260};
constexpr Box kOkButton{388, 234, 506, 260};
constexpr Box kSliderBox{262, 268, 506, 300};
constexpr int kTrackLeft = 270, kTrackStep = 9, kTrackY = 284;
constexpr Box kFullScreenBox{262, 308, 506, 334};
constexpr Box kTick{268, 313, 284, 329};
constexpr Box kPreviewBox{4, 56, 254, 234};
constexpr Box kNoticeBox{4, 240, 254, 300};
}  // namespace start_layout

// Tab order: Text1, File1, Command1, Command2, check1, Check2.
enum class StartFocus { Name, List, Delete, Ok, Slider, FullScreen };
constexpr int kStartControls = 6;

struct StartScreenUi {
    NameBox name;
    std::vector<std::string> saves;
    int selected = -1;  // row of File1, -1 for none
    int top = 0;        // first row shown
    StartFocus focus = StartFocus::Name;
    std::optional<SavePreview> preview;
    bool shiftHeld = false;
    // The control the main button went down on (it acts when released there).
    std::optional<StartFocus> pressed;
    bool draggingSlider = false;
};

void DrawStartScreen(Game& game, const StartScreenUi& ui);
// Where the name box's text starts (it slides left to keep the caret shown).
int NameTextLeft(Game& game, const StartScreenUi& ui);
// The slider value under a point of its track, 1..kMaxDrawSkip.
int SliderValueAt(int x);

}  // namespace zanbora
