#pragma once
// The clear record: "<hero>.txt" in the game folder, written when the last
// boss falls. Fifteen CP932 lines with CR LF between them (none after the
// last): the mode, the hero's record, and the clear password.
#include <cstdint>
#include <string>

namespace zanbora {

struct Game;
struct Player;

// The seed of the clear password: hours + tenths of minutes of play + the
// final statistics, days, wins and saves, modulo 60000.
uint64_t ClearPasswordSeed(const Player& player, double playMs);
// The record's text (UTF-8, CR LF between lines) for the hero as he is now.
std::string ClearRecordText(Game& game);
// Writes the record beside the program. A name that cannot be a file name,
// or a folder that refuses the file, gets a message box naming the file;
// the game goes on either way. True when the record was written.
bool WriteClearRecord(Game& game);

}  // namespace zanbora
