#pragma once
// The hero's save file in saves/, named after the hero.
#include <cstddef>
#include <string>

namespace zanbora {

// Far above the largest save (every cell of the map block different is
// about 50,000 pairs), far below what could stall the start screen.
constexpr size_t kSaveFileLimit = 4 * 1024 * 1024;

struct Game;

// The folder of the saves and the path of one hero's save.
std::string SaveFolder(const Game& game);
std::string SavePath(const Game& game, const std::string& heroName);

// The field menu's "セーブ": counts the save, folds the play time in and
// replaces the hero's save in one piece. When the file cannot be written a
// message box names it and says why; the old save stays as it was, and
// false is returned so the game can go on.
bool WriteSave(Game& game);

enum class SaveReadResult { Loaded, Missing, Damaged };

// Reads the save of `heroName` into the hero and the map. Missing: there is
// no save of that name (a new hero), nothing changed. Damaged: nothing
// changed and `problem` says what is wrong.
SaveReadResult ReadSaveFile(Game& game, const std::string& heroName, std::string& problem);

}  // namespace zanbora
