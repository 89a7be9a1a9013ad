#include "game/core/Input.h"

#include "game/core/FastForward.h"
#include "game/core/Game.h"
#include "game/core/Shutdown.h"
#include "platform/KeyCodes.h"

namespace zanbora {

static bool IsActKey(int key) { return key == vk::Z || key == vk::Escape || key == vk::Shift; }
static bool IsDecideKey(int key) { return key == vk::X || key == vk::Space || key == vk::Enter; }

void OnKeyDown(Game& game, int key) {
    KeyFlags& keys = game.keys;
    if (key >= vk::Left && key <= vk::Down) keys.KeyState[key - vk::Left] = true;
    if (IsActKey(key)) {
        keys.KeyAct = keys.ActFresh = true;
        keys.ActReleasePending = false;
    }
    if (IsDecideKey(key)) {
        keys.KeyDecide = keys.DecideFresh = true;
        keys.DecideReleasePending = false;
    }
    if (key == vk::Alt) keys.AltHeld = true;
    if (key == vk::FastForward) {
        keys.FastForwardHeld = true;
        FollowFastForward(game);
    }
    if (key == vk::F4 && keys.AltHeld) Form_Unload(game);
}

void OnKeyUp(Game& game, int key) {
    KeyFlags& keys = game.keys;
    if (key >= vk::Left && key <= vk::Down) keys.KeyState[key - vk::Left] = false;
    if (IsActKey(key)) {
        if (keys.ActFresh) keys.ActReleasePending = true;
        else keys.KeyAct = false;
    }
    if (IsDecideKey(key)) {
        if (keys.DecideFresh) keys.DecideReleasePending = true;
        else keys.KeyDecide = false;
    }
    if (key == vk::Alt) keys.AltHeld = false;
    if (key == vk::FastForward) {
        keys.FastForwardHeld = false;
        FollowFastForward(game);
    }
}

void BeginFrameInput(Game& game) {
    KeyFlags& keys = game.keys;
    if (keys.ActReleasePending) keys.KeyAct = false;
    if (keys.DecideReleasePending) keys.KeyDecide = false;
    keys.ActReleasePending = keys.DecideReleasePending = false;
    keys.ActFresh = keys.DecideFresh = false;
}

void ProcessEvents(Game& game) {
    PlatformEvent event;
    while (game.platform.pollEvent(event)) {
        switch (event.kind) {
            case PlatformEvent::Kind::KeyDown: OnKeyDown(game, event.key); break;
            case PlatformEvent::Kind::KeyUp: OnKeyUp(game, event.key); break;
            case PlatformEvent::Kind::Quit: Form_Unload(game); break;
            default: break;  // typing and the mouse matter only on the start screen
        }
        if (game.start.visible && event.kind != PlatformEvent::Kind::Quit) game.start.events.push_back(event);
    }
}

}  // namespace zanbora
