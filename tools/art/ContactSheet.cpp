// zanbora_art_contact: draws every sheet and picture of cg/ onto one PNG,
// each under its name and size, sheets enlarged and overlaid with a grid of
// their cell size, so the whole art of the game can be looked over at once.
//   zanbora_art_contact <cg folder> <output.png>
#include <SDL.h>
#include <SDL_image.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string file;
    int scale;   // enlargement
    int gx, gy;  // grid cell in picture pixels (0: none)
};

std::vector<Entry> Entries() {
    std::vector<Entry> e = {
        {"map_c.bmp", 2, 16, 16},  {"ch.bmp", 2, 32, 32},     {"chr_m.bmp", 2, 32, 32}, {"effect.bmp", 2, 32, 32},
        {"chr3.bmp", 3, 20, 30},   {"item_c.bmp", 2, 20, 20}, {"title.jpg", 1, 0, 0},   {"circle.bmp", 1, 0, 0},
        {"banner.jpg", 2, 0, 0},   {"etc01.bmp", 1, 0, 0},    {"door.jpg", 1, 100, 100}, {"door2.jpg", 1, 100, 100}};
    for (int n = 1; n <= 28; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "mons%02d.bmp", n);
        e.push_back({name, 1, 100, 100});
    }
    return e;
}

cairo_surface_t* Load(const std::string& path) {
    SDL_Surface* raw = IMG_Load(path.c_str());
    if (!raw) return nullptr;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(raw);
    if (!s) return nullptr;
    cairo_surface_t* c = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s->w, s->h);
    auto* d = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(c));
    const int stride = cairo_image_surface_get_stride(c) / 4;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            d[y * stride + x] = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch)[x];
    cairo_surface_mark_dirty(c);
    SDL_FreeSurface(s);
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <cg folder> <output.png>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const int width = 1860, pad = 12, label = 18;
    struct Placed {
        Entry e;
        cairo_surface_t* img;
        int x, y, w, h;
    };
    std::vector<Placed> placed;
    int x = pad, y = pad, rowH = 0, missing = 0;
    for (const Entry& e : Entries()) {
        cairo_surface_t* img = Load(dir + "/" + e.file);
        if (!img) {
            std::fprintf(stderr, "missing or unreadable: %s\n", e.file.c_str());
            ++missing;
            continue;
        }
        const int w = cairo_image_surface_get_width(img) * e.scale, h = cairo_image_surface_get_height(img) * e.scale;
        if (x + w + pad > width) {
            x = pad;
            y += rowH + label + pad;
            rowH = 0;
        }
        placed.push_back({e, img, x, y + label, w, h});
        x += std::max(w, 168) + pad;  // room for the caption
        rowH = std::max(rowH, h);
    }
    const int height = y + rowH + label + pad;
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgb(cr, 0.22, 0.24, 0.28);
    cairo_paint(cr);
    cairo_select_font_face(cr, "IPAPGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 13);
    for (const Placed& p : placed) {
        const int iw = cairo_image_surface_get_width(p.img), ih = cairo_image_surface_get_height(p.img);
        char caption[96];
        std::snprintf(caption, sizeof caption, "%s  %d×%d", p.e.file.c_str(), iw, ih);
        cairo_set_source_rgb(cr, 1, 1, 0.8);
        cairo_move_to(cr, p.x, p.y - 5);
        cairo_show_text(cr, caption);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_scale(cr, p.e.scale, p.e.scale);
        cairo_set_source_surface(cr, p.img, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        if (p.e.gx > 0) {
            cairo_set_source_rgba(cr, 0.3, 0.9, 1.0, 0.35);
            cairo_set_line_width(cr, 1);
            for (int gx = 0; gx <= iw; gx += p.e.gx) {
                cairo_move_to(cr, p.x + gx * p.e.scale + 0.5, p.y);
                cairo_line_to(cr, p.x + gx * p.e.scale + 0.5, p.y + p.h);
            }
            for (int gy = 0; gy <= ih; gy += p.e.gy) {
                cairo_move_to(cr, p.x, p.y + gy * p.e.scale + 0.5);
                cairo_line_to(cr, p.x + p.w, p.y + gy * p.e.scale + 0.5);
            }
            cairo_stroke(cr);
        }
        cairo_surface_destroy(p.img);
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(out, argv[2]) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(out);
    cairo_debug_reset_static_data();
    FcFini();
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return missing == 0 ? 0 : 1;
}
