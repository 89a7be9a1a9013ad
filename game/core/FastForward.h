#pragma once
// Fast-forward: while the player holds its key (F unless settings.ini says
// otherwise) or the pad's right shoulder button, game time runs
// kFastForwardSpeed times as fast. The game does exactly what it would do at
// normal speed; the music, which the mixer plays in real time, keeps its own.
namespace zanbora {

struct Game;

constexpr int kFastForwardSpeed = 4;

// Sets the game clock's speed from the key and the button as they are held
// now, and shows the fast-forward mark beside the picture while it is on.
void FollowFastForward(Game& game);

}  // namespace zanbora
