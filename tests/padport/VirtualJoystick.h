#pragma once
// A joystick made up by SDL for the test, plugged in for the object's life.
#include <SDL.h>

#include <string>

class VirtualJoystick {
public:
    // A plain joystick: no layout SDL knows, read by its own numbers.
    VirtualJoystick(int axes, int buttons, int hats = 0) : VirtualJoystick(SDL_JOYSTICK_TYPE_UNKNOWN, axes, buttons, hats) {}

    // A pad with the maker's USB ids whose layout SDL learns from `layout`
    // ("a:b1,b:b2,leftx:a0,..."), as from that pad's line of its
    // game-controller database.
    static VirtualJoystick withLayout(Uint16 vendor, Uint16 product, const std::string& layout, int axes,
                                      int buttons, int hats)
    {
        return VirtualJoystick(SDL_JOYSTICK_TYPE_UNKNOWN, axes, buttons, hats, layout, vendor, product);
    }
    // A pad of SDL's own standard layout (the Xbox one: A, B, X, Y, ...).
    static VirtualJoystick standardPad()
    {
        return VirtualJoystick(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    }

    VirtualJoystick(VirtualJoystick&& other) noexcept : joystick_(other.joystick_) { other.joystick_ = nullptr; }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;
    ~VirtualJoystick() { unplug(); }

    bool plugged() const { return joystick_ != nullptr; }
    void axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
    void button(int button, bool pressed) { SDL_JoystickSetVirtualButton(joystick_, button, pressed ? 1 : 0); }
    void hat(int hat, Uint8 value) { SDL_JoystickSetVirtualHat(joystick_, hat, value); }
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
    VirtualJoystick(SDL_JoystickType type, int axes, int buttons, int hats, const std::string& layout = {},
                    Uint16 vendor = 0, Uint16 product = 0)
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = Uint16(type);
        desc.naxes = Uint16(axes);
        desc.nbuttons = Uint16(buttons);
        desc.nhats = Uint16(hats);
        desc.vendor_id = vendor;
        desc.product_id = product;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index < 0)
            return;
        if (!layout.empty()) {
            char guid[64];
            SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
            if (SDL_GameControllerAddMapping((std::string(guid) + ",Test pad," + layout).c_str()) < 0) {
                SDL_JoystickDetachVirtual(index);
                return;
            }
        }
        joystick_ = SDL_JoystickOpen(index);
    }

    SDL_Joystick* joystick_ = nullptr;
};
