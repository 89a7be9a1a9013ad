// Draws the game's icon in the sizes a desktop's icon theme looks for:
//   zanbora_icons <assets/art folder> <folder>
// writes <folder>/<n>x<n>/apps/zanbora.png.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Icon.h"
#include "Paint.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zanbora_icons <assets/art folder> <folder>\n");
        return 2;
    }
    try {
        art::LoadPalette((std::filesystem::path(argv[1]) / "palette.txt").string());
        for (int size : {48, 64, 128, 256}) {
            const std::string side = std::to_string(size);
            const std::filesystem::path folder = std::filesystem::path(argv[2]) / (side + "x" + side) / "apps";
            std::filesystem::create_directories(folder);
            art::SaveGameIcon((folder / "zanbora.png").string(), size);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zanbora_icons: %s\n", e.what());
        return 1;
    }
    return 0;
}
