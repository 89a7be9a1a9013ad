// map_c: the field textures, the upper-layer objects with their masks, the
// SimBone skeleton and the mascot icons (layout in assets/art/SHEETS.md).
#include "Sheets.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Mascots.h"
#include "Paint.h"

namespace art {

namespace {

constexpr int T = 64;  // ground textures are T x T and tile

Rgb Jitter(Rgb c, double n, double amount) { return n < 0.5 ? Darker(c, (0.5 - n) * amount) : Lighter(c, (n - 0.5) * amount); }

Image Grass(int seed) {
    return Generate(T, T, [&](int x, int y) {
        const double n = SmoothNoise(x, y, 8, T, seed) * 0.6 + Noise(x, y, seed + 1) * 0.4;
        Rgb c = Jitter(Col("grass"), n, 0.5);
        // short blades: a dark pixel with a light one above it
        if (Noise(x, y, seed + 2) > 0.93) c = Col("grassdark");
        if (Noise(x, y + 1, seed + 2) > 0.93) c = Lighter(Col("grass"), 0.3);
        return c;
    });
}

Image Flowers(const Image& grass) {
    Canvas c(T, T);
    c.Put(grass);
    const char* colours[] = {"white", "yellow", "pink", "violet"};
    for (int i = 0; i < 9; ++i) {
        const double x = 4 + Noise(i, 1, 77) * 56, y = 4 + Noise(i, 2, 77) * 56;
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * M_PI / 5;
            Ellipse(c.cr(), x + 2.2 * std::cos(a), y + 2.2 * std::sin(a), 1.6, 1.6);
        }
        SetColour(c.cr(), Col(colours[i % 4]));
        cairo_fill(c.cr());
        Ellipse(c.cr(), x, y, 1, 1);
        SetColour(c.cr(), Col("orange"));
        cairo_fill(c.cr());
    }
    return c.Flat();
}

Image Dirt() {
    Canvas c(T, T);
    c.Put(Generate(T, T, [](int x, int y) {
        return Jitter(Col("dirt"), SmoothNoise(x, y, 16, T, 5) * 0.5 + Noise(x, y, 6) * 0.5, 0.45);
    }));
    for (int i = 0; i < 10; ++i) {
        const double x = Noise(i, 3, 9) * T, y = Noise(i, 4, 9) * T, r = 1 + Noise(i, 5, 9) * 2;
        for (int wx = -1; wx <= 1; ++wx)  // drawn three times so that the texture wraps
            for (int wy = -1; wy <= 1; ++wy) {
                Ellipse(c.cr(), x + wx * T, y + wy * T, r * 1.3, r);
                Shade(c.cr(), Col("stone"), 0.5, 0.4);
                cairo_new_path(c.cr());
            }
    }
    return c.Flat();
}

Image Water(int w, int phase, Rgb base, int seed) {
    Canvas c(w, T);
    c.Put(Generate(w, T, [&](int x, int y) {
        const double n = SmoothNoise(x + phase * 3, y, 16, w == T ? T : 48, seed);
        return Mix(Darker(base, 0.25), Lighter(base, 0.15), n);
    }));
    for (int row = 0; row < 6; ++row) {
        const double y = 6 + row * 11;
        const double x0 = std::fmod(row * 17 + phase * 6, double(w));
        for (double x = x0 - w; x < w; x += w / 2.0) {
            cairo_new_path(c.cr());
            cairo_move_to(c.cr(), x, y);
            cairo_curve_to(c.cr(), x + 4, y - 3, x + 8, y - 3, x + 12, y);
            SetColour(c.cr(), Lighter(base, 0.6));
            cairo_set_line_width(c.cr(), 1.3);
            cairo_stroke(c.cr());
        }
    }
    return c.Flat();
}

Image CaveFloor() {
    Canvas c(T, T);
    c.Put(Generate(T, T, [](int x, int y) {
        return Jitter(Col("cave"), SmoothNoise(x, y, 8, T, 11) * 0.5 + Noise(x, y, 12) * 0.5, 0.4);
    }));
    for (int r = 0; r < 4; ++r)
        for (int k = -1; k < 2; ++k) {
            const double x = k * 32 + (r % 2) * 16, y = r * 16;
            RoundRect(c.cr(), x + 1, y + 1, 30, 14, 3);
            SetColour(c.cr(), Col("darkstone"));
            cairo_set_line_width(c.cr(), 1.2);
            cairo_stroke(c.cr());
        }
    return c.Flat();
}

Image Planks() {
    Canvas c(T, T);
    c.Put(Generate(T, T, [](int x, int y) {
        const double grain = std::sin(x * 0.35 + SmoothNoise(x, y, 8, T, 14) * 6) * 0.5 + 0.5;
        return Jitter(Col("wood"), grain * 0.6 + Noise(x, y, 15) * 0.4, 0.35);
    }));
    for (int r = 0; r < 4; ++r) {
        Line(c.cr(), 0, r * 16 + 0.5, T, r * 16 + 0.5, Col("darkbrown"), 1.5);
        const double gap = (r % 2) * 32 + 16;
        Line(c.cr(), gap, r * 16, gap, r * 16 + 16, Col("darkbrown"), 1.2);
        for (double nx : {gap - 4, gap + 4}) {
            Ellipse(c.cr(), nx, r * 16 + 8, 0.9, 0.9);
            SetColour(c.cr(), Col("iron"));
            cairo_fill(c.cr());
        }
    }
    return c.Flat();
}

// The inn square: cobbles with a small 宿 sign in every 32 x 32 quarter, so
// that a cell shows a whole sign wherever the renderer starts the texture.
Image InnSquare() {
    Canvas c(T, T);
    c.Put(Generate(T, T, [](int x, int y) {
        const bool joint = (y % 8 == 0) || ((x + (y / 8 % 2) * 4) % 8 == 0);
        return joint ? Col("darkstone") : Jitter(Col("mortar"), Noise(x / 2, y / 2, 21), 0.3);
    }));
    for (int q = 0; q < 4; ++q) {
        const double x = (q % 2) * 32 + 5, y = (q / 2) * 32 + 5;
        RoundRect(c.cr(), x, y, 22, 22, 4);
        Shade(c.cr(), Col("darkred"), 0.4, 0.4);
        Ink(c.cr(), 1.2);
        Text(c.cr(), "宿", x + 2.5, y + 18, 17, Col("white"), true);
    }
    return c.Flat();
}

// A ladder down a dark shaft; rails and rungs repeat, so it tiles.
Image Ladder() {
    Canvas c(48, T);
    c.Put(Generate(48, T, [](int x, int y) {
        const double edge = std::min(x, 47 - x) / 10.0;
        return Mix(Col("cave"), Hex(0x141014), std::min(1.0, edge) * (0.8 + 0.2 * Noise(x, y, 31)));
    }));
    for (int i = 0; i < 4; ++i) Line(c.cr(), 13, 8 + i * 16, 35, 8 + i * 16, Col("tan"), 3);
    Line(c.cr(), 14, 0, 14, T, Col("wood"), 3.5);
    Line(c.cr(), 34, 0, 34, T, Col("wood"), 3.5);
    return c.Flat();
}

// Upper-layer objects, 48 x 64: the bottom 32 rows stand on the cell.
Image RockCliff() {
    Canvas c(48, 64);
    cairo_t* cr = c.cr();
    Poly(cr, {1, 63, 3, 22, 12, 6, 26, 2, 38, 8, 46, 24, 47, 63});
    Shade(cr, Col("stone"), 0.4, 0.5);
    Ink(cr, 1.5);
    for (auto [x0, y0, x1, y1] : {std::array{10.0, 20.0, 18.0, 34.0}, {30.0, 14.0, 26.0, 30.0}, {36.0, 36.0, 44.0, 50.0},
                                  {8.0, 44.0, 16.0, 58.0}, {24.0, 40.0, 22.0, 56.0}})
        Line(cr, x0, y0, x1, y1, Col("darkstone"), 1.4);
    Poly(cr, {12, 6, 26, 2, 38, 8, 30, 12, 18, 11});
    SetColour(cr, Lighter(Col("stone"), 0.35));
    cairo_fill(cr);
    return c.Sprite();
}

Image BrickWall() {
    Canvas c(48, 64);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 1, 10, 46, 53);
    SetColour(cr, Col("mortar"));
    cairo_fill(cr);
    for (int r = 0; r < 9; ++r)
        for (int k = -1; k < 4; ++k) {
            const double x = 1 + k * 14 + (r % 2) * 7, y = 11 + r * 6;
            cairo_rectangle(cr, std::max(1.0, x + 0.5), y, std::min(13.0, 47 - x - 0.5), 5);
        }
    cairo_clip_preserve(cr);
    Shade(cr, Col("brick"), 0.3, 0.4);
    cairo_reset_clip(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 1, 4, 46, 7);
    Shade(cr, Lighter(Col("mortar"), 0.2), 0.3, 0.3);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.5, 4.5, 47, 59);
    Ink(cr, 1.2);
    return c.Sprite(false);
}

Image Palisade() {
    Canvas c(48, 64);
    cairo_t* cr = c.cr();
    Line(cr, 0, 30, 48, 30, Col("darkbrown"), 4);
    for (int i = 0; i < 4; ++i) {
        const double x = 1 + i * 12;
        Poly(cr, {x, 63, x, 12, x + 5, 4, x + 10, 12, x + 10, 63});
        Shade(cr, Col("wood"), 0.35, 0.45);
        Ink(cr, 1.2);
        Line(cr, x + 3, 20, x + 3, 56, Darker(Col("wood"), 0.3), 1);
    }
    Line(cr, 0, 44, 48, 44, Col("darkbrown"), 3);
    return c.Sprite();
}

void TreeCrown(cairo_t* cr, double x, double y, double r) {
    Ellipse(cr, x, y, r, r * 0.9);
    Shade(cr, Col("green"), 0.4, 0.55);
    Ink(cr, 1.3);
    for (int i = 0; i < 4; ++i) {
        Ellipse(cr, x - r * 0.4 + i * r * 0.25, y - r * 0.35 + (i % 2) * r * 0.3, r * 0.22, r * 0.15);
        SetColour(cr, Col("leaf"));
        cairo_fill(cr);
    }
}

Image DenseTrees() {
    Canvas c(48, 64);
    cairo_t* cr = c.cr();
    for (double x : {14.0, 34.0}) {
        cairo_rectangle(cr, x - 3, 40, 6, 22);
        Shade(cr, Col("brown"), 0.3, 0.4);
        Ink(cr, 1.2);
    }
    TreeCrown(cr, 34, 30, 14);
    TreeCrown(cr, 14, 34, 13);
    TreeCrown(cr, 24, 16, 14);
    TreeCrown(cr, 24, 44, 11);
    return c.Sprite();
}

Image Canopy() {
    Canvas c(48, 64);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 21, 34, 6, 22);
    Shade(cr, Col("brown"), 0.3, 0.4);
    Ink(cr, 1.2);
    TreeCrown(cr, 12, 28, 12);
    TreeCrown(cr, 36, 28, 12);
    TreeCrown(cr, 24, 18, 16);
    return c.Sprite();
}

Image Bushes() {
    Canvas c(48, 64);
    cairo_t* cr = c.cr();
    Ellipse(cr, 34, 50, 12, 10);
    Shade(cr, Col("stone"), 0.4, 0.5);
    Ink(cr, 1.3);
    for (auto [x, y, r] : {std::array{12.0, 46.0, 11.0}, {26.0, 54.0, 9.0}, {42.0, 38.0, 7.0}}) {
        Ellipse(cr, x, y, r, r * 0.8);
        Shade(cr, Col("darkgreen"), 0.5, 0.5);
        Ink(cr, 1.2);
    }
    return c.Sprite();
}

// The skeleton summoned by ゆけゆけボーン, 122 x 130 on black.
Image BigBone() {
    Canvas c(122, 130);
    cairo_t* cr = c.cr();
    auto bone = [&](double x0, double y0, double x1, double y1, double w) {
        Line(cr, x0, y0, x1, y1, Col("ink"), w + 3);
        Line(cr, x0, y0, x1, y1, Col("bone"), w);
        for (auto [x, y] : {std::pair{x0, y0}, {x1, y1}}) {
            Ellipse(cr, x, y, w * 0.7, w * 0.7);
            Shade(cr, Col("bone"), 0.4, 0.35);
            Ink(cr, 1.2);
        }
    };
    bone(61, 48, 61, 96, 6);  // spine
    for (int i = 0; i < 4; ++i) {
        const double y = 56 + i * 9, w = 26 - i * 3;
        cairo_new_path(cr);
        cairo_move_to(cr, 61, y);
        cairo_curve_to(cr, 61 - w, y - 4, 61 - w, y + 8, 61 - w * 0.6, y + 10);
        cairo_move_to(cr, 61, y);
        cairo_curve_to(cr, 61 + w, y - 4, 61 + w, y + 8, 61 + w * 0.6, y + 10);
        SetColour(cr, Col("ink"));
        cairo_set_line_width(cr, 6);
        cairo_stroke_preserve(cr);
        SetColour(cr, Col("bone"));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    bone(34, 52, 18, 78, 5);
    bone(18, 78, 10, 58, 4);
    bone(88, 52, 104, 78, 5);
    bone(104, 78, 112, 56, 4);
    Ellipse(cr, 61, 100, 20, 8);
    Shade(cr, Col("bone"), 0.4, 0.4);
    Ink(cr, 1.5);
    bone(50, 104, 44, 118, 5);
    bone(72, 104, 78, 118, 5);
    bone(36, 50, 86, 50, 5);
    // the skull
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 30);
    cairo_curve_to(cr, 36, 0, 86, 0, 82, 30);
    cairo_curve_to(cr, 82, 38, 74, 40, 72, 46);
    cairo_line_to(cr, 50, 46);
    cairo_curve_to(cr, 48, 40, 40, 38, 40, 30);
    cairo_close_path(cr);
    Shade(cr, Col("bone"), 0.45, 0.4);
    Ink(cr, 1.8);
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 61 + k * 9, 26, 6, 7);
        SetColour(cr, Col("ink"));
        cairo_fill(cr);
        Ellipse(cr, 61 + k * 9, 27, 2, 2);
        SetColour(cr, Col("cyan"));
        cairo_fill(cr);
    }
    for (double x : {54.0, 59.0, 64.0, 69.0}) Line(cr, x, 40, x, 46, Col("ink"), 1.2);
    return c.Sprite();
}

void PutWithMask(Image& sheet, const Image& sprite, int x, int y) {
    sheet.paste(sprite, x, y);
    sheet.paste(MaskOf(sprite), x, y + sprite.height);
}

}  // namespace

Image FieldSheet() {
    Image sheet(400, 360, 0);
    const Image grass = Dither(Grass(1), 24);
    sheet.paste(grass, 0, 48);
    sheet.paste(Dither(Flowers(grass), 24), 0, 112);
    sheet.paste(Dither(Dirt(), 24), 0, 176);
    sheet.paste(Dither(Water(T, 0, Col("water"), 41), 24), 64, 0);
    sheet.paste(Dither(CaveFloor(), 24), 64, 64);
    sheet.paste(Dither(Planks(), 24), 64, 128);
    sheet.paste(Dither(InnSquare(), 24), 64, 192);
    sheet.paste(Dither(Ladder(), 24), 352, 0);
    for (int p = 0; p < 4; ++p) sheet.paste(Dither(Water(48, p, Col("sea"), 43), 24), 160 + 48 * p, 0);
    PutWithMask(sheet, RockCliff(), 160, 64);
    PutWithMask(sheet, BrickWall(), 208, 64);
    PutWithMask(sheet, Palisade(), 256, 64);
    PutWithMask(sheet, DenseTrees(), 304, 64);
    PutWithMask(sheet, Canopy(), 352, 64);
    PutWithMask(sheet, Bushes(), 160, 192);
    sheet.paste(BigBone(), 228, 195);
    sheet.paste(MascotUnknownIcon(), 0, 280);
    sheet.paste(MascotRemoveIcon(), 40, 280);
    for (int k = 0; k < kMascotCount; ++k) sheet.paste(MascotIcon(k), 40 * k, 320);
    return sheet;
}

}  // namespace art
