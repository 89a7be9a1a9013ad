#pragma once
// The message window at the bottom of the screen: every conversation, sign
// and yes/no question of the game goes through it. A page is three lines at
// y 290, 310 and 330, each typed one character per 50 ms frame with a click;
// between pages the caller waits for a key (WaitKey, from Frame.h).
#include <string>
#include <vector>

#include "game/core/Frame.h"

namespace zanbora {

struct Game;

// Message window geometry.
constexpr int kMessageLeft = 30;
constexpr int kMessageLineY[3] = {290, 310, 330};
constexpr int kMessageCharAdvance = 19;
// Longest line the window holds (30 + 25 x 19 = 505).
constexpr int kMessageLineMax = 25;
// The box of a two-way question over the field view, corners included; its
// answers stand at (50, 80) and (50, 100). The widest, "オトコモード", ends
// at x 150: the box leaves it the same 10 pixels it leaves above the first.
constexpr int kChoiceBoxLeft = 10, kChoiceBoxTop = 70, kChoiceBoxRight = 160, kChoiceBoxBottom = 130;

// Fills the window (0, 290)-(500, 350) black.
void ClearMessageBox(Game& game);
// Types text one character per 50 ms frame with a click. The decide key
// shows the rest of the line at once (and is consumed); the act key is left
// for the WaitKey that follows.
void TypeText(Game& game, const std::string& text, int x, int y);
// The whole text at once on the same grid; no sound, present or wait.
void ShowText(Game& game, const std::string& text, int x, int y);
// Grey at (x, y) under white at (x - 1, y - 1); the fore colour is white
// afterwards.
void ShadowText(Game& game, const std::string& text, int x, int y);
// The prompt's pointer at (30, 80 + 20 x Cursor), then Cursor follows a held
// Up or Down between 0 and 1.
void ChoiceCursor(Game& game);
// A two-way question over the field: the caller has typed the question
// lines already; they are redrawn every frame under a box holding the two
// options. Only decide answers (Z does not cancel). Returns Cursor, 0 for
// the first option.
int ChoicePrompt(Game& game, const std::vector<std::string>& lines, const std::string& first,
                 const std::string& second);

// One page: clears the window and types up to three lines.
void TypePage(Game& game, const std::vector<std::string>& lines);

}  // namespace zanbora
