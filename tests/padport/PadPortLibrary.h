#pragma once
// libPadPort.so as the game finds it: opened by path from the game folder,
// its three calls looked up by their C names.
#include <dlfcn.h>

#include "padport/PadPort.h"
#include "support/BuildPaths.h"

struct PadPortLibrary {
    void* handle = dlopen((zanbora::testing::BuiltGameDir() + "/libPadPort.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    CheckJoyFn checkJoy = handle ? reinterpret_cast<CheckJoyFn>(dlsym(handle, "CheckJoy")) : nullptr;
    GetJoyAxisFn getJoyAxis = handle ? reinterpret_cast<GetJoyAxisFn>(dlsym(handle, "GetJoyAxis")) : nullptr;
    GetJoyButtonFn getJoyButton = handle ? reinterpret_cast<GetJoyButtonFn>(dlsym(handle, "GetJoyButton")) : nullptr;

    PadPortLibrary() = default;
    PadPortLibrary(const PadPortLibrary&) = delete;
    PadPortLibrary& operator=(const PadPortLibrary&) = delete;
    ~PadPortLibrary()
    {
        if (handle)
            dlclose(handle);
    }
    bool complete() const { return checkJoy && getJoyAxis && getJoyButton; }
};
