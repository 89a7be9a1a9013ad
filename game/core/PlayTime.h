#pragma once
// Play time: what the last save recorded plus the time since then.
#include <string>

namespace zanbora {

struct Game;

// Progress[12] + (now - PlayClock), in milliseconds.
double PlayTimeMs(Game& game);
// "h:mm" (hours unbounded, minutes always two digits).
std::string PlayTimeText(double ms);

}  // namespace zanbora
