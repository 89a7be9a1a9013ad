#pragma once
// Loading the built pictures of cg/ the way the game loads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ImageLoader.h"
#include "support/BuildPaths.h"

namespace arttest {

inline zanbora::Pixels Load(const std::string& name) {
    zanbora::Pixels p;
    const std::string path = zanbora::testing::BuiltGameDir() + "/cg/" + name;
    EXPECT_TRUE(zanbora::LoadPictureFile(path, p)) << "cannot load " << path;
    return p;
}

// Counts pixels of (x, y, w, h) that are not pure black.
inline int Lit(const zanbora::Pixels& p, int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (p.contains(i, j) && p.at(i, j) != 0) ++n;
    return n;
}

// The largest colour channel over a rectangle.
inline int Brightest(const zanbora::Pixels& p, int x, int y, int w, int h) {
    int m = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const uint32_t c = p.at(i, j);
            m = std::max({m, int(c >> 16 & 255), int(c >> 8 & 255), int(c & 255)});
        }
    return m;
}

}  // namespace arttest
