// chr3 (the hero on the field), chr_m (battle master sheet) and ch's own rows.
#include <cmath>

#include "Bean.h"
#include "Mascots.h"
#include "Paint.h"
#include "Sheets.h"

namespace art {

namespace {

Image FieldFrame(Facing f, int step) {
    Canvas c(20, 30);
    cairo_translate(c.cr(), 10 - 50 * 0.27, 29 - 98 * 0.27);
    cairo_scale(c.cr(), 0.27, 0.27);
    DrawBean(c.cr(), {Col("bean"), Outfit::Townsman, false}, f, step, Pose::Idle);
    return c.Sprite();
}

Image BattleFrame(Outfit outfit, Pose pose, double lift) {
    Canvas c(32, 32);
    cairo_translate(c.cr(), 0.5, 0.5);
    cairo_scale(c.cr(), 0.31, 0.31);
    DrawBean(c.cr(), {Col("bean"), outfit, false}, Facing::Left, 0, pose, lift);
    return c.Sprite();
}

// Five cells: idle frames at offsets 0, 64, 128 (breathing), attack at 32, hurt at 96.
Image HeroStrip(Outfit outfit) {
    Image strip(160, 32, 0);
    strip.paste(BattleFrame(outfit, Pose::Idle, 0), 0, 0);
    strip.paste(BattleFrame(outfit, Pose::Idle, 3), 64, 0);
    strip.paste(BattleFrame(outfit, Pose::Idle, 6), 128, 0);
    strip.paste(BattleFrame(outfit, Pose::Attack, 0), 32, 0);
    strip.paste(BattleFrame(outfit, Pose::Hurt, 0), 96, 0);
    return strip;
}

Image Pointer(bool pushed) {
    Canvas c(16, 16);
    cairo_t* cr = c.cr();
    cairo_translate(cr, pushed ? 2 : 0, 0);
    Poly(cr, {1, 5, 8, 5, 8, 2, 14, 8, 8, 14, 8, 11, 1, 11});
    Shade(cr, pushed ? Col("goldlight") : Col("gold"), 0.5, 0.3);
    Ink(cr, 1.2);
    return c.Sprite(false);
}

Image Miss() {
    Canvas c(64, 32);
    cairo_t* cr = c.cr();
    cairo_select_font_face(cr, "IPAPGothic", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 22);
    cairo_move_to(cr, 4, 24);
    cairo_text_path(cr, "MISS");
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 6, 0, 26);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 0.9, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.45, 0.9);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    Ink(cr, 1.4);
    return c.Sprite();
}

Image Label(const char* text, Rgb colour) {
    Canvas c(32, 16);
    cairo_t* cr = c.cr();
    cairo_select_font_face(cr, "IPAPGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 13);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    cairo_move_to(cr, 16 - e.x_advance / 2, 13);
    cairo_text_path(cr, text);
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    VGrad(cr, Lighter(colour, 0.6), colour);
    cairo_new_path(cr);
    return c.Sprite();
}

// The racer: a bean in a kart seen from behind; frame 1 has the wheels turned.
Image Racer(int frame) {
    Canvas c(32, 32);
    cairo_t* cr = c.cr();
    for (double k = -1; k <= 1; k += 2) {
        RoundRect(cr, 16 + k * 11 - 3, 20 + (frame ? 1 : 0), 6, 10, 2);
        Shade(cr, Col("iron"), 0.3, 0.5);
        Ink(cr, 1);
    }
    Ellipse(cr, 16, 12, 7, 8);
    Shade(cr, Col("bean"), 0.5, 0.4);
    Ink(cr, 1);
    RoundRect(cr, 8, 8, 16, 3, 1);
    SetColour(cr, Col("red"));
    cairo_fill(cr);
    RoundRect(cr, 5, 17, 22, 11, 4);
    Shade(cr, Col("red"), 0.5, 0.4);
    Ink(cr, 1.2);
    RoundRect(cr, 9, 20, 14, 3, 1);
    SetColour(cr, Col("yellow"));
    cairo_fill(cr);
    return c.Sprite();
}

// The race heading band: a chequered flag over a red gradient, 16 x 16.
Image RaceBand() {
    return Generate(16, 16, [](int x, int y) {
        if (y < 3 || y >= 13) return ((x / 2 + (y < 3 ? y : y - 13)) % 2) ? Col("white") : Col("ink");
        return Mix(Col("orange"), Col("darkred"), (y - 3) / 10.0);
    });
}

Image WheelIcon(int i) {
    Canvas c(32, 32);
    cairo_t* cr = c.cr();
    switch (i) {
    case 0:  // HP: a heart
        cairo_new_path(cr);
        cairo_move_to(cr, 16, 28);
        cairo_curve_to(cr, 0, 16, 4, 2, 16, 10);
        cairo_curve_to(cr, 28, 2, 32, 16, 16, 28);
        cairo_close_path(cr);
        Shade(cr, Col("red"), 0.55, 0.4);
        Ink(cr, 1.4);
        break;
    case 1:  // MP: a blue flask with a star
        Ellipse(cr, 16, 20, 10, 9);
        RoundRect(cr, 12, 3, 8, 10, 2);
        Shade(cr, Col("blue"), 0.55, 0.4);
        Ink(cr, 1.4);
        Poly(cr, {16, 14, 18, 19, 23, 19, 19, 22, 21, 27, 16, 24, 11, 27, 13, 22, 9, 19, 14, 19});
        SetColour(cr, Col("yellow"));
        cairo_fill(cr);
        break;
    case 2:  // attack: a sword
        cairo_save(cr);
        cairo_translate(cr, 16, 16);
        cairo_rotate(cr, M_PI / 4);
        Poly(cr, {-2.5, 6, 2.5, 6, 2.5, -12, 0, -15, -2.5, -12});
        Shade(cr, Col("steel"), 0.6, 0.3);
        Ink(cr, 1.2);
        RoundRect(cr, -7, 5, 14, 4, 1.5);
        Shade(cr, Col("gold"), 0.5, 0.3);
        Ink(cr, 1.2);
        RoundRect(cr, -2, 9, 4, 7, 1.5);
        Shade(cr, Col("brown"), 0.4, 0.3);
        Ink(cr, 1.2);
        cairo_restore(cr);
        break;
    case 3:  // defence: a shield
        Poly(cr, {5, 5, 27, 5, 27, 16, 16, 29, 5, 16});
        Shade(cr, Col("blue"), 0.5, 0.4);
        Ink(cr, 1.4);
        Poly(cr, {14, 8, 18, 8, 18, 24, 14, 24});
        Poly(cr, {8, 12, 24, 12, 24, 16, 8, 16});
        SetColour(cr, Col("gold"));
        cairo_fill(cr);
        break;
    default:  // speed: a winged boot
        Poly(cr, {10, 6, 18, 6, 18, 20, 27, 22, 27, 27, 8, 27});
        Shade(cr, Col("orange"), 0.5, 0.4);
        Ink(cr, 1.4);
        Poly(cr, {10, 10, 2, 6, 4, 11, 1, 13, 6, 15, 10, 16});
        Shade(cr, Col("white"), 0.3, 0.3);
        Ink(cr, 1.0);
        break;
    }
    return c.Sprite();
}

}  // namespace

Image FieldHeroSheet() {
    Image sheet(80, 180, 0xFFFFFF);
    const int steps[3] = {-1, 0, 1};
    for (int f = 0; f < 4; ++f)
        for (int n = 0; n < 3; ++n) {
            const Image frame = FieldFrame(Facing(f), steps[n]);
            sheet.paste(frame, 20 * f, 60 * n);
            sheet.paste(MaskOf(frame), 20 * f, 60 * n + 30);
        }
    return sheet;
}

Image BattleMasterSheet() {
    Image sheet(320, 256, 0);
    sheet.paste(Pointer(false), 0, 0);
    sheet.paste(Pointer(true), 0, 64);
    sheet.paste(Miss(), 0, 16);
    const char* labels[5] = {"HP", "MP", "ST", "DF", "SP"};
    const char* colours[5] = {"red", "sky", "orange", "leaf", "yellow"};
    for (int i = 0; i < 5; ++i) sheet.paste(Label(labels[i], Col(colours[i])), 16 + 32 * i, 0);
    for (int f = 0; f < 2; ++f) {
        const Image racer = Racer(f);
        sheet.paste(racer, 64 + 64 * f, 16);
        sheet.paste(MaskOf(racer), 96 + 64 * f, 16);
    }
    sheet.paste(RaceBand(), 128, 112);
    sheet.paste(HeroStrip(Outfit::Townsman), 160, 96);
    sheet.paste(HeroStrip(Outfit::Hero), 0, 160);
    Image mage = HeroStrip(Outfit::Mage);
    mage.paste(BattleFrame(Outfit::Swordsman, Pose::Idle, 0), 32, 0);
    mage.paste(BattleFrame(Outfit::Priest, Pose::Idle, 0), 96, 0);
    sheet.paste(mage, 160, 160);
    sheet.paste(HeroStrip(Outfit::Bomber), 0, 192);
    sheet.paste(HeroStrip(Outfit::NotBean), 160, 192);
    sheet.paste(HeroStrip(Outfit::Barbarian), 0, 224);
    sheet.paste(HeroStrip(Outfit::Fighter), 160, 224);
    sheet.paste(HeroStrip(Outfit::Necro), 160, 128);
    return sheet;
}

Image HeroBattleBase() {
    Image sheet(400, 360, 0);
    for (int i = 0; i < 5; ++i) sheet.paste(WheelIcon(i), 32 * i, 256);
    for (int k = 0; k < kMascotCount; ++k) sheet.paste(MascotFigure(k), 40 * k, 320);
    return sheet;
}

}  // namespace art
