#pragma once
// A joystick made up by SDL for the test, plugged in for the object's life.
#include <SDL.h>

class VirtualJoystick {
public:
    VirtualJoystick(int axes, int buttons)
        : index_(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, 0)),
          joystick_(index_ >= 0 ? SDL_JoystickOpen(index_) : nullptr)
    {
    }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;
    ~VirtualJoystick() { unplug(); }

    bool plugged() const { return joystick_ != nullptr; }
    void axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
    void button(int button, bool pressed) { SDL_JoystickSetVirtualButton(joystick_, button, pressed ? 1 : 0); }
    void unplug()
    {
        if (!joystick_)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

private:
    int index_;
    SDL_Joystick* joystick_;
};
