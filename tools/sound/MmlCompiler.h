#pragma once
// The game's music language (MML), compiled to a standard MIDI file.
//
// A piece is a text of directives and track lines; ';' starts a comment.
//   #title NAME        name of the piece
//   #tempo BPM         tempo at the start (default 120)
//   #meter N/D         time signature (default 4/4); the piece must end on a bar line
//   #define NAME TEXT  a phrase used later as $NAME
//   A  o4 l8 @73 v96 cdefg ...   track A plays on MIDI channel 1, B on 2, ... P on 16;
//                                J is channel 10, the drums. Lines of one track join up.
// Track commands:
//   c d e f g a b [+ # -] [len] [.]  note;  r [len] rest;  n KEY [,len] note by key number
//   'ceg' [len]   chord;  & tie to the next note;  ^len lengthen the last note or rest
//   o N  < >  octave;  l len  default length;  q 1..8  gate (eighths of the length)
//   v N  velocity;  @N  program (GM number - 1);  V N  volume;  p N  pan;  E N  expression
//   y CC,VAL  any controller;  t BPM  tempo;  [ ... ]N  repeat N times, ':' leaves the last time
//   |  a bar line: the compiler checks that it falls on one
// Lengths are note values (1 2 4 8 16 32, 3 6 12 24 for triplets) with dots.
#include <istream>

#include "MidiFile.h"

namespace sound {

inline constexpr int kTicksPerQuarter = 480;

// Throws std::runtime_error("line N: ...") for a fault in the piece, including
// tracks of different lengths and a piece that does not end on a bar line.
MidiSong compileMml(std::istream& in);

}  // namespace sound
