// zanbora_art: draws every picture of the game into the cg/ folder.
//   zanbora_art <assets/art folder> <cg folder>
#include <SDL.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Icon.h"
#include "Monsters.h"
#include "Paint.h"
#include "Pictures.h"
#include "Sheets.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <assets/art folder> <cg folder>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path cg = argv[2];
        std::filesystem::create_directories(cg);
        art::LoadPalette((std::filesystem::path(argv[1]) / "palette.txt").string());
        auto bmp = [&](const art::Image& img, const char* name) { art::SaveBmp(img, (cg / name).string()); };
        auto jpg = [&](const art::Image& img, const char* name) { art::SaveJpg(img, (cg / name).string(), 95); };
        bmp(art::FieldSheet(), "map_c.bmp");
        bmp(art::FieldHeroSheet(), "chr3.bmp");
        bmp(art::BattleMasterSheet(), "chr_m.bmp");
        bmp(art::HeroBattleBase(), "ch.bmp");
        bmp(art::EffectSheet(), "effect.bmp");
        bmp(art::ItemSheet(), "item_c.bmp");
        bmp(art::CircleLogo(), "circle.bmp");
        jpg(art::Banner(), "banner.jpg");
        jpg(art::TitleScreen(), "title.jpg");
        jpg(art::DoorPicture(false), "door.jpg");
        jpg(art::DoorPicture(true), "door2.jpg");
        bmp(art::Trainer(), "etc01.bmp");
        art::SaveGameIcon((cg / "icon.png").string(), 128);
        for (int n = 1; n <= art::kMonsterCount; ++n) {
            char name[16];
            std::snprintf(name, sizeof name, "mons%02d.bmp", n);
            bmp(art::MonsterPicture(n), name);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zanbora_art: %s\n", e.what());
        return 1;
    }
    // hand back the font caches, so that leak checkers see only our own memory
    cairo_debug_reset_static_data();
    FcFini();
    return 0;
}
