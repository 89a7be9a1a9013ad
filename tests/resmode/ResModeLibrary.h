#pragma once
// libResMode.so as the game finds it: opened by path from the game folder,
// its three calls looked up by their C names.
#include <dlfcn.h>

#include "resmode/ResMode.h"

struct ResModeLibrary {
    void* handle = dlopen(ZANBORA_GAME_DIR "/libResMode.so", RTLD_NOW | RTLD_LOCAL);
    DisplayModeFn enumDisplay = find("EnumDisplay");
    DisplayModeFn getDisplay = find("GetDisplay");
    DisplayModeFn setDisplay = find("SetDisplay");

    ResModeLibrary() = default;
    ResModeLibrary(const ResModeLibrary&) = delete;
    ResModeLibrary& operator=(const ResModeLibrary&) = delete;
    ~ResModeLibrary()
    {
        if (handle)
            dlclose(handle);
    }
    bool complete() const { return enumDisplay && getDisplay && setDisplay; }

private:
    DisplayModeFn find(const char* name) const
    {
        return handle ? reinterpret_cast<DisplayModeFn>(dlsym(handle, name)) : nullptr;
    }
};
