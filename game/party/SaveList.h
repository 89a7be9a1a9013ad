#pragma once
// What the start screen shows of the saves: the list of heroes and the
// preview of one save's main numbers.
#include <string>
#include <vector>

namespace zanbora {

struct Game;

// The heroes with a save in `folder`, sorted: plain files whose names can be
// hero names (so half-written temporary files and strays never show).
std::vector<std::string> ListSaves(const std::string& folder);

// Lines 1..25 of a save as they stand in the file (numbers without their
// blanks), read for the preview only.
struct SavePreview {
    std::string name, level, maxHp, attack, defence, speed, maxMp, job;
};

// False when the save cannot be opened.
bool ReadSavePreview(const std::string& path, const std::string& name, SavePreview& out);
// The numbers at their places on the left of the start screen.
void DrawSavePreview(Game& game, const SavePreview& preview);

}  // namespace zanbora
