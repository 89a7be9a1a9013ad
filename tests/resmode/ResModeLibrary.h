#pragma once
// libResMode.so as the game finds it: opened by path from the game folder,
// its three calls looked up by their C names.
#include <dlfcn.h>

#include <optional>
#include <ostream>

#include "resmode/ResMode.h"
#include "support/BuildPaths.h"

struct Mode {
    int32_t width = 0, height = 0, bits = 0, frequency = 0;
    bool operator==(const Mode&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Mode& m)
{
    return out << m.width << "x" << m.height << "x" << m.bits << "@" << m.frequency;
}

struct ResModeLibrary {
    void* handle = dlopen((zanbora::testing::BuiltGameDir() + "/libResMode.so").c_str(), RTLD_NOW | RTLD_LOCAL);
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

    std::optional<Mode> current() const
    {
        Mode m;
        if (!getDisplay(&m.width, &m.height, &m.bits, &m.frequency))
            return std::nullopt;
        return m;
    }
    int32_t set(Mode m) const { return setDisplay(&m.width, &m.height, &m.bits, &m.frequency); }

private:
    DisplayModeFn find(const char* name) const
    {
        return handle ? reinterpret_cast<DisplayModeFn>(dlsym(handle, name)) : nullptr;
    }
};
