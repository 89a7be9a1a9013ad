#pragma once
// SimBone: the hero gives up one level's growth of a stat to grow his bone,
// which ゆけゆけボーン strikes with. Five stat icons turn on a ring; the one
// in the red frame at the top is traded.
#include <string>

namespace zanbora {

struct Game;

// The bone's rank for int(Bone) and the x its name is drawn at.
struct BoneRank {
    const char* name;
    int x;
};
BoneRank BoneRankOf(double bone);

// Ring position 0..4 (max HP, speed, defence, attack, max MP): lowers that
// stat by its growth and adds the job's bone rate, when the stat is above
// its starting value. False when nothing was traded.
bool TradeForBone(Game& game, int position);
// The icon (0 max HP, 1 max MP, 2 attack, 3 defence, 4 speed) in the red
// frame when the ring stands at position c.
int IconInFrame(int position);

// Bone picture, status panel, title, bone value and rank.
void DrawBoneScreen(Game& game);
void SimB(Game& game);

}  // namespace zanbora
