// draw_world MAP.DAT ITEMS.LST OUT.PNG [SCALE [FIRST_ROW LAST_ROW]]
// Draws the whole world as a picture: one colour per terrain code, a marker
// per event (colour by kind) and a thin line from every warp and magic
// circle to where it lands. Used to look the world over.

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "WorldSource.h"
#include "game/field/WarpTable.h"

namespace {

struct Rgb {
    double r, g, b;
};

Rgb TerrainColour(int code) {
    switch (code) {
        case 0: return {0.33, 0.29, 0.25};   // rock cliff
        case 1: return {0.59, 0.27, 0.20};   // brick wall
        case 2: return {0.12, 0.43, 0.16};   // forest floor under canopy
        case 3: return {0.04, 0.24, 0.08};   // dense trees
        case 4: return {0.35, 0.47, 0.24};   // bushes and boulders
        case 5: return {0.24, 0.47, 0.78};   // lake
        case 6: return {0.67, 0.55, 0.35};   // dirt road
        case 7: return {0.47, 0.31, 0.16};   // palisade
        case 8: return {0.45, 0.40, 0.33};   // secret passage through rock
        case 9: return {0.90, 0.78, 0.24};   // ladder, stairs
        case 10: return {0.47, 0.75, 0.35};  // grass
        case 11: return {0.08, 0.24, 0.59};  // sea
        case 12: return {1.00, 0.31, 0.78};  // inn square
        case 13: return {0.74, 0.40, 0.32};  // secret passage through brick
        case 14: return {0.65, 0.57, 0.45};  // cave floor
        case 15: return {0.84, 0.73, 0.55};  // wooden floor, bridge
        default: return {0.0, 0.0, 0.0};     // void
    }
}

Rgb EventColour(int code, int row) {
    if (code == 1) return {1.0, 1.0, 1.0};                                 // people
    if (code == 21 && row == 480) return {1.0, 0.6, 0.8};                  // the trainer
    if (code == 16 && row != 420) return {1.0, 0.55, 0.0};                 // dragon rock
    if (code == 2 || code == 5 || code == 6 || code == 8 || code == 9 || code == 16 || code == 21 || code == 23)
        return {0.9, 0.0, 0.0};                                             // bosses
    if (code == 20) return {0.55, 0.35, 0.05};                              // doors
    if (code == 18 || code == 19) return {0.55, 0.2, 1.0};                  // magic circles
    if (code == 22) return {0.6, 0.95, 1.0};                                // springs
    if (code >= 36 && code <= 46) return {1.0, 0.85, 0.0};                  // medals
    if (code == 17) return {0.6, 0.6, 0.6};                                 // pushable rock
    if (zanbora::FindFieldWarp(code, row)) return {0.0, 1.0, 1.0};          // warps
    return {0.3, 0.3, 0.3};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5 && argc != 7) {
        std::fprintf(stderr, "usage: draw_world MAP.DAT ITEMS.LST OUT.PNG [SCALE [FIRST_ROW LAST_ROW]]\n");
        return 2;
    }
    const int scale = argc >= 5 ? std::stoi(argv[4]) : 4;
    const int first = argc == 7 ? std::stoi(argv[5]) : 0;
    const int last = argc == 7 ? std::stoi(argv[6]) : worldtool::kRows - 1;
    if (scale < 1 || scale > 32 || first < 0 || last >= worldtool::kRows || first > last) {
        std::fprintf(stderr, "draw_world: scale 1..32 and rows 0..%d expected\n", worldtool::kRows - 1);
        return 2;
    }

    std::ifstream mapFile(argv[1], std::ios::binary);
    std::vector<unsigned char> terrain((std::istreambuf_iterator<char>(mapFile)), std::istreambuf_iterator<char>());
    if (terrain.size() != size_t(worldtool::kColumns) * worldtool::kRows) {
        std::fprintf(stderr, "draw_world: %s is not a map of 140 x 506 cells\n", argv[1]);
        return 1;
    }
    struct Item {
        int x, y, code;
    };
    std::vector<Item> items;
    std::ifstream itemFile(argv[2], std::ios::binary);
    if (!itemFile) {
        std::fprintf(stderr, "draw_world: %s cannot be read\n", argv[2]);
        return 1;
    }
    for (std::string line; std::getline(itemFile, line);) {
        for (char& c : line)
            if (c == ',') c = ' ';
        std::istringstream fields(line);
        Item item{};
        if (fields >> item.x >> item.y >> item.code) items.push_back(item);
    }

    const int width = worldtool::kColumns * scale;
    const int height = (last - first + 1) * scale;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, 0, -double(first) * scale);

    for (int y = first; y <= last; ++y)
        for (int x = 0; x < worldtool::kColumns; ++x) {
            const int code = terrain[size_t(y) * worldtool::kColumns + size_t(x)];
            const Rgb c = TerrainColour(code);
            cairo_set_source_rgb(cr, c.r, c.g, c.b);
            cairo_rectangle(cr, x * scale, y * scale, scale, scale);
            cairo_fill(cr);
            if (code == 8 || code == 13) {  // secret passages get a light stripe
                cairo_set_source_rgb(cr, 1, 1, 0.6);
                cairo_rectangle(cr, x * scale, y * scale + scale / 2.0 - 0.5, scale, 1);
                cairo_fill(cr);
            }
        }

    // Where each warp and circle lands.
    cairo_set_line_width(cr, std::max(1.0, scale / 4.0));
    for (const Item& item : items) {
        zanbora::MapCell to{};
        if (auto warp = zanbora::FindFieldWarp(item.code, item.y))
            to = zanbora::WarpLanding(*warp, {item.x, item.y});
        else if (item.code == 18 || item.code == 19) {
            auto circle = zanbora::FindMagicCircle(item.y);
            if (!circle) continue;
            to = zanbora::CircleLanding(*circle, {item.x, item.y});
        } else
            continue;
        const Rgb c = EventColour(item.code, item.y);
        cairo_set_source_rgba(cr, c.r, c.g, c.b, 0.55);
        cairo_move_to(cr, (item.x + 0.5) * scale, (item.y + 0.5) * scale);
        cairo_line_to(cr, (to.x + 0.5) * scale, (to.y + 0.5) * scale);
        cairo_stroke(cr);
        cairo_rectangle(cr, to.x * scale + 0.5, to.y * scale + 0.5, scale - 1, scale - 1);
        cairo_stroke(cr);
    }
    for (const Item& item : items) {
        const Rgb c = EventColour(item.code, item.y);
        const double grow = scale * 0.4;
        cairo_rectangle(cr, item.x * scale - grow, item.y * scale - grow, scale + 2 * grow, scale + 2 * grow);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_rectangle(cr, item.x * scale - grow + 1, item.y * scale - grow + 1, scale + 2 * grow - 2,
                        scale + 2 * grow - 2);
        cairo_fill(cr);
    }

    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, argv[3]);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "draw_world: %s cannot be written\n", argv[3]);
        return 1;
    }
    return 0;
}
