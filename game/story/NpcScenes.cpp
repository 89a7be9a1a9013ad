#include "game/story/NpcScenes.h"

namespace zanbora {

// Stand-ins until the dialogue is built: nobody speaks yet.
void mes(Game&) {}
void LastBossSpeech(Game&) {}

}  // namespace zanbora
