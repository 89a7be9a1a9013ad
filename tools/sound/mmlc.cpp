// mmlc PIECE.mml OUT.mid [-v]: compiles one piece of music; -v prints its length.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "MidiFile.h"
#include "MmlCompiler.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "-v") != 0)) {
    std::cerr << "usage: mmlc PIECE.mml OUT.mid [-v]\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1]);
    if (!in) throw std::runtime_error("cannot open the piece");
    const sound::MidiSong song = sound::compileMml(in);
    if (argc == 4)
      std::cout << argv[1] << ": " << sound::songSeconds(song) << " s, " << song.endTick << " ticks\n";
    const std::filesystem::path out(argv[2]);
    if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path());
    sound::writeMidiFile(out.string(), song);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
