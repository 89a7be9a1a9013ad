#include "game/shell/Input.h"

#include "game/shell/Game.h"
#include "game/shell/Shutdown.h"
#include "platform/KeyCodes.h"

namespace zanbora {

static bool IsActKey(int key) { return key == vk::Z || key == vk::Escape || key == vk::Shift; }
static bool IsDecideKey(int key) { return key == vk::X || key == vk::Space || key == vk::Enter; }

void OnKeyDown(Game& game, int key) {
    KeyFlags& keys = game.keys;
    if (key >= vk::Left && key <= vk::Down) keys.KeyState[key - vk::Left] = true;
    if (IsActKey(key)) keys.KeyAct = true;
    if (IsDecideKey(key)) keys.KeyDecide = true;
    if (key == vk::Alt) keys.AltHeld = true;
    if (key == vk::F4 && keys.AltHeld) Form_Unload(game);
}

void OnKeyUp(Game& game, int key) {
    KeyFlags& keys = game.keys;
    if (key >= vk::Left && key <= vk::Down) keys.KeyState[key - vk::Left] = false;
    if (IsActKey(key)) keys.KeyAct = false;
    if (IsDecideKey(key)) keys.KeyDecide = false;
    if (key == vk::Alt) keys.AltHeld = false;
}

void ProcessEvents(Game& game) {
    PlatformEvent event;
    while (game.platform.pollEvent(event)) {
        switch (event.kind) {
            case PlatformEvent::Kind::KeyDown: OnKeyDown(game, event.key); break;
            case PlatformEvent::Kind::KeyUp: OnKeyUp(game, event.key); break;
            case PlatformEvent::Kind::Quit: Form_Unload(game); break;
        }
    }
}

}  // namespace zanbora
