#include "Pictures.h"

#include <array>
#include <cmath>

#include "Bean.h"
#include "Paint.h"

namespace art {

namespace {

// Big letters with a dark outline and a gradient fill, centred on cx.
void Caption(cairo_t* cr, const char* text, double cx, double y, double size, Rgb top, Rgb bottom, double outline) {
    cairo_select_font_face(cr, "IPAPGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - e.x_advance / 2, y);
    cairo_text_path(cr, text);
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - size * 0.9, 0, y);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

Image CircleLogo() {
    Canvas c(200, 200);
    cairo_t* cr = c.cr();
    Ellipse(cr, 100, 100, 92, 92);
    Shade(cr, Col("gold"), 0.5, 0.5);
    Ink(cr, 3);
    Ellipse(cr, 100, 100, 76, 76);
    Shade(cr, Col("navy"), 0.3, 0.5);
    Ink(cr, 2);
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        Ellipse(cr, 100 + 84 * std::cos(a), 100 + 84 * std::sin(a), 2.2, 2.2);
        SetColour(cr, Col("goldlight"));
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 60, 36);
    cairo_scale(cr, 0.8, 0.8);
    DrawBean(cr, {Col("bean"), Outfit::Townsman, false}, Facing::Down, 0, Pose::Idle);
    cairo_restore(cr);
    Caption(cr, "まめ工房", 100, 146, 24, Col("white"), Col("cream"), 4);
    Caption(cr, "MAME WORKS", 100, 166, 13, Col("goldlight"), Col("gold"), 3);
    return c.Sprite(false);
}

Image Banner() {
    Canvas c(201, 40);
    cairo_t* cr = c.cr();
    Poly(cr, {0, 8, 14, 8, 14, 34, 0, 34, 7, 21});
    Poly(cr, {201, 8, 187, 8, 187, 34, 201, 34, 194, 21});
    Shade(cr, Col("darkred"), 0.2, 0.3);
    Ink(cr, 1.5);
    RoundRect(cr, 10, 3, 181, 32, 3);
    VGrad(cr, Lighter(Col("red"), 0.2), Col("darkred"));
    Ink(cr, 2);
    Line(cr, 14, 7, 187, 7, Col("gold"), 1.2);
    Line(cr, 14, 31, 187, 31, Col("gold"), 1.2);
    Caption(cr, "まめ工房 PRESENTS", 100.5, 26, 16, Col("white"), Col("goldlight"), 3);
    return c.Flat();
}

Image TitleScreen() {
    Canvas c(512, 350);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 512, 350);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 260);
    const Rgb n = Col("night"), d = Col("skydusk"), p = Col("purple");
    cairo_pattern_add_color_stop_rgb(sky, 0, n.r, n.g, n.b);
    cairo_pattern_add_color_stop_rgb(sky, 0.55, p.r, p.g, p.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, d.r, d.g, d.b);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    for (int i = 0; i < 60; ++i) {
        Ellipse(cr, Noise(i, 0, 3) * 512, Noise(i, 1, 3) * 140, 0.8, 0.8);
        SetColour(cr, Col("white"), 0.5 + 0.5 * Noise(i, 2, 3));
        cairo_fill(cr);
    }
    Ellipse(cr, 470, 178, 18, 18);
    SetColour(cr, Col("cream"));
    cairo_fill(cr);
    // far mountains, the castle of ザンボラ, near hills
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 250);
    for (int x = 0; x <= 512; x += 16) cairo_line_to(cr, x, 200 - 40 * std::fabs(std::sin(x * 0.013)) - 15 * Noise(x, 0, 8));
    cairo_line_to(cr, 512, 350);
    cairo_line_to(cr, 0, 350);
    cairo_close_path(cr);
    SetColour(cr, Mix(Col("purple"), Col("night"), 0.5));
    cairo_fill(cr);
    cairo_new_path(cr);
    const double cx = 380;
    for (auto [x, w, h] : {std::array{cx - 40, 16.0, 60.0}, {cx - 12, 24.0, 90.0}, {cx + 24, 16.0, 66.0}}) {
        cairo_rectangle(cr, x, 200 - h, w, h + 20);
        Poly(cr, {x - 3, 200 - h, x + w / 2, 200 - h - 22, x + w + 3, 200 - h});
    }
    cairo_rectangle(cr, cx - 44, 170, 90, 50);
    SetColour(cr, Col("shadowbean"));
    cairo_fill(cr);
    for (auto [x, y] : {std::pair{cx - 34, 160.0}, {cx + 0, 130.0}, {cx + 30, 150.0}, {cx - 8, 180.0}}) {
        cairo_rectangle(cr, x, y, 3, 5);
        SetColour(cr, Col("yellow"));
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 270);
    cairo_curve_to(cr, 120, 230, 300, 250, 512, 240);
    cairo_line_to(cr, 512, 350);
    cairo_line_to(cr, 0, 350);
    cairo_close_path(cr);
    VGrad(cr, Col("grassdark"), Darker(Col("grassdark"), 0.7));
    cairo_new_path(cr);
    // the road to the castle and a few trees along it
    cairo_move_to(cr, 150, 350);
    cairo_curve_to(cr, 200, 300, 330, 280, 372, 238);
    cairo_curve_to(cr, 360, 284, 260, 310, 250, 350);
    cairo_close_path(cr);
    VGrad(cr, Darker(Col("dirt"), 0.55), Col("dirt"));
    cairo_new_path(cr);
    for (auto [x, y, s] : {std::array{30.0, 300.0, 1.2}, {470.0, 290.0, 1.0}, {430.0, 330.0, 1.4},
                           {300.0, 262.0, 0.6}, {250.0, 268.0, 0.5}}) {
        cairo_rectangle(cr, x - 3 * s, y - 6 * s, 6 * s, 22 * s);
        Shade(cr, Col("darkbrown"), 0.2, 0.4);
        Ink(cr, 1.2);
        Ellipse(cr, x, y - 14 * s, 16 * s, 18 * s);
        Shade(cr, Darker(Col("green"), 0.25), 0.35, 0.5);
        Ink(cr, 1.4);
    }
    // the hero on the hill, looking at the castle
    cairo_save(cr);
    cairo_translate(cr, 70, 150);
    cairo_scale(cr, 1.1, 1.1);
    DrawBean(cr, {Col("bean"), Outfit::Hero, false}, Facing::Right, 0, Pose::Idle);
    cairo_restore(cr);
    // the caption
    Caption(cr, "ザンボラ戦記", 256, 104, 64, Col("goldlight"), Col("orange"), 8);
    Caption(cr, "THE CHRONICLE OF ZANBORA", 256, 132, 16, Col("white"), Col("cream"), 3);
    Caption(cr, "© まめ工房", 448, 343, 11, Col("cream"), Col("paper"), 2.5);
    return Dither(c.Flat(), 48);
}

Image DoorPicture(bool open) {
    Image pic(100, 300, 0);
    for (int f = 0; f < 3; ++f) {
        Canvas c(100, 100);
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        cairo_move_to(cr, 14, 98);
        cairo_line_to(cr, 14, 36);
        cairo_arc(cr, 50, 36, 36, M_PI, 2 * M_PI);
        cairo_line_to(cr, 86, 98);
        cairo_close_path(cr);
        Shade(cr, Col("stone"), 0.3, 0.5);
        Ink(cr, 2);
        cairo_new_path(cr);
        cairo_move_to(cr, 22, 98);
        cairo_line_to(cr, 22, 38);
        cairo_arc(cr, 50, 38, 28, M_PI, 2 * M_PI);
        cairo_line_to(cr, 78, 98);
        cairo_close_path(cr);
        if (open) {
            VGrad(cr, Hex(0x18101c), Hex(0x402838));
            Ink(cr, 1.5);
            Poly(cr, {78, 98, 78, 12, 94, 22, 94, 96});
            Shade(cr, Col("wood"), 0.3, 0.5);
            Ink(cr, 1.5);
            for (int i = 0; i < 3; ++i) {
                Ellipse(cr, 42 + i * 8, 70 - f * 4 - i * 6, 1.5, 1.5);
                SetColour(cr, Col("goldlight"), 0.7);
                cairo_fill(cr);
            }
        } else {
            Shade(cr, Col("wood"), 0.35, 0.45);
            Ink(cr, 1.5);
            for (double x : {36.0, 50.0, 64.0}) Line(cr, x, 12, x, 98, Darker(Col("wood"), 0.35), 1.2);
            for (double y : {40.0, 74.0}) {
                cairo_rectangle(cr, 22, y, 56, 6);
                Shade(cr, Col("iron"), 0.4, 0.4);
                Ink(cr, 1.2);
            }
            // chains and the padlock
            Line(cr, 24, 52, 76, 66, Col("steel"), 3);
            Line(cr, 76, 52, 24, 66, Col("steel"), 3);
            Ellipse(cr, 50, 54, 6, 7);
            SetColour(cr, Col("ink"));
            cairo_set_line_width(cr, 4.5);
            cairo_stroke_preserve(cr);
            SetColour(cr, Col("steel"));
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            RoundRect(cr, 42, 56, 16, 14, 3);
            Shade(cr, Col("gold"), 0.5, 0.4);
            Ink(cr, 1.4);
            Ellipse(cr, 50, 62, 1.8, 2.2);
            SetColour(cr, Col("ink"));
            cairo_fill(cr);
            Ellipse(cr, 45 + f * 3, 59, 1.3, 1.3);
            SetColour(cr, Col("white"));
            cairo_fill(cr);
        }
        pic.paste(c.Sprite(), 0, 100 * f);
    }
    return pic;
}

Image Trainer() {
    Canvas c(300, 300);
    cairo_t* cr = c.cr();
    RoundRect(cr, 4, 4, 292, 292, 14);
    cairo_pattern_t* g = cairo_pattern_create_radial(150, 130, 20, 150, 150, 220);
    const Rgb in = Col("darkbrown"), out = Col("night");
    cairo_pattern_add_color_stop_rgb(g, 0, in.r, in.g, in.b);
    cairo_pattern_add_color_stop_rgb(g, 1, out.r, out.g, out.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColour(cr, Col("gold"));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 10, 16);
    cairo_scale(cr, 2.8, 2.8);
    // the master: a plain bean in a training robe, staff in hand; the
    // skirt of the robe goes behind him
    Poly(cr, {22, 60, 78, 60, 84, 90, 16, 90});
    ShadeInk(cr, Col("iron"), 1.6);
    DrawBean(cr, {Col("tan"), Outfit::Plain, false}, Facing::Down, 0, Pose::Idle);
    Poly(cr, {24, 62, 76, 62, 80, 82, 20, 82});
    Shade(cr, Col("navy"), 0.3, 0.4);
    Ink(cr, 1.4);
    RoundRect(cr, 22, 66, 56, 6, 2);
    ShadeInk(cr, Col("darkred"), 1.2);
    // white eyebrows and the long beard
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 4, 36, 50 + k * 18, 32, 50 + k * 16, 38});
        Shade(cr, Col("white"), 0.2, 0.3);
        Ink(cr, 0.8);
    }
    Poly(cr, {34, 56, 66, 56, 60, 76, 50, 90, 40, 76});
    Shade(cr, Col("white"), 0.2, 0.3);
    Ink(cr, 1.2);
    Poly(cr, {42, 56, 58, 56, 54, 60, 46, 60});
    SetColour(cr, Col("silver"));
    cairo_fill(cr);
    RoundRect(cr, 84, 20, 4, 76, 2);
    ShadeInk(cr, Col("wood"), 1.2);
    Ellipse(cr, 86, 18, 6, 5);
    ShadeInk(cr, Col("brown"), 1.2);
    cairo_restore(cr);
    return c.Flat();
}

}  // namespace art
