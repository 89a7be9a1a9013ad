#pragma once
// What people say: a script is a list of pages of up to three lines, typed
// into the message window at (30, 290), (30, 310) and (30, 330).
#include <string>
#include <vector>

namespace zanbora {

struct Game;

using Page = std::vector<std::string>;
using Script = std::vector<Page>;

// Types the pages one after the other; between two pages the player reads
// and presses a key (present, wait for the key, clear the window). The last
// page stays on the window for the caller to close.
void SayScript(Game& game, const Script& script);
// The caller's close of the last page: present, then wait for a key.
void ClosePage(Game& game);
// ClosePage and a cleared window: a page break.
void BreakPage(Game& game);

}  // namespace zanbora
