// Opponents 15..28: from the mushroom to ザンボラ himself.
#include <cmath>

#include "Bean.h"
#include "Monsters.h"
#include "Paint.h"

namespace art {

using namespace parts;

namespace {

// キノコン: a red-capped mushroom that squashes as it hops.
void Mushroom(cairo_t* cr, int f) {
    const double sq = (f - 1) * 3;
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 50 + k * 11, 92, 8, 4);
        ShadeInk(cr, Col("darkbrown"), 1.4);
    }
    RoundRect(cr, 34, 48 + sq, 32, 44 - sq, 12);
    ShadeInk(cr, Col("cream"), 1.8);
    Eyes(cr, 50, 64 + sq, 12, 4, 1, false);
    cairo_new_path(cr);
    cairo_arc(cr, 50, 76 + sq, 4, 0.1 * M_PI, 0.9 * M_PI);
    Ink(cr, 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 8 - sq, 52 + sq);
    cairo_curve_to(cr, 8 - sq, 4 + sq, 92 + sq, 4 + sq, 92 + sq, 52 + sq);
    cairo_curve_to(cr, 70, 46 + sq, 30, 46 + sq, 8 - sq, 52 + sq);
    cairo_close_path(cr);
    ShadeInk(cr, Col("red"), 2);
    for (auto [x, y, r] : Nums<3>{{30.0, 30.0, 7.0}, {54.0, 20.0, 8.0}, {74.0, 36.0, 6.0}, {46.0, 40.0, 4.0}}) {
        Ellipse(cr, x, y + sq, r, r * 0.8);
        SetColour(cr, Col("white"));
        cairo_fill(cr);
    }
}

// ナイト: a small knight with sword, shield and plume.
void Knight(cairo_t* cr, int f) {
    const double sw = (f - 1) * 0.25;
    for (double k = -1; k <= 1; k += 2) {
        RoundRect(cr, 50 + k * 9 - 6, 74, 12, 18, 3);
        ShadeInk(cr, Col("steel"), 1.5);
    }
    RoundRect(cr, 32, 44, 36, 34, 8);
    ShadeInk(cr, Col("silver"), 1.8);
    Line(cr, 50, 46, 50, 76, Col("iron"), 1.5);
    cairo_save(cr);
    cairo_translate(cr, 74, 62);
    cairo_rotate(cr, 0.5 + sw);
    Poly(cr, {-3, 0, 3, 0, 3, -40, 0, -46, -3, -40});
    VGrad(cr, Col("white"), Col("steel"));
    Ink(cr, 1.5);
    RoundRect(cr, -9, -2, 18, 5, 2);
    ShadeInk(cr, Col("gold"), 1.3);
    cairo_restore(cr);
    Ellipse(cr, 74, 62, 6, 6);
    ShadeInk(cr, Col("steel"), 1.4);
    Poly(cr, {16, 46, 40, 46, 40, 66, 28, 80, 16, 66});
    ShadeInk(cr, Col("blue"), 1.8);
    Poly(cr, {26, 50, 30, 50, 30, 70, 26, 70});
    Poly(cr, {20, 56, 36, 56, 36, 60, 20, 60});
    SetColour(cr, Col("gold"));
    cairo_fill(cr);
    Ellipse(cr, 52, 30, 16, 16);
    ShadeInk(cr, Col("silver"), 1.8);
    RoundRect(cr, 44, 27, 20, 5, 2);
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 50, 14);
    cairo_curve_to(cr, 40, 2 - f, 28, 6, 22 + f * 2, 18);
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    SetColour(cr, Col("red"));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

// 隊長: the captain of the bean hunters, with cap, moustache and sabre.
void Captain(cairo_t* cr, int f) {
    for (double k = -1; k <= 1; k += 2) {
        RoundRect(cr, 50 + k * 9 - 6, 70, 12, 22, 3);
        ShadeInk(cr, Col("navy"), 1.5);
        Ellipse(cr, 50 + k * 10 + 2, 93, 9, 4);
        ShadeInk(cr, Col("ink"), 1.4);
    }
    RoundRect(cr, 30, 40, 40, 36, 8);
    ShadeInk(cr, Col("darkgreen"), 1.8);
    for (double y : {48.0, 56.0, 64.0}) {
        Ellipse(cr, 50, y, 2, 2);
        SetColour(cr, Col("gold"));
        cairo_fill(cr);
    }
    Poly(cr, {30, 42, 40, 42, 40, 46, 30, 46});
    Poly(cr, {60, 42, 70, 42, 70, 46, 60, 46});
    SetColour(cr, Col("gold"));
    cairo_fill(cr);
    Ellipse(cr, 38, 56, 4, 4);
    SetColour(cr, Col("red"));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 72, 62);
    cairo_rotate(cr, 0.9 - f * 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 4, -16, 4, -30, 0, -42);
    cairo_line_to(cr, -3, -40);
    cairo_curve_to(cr, 0, -28, 0, -14, -3, 0);
    cairo_close_path(cr);
    VGrad(cr, Col("white"), Col("steel"));
    Ink(cr, 1.3);
    cairo_restore(cr);
    Ellipse(cr, 72, 62, 6, 6);
    ShadeInk(cr, Col("flesh"), 1.4);
    Ellipse(cr, 50, 28, 14, 14);
    ShadeInk(cr, Col("flesh"), 1.8);
    Eyes(cr, 52, 27, 10, 2.6, 1, true);
    cairo_new_path(cr);
    cairo_move_to(cr, 52, 34);
    cairo_curve_to(cr, 44, 30, 40, 38, 36, 34);
    cairo_move_to(cr, 52, 34);
    cairo_curve_to(cr, 60, 30, 64, 38, 68, 34);
    SetColour(cr, Col("darkbrown"));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Poly(cr, {34, 20, 38, 8, 62, 8, 68, 20});
    ShadeInk(cr, Col("darkgreen"), 1.6);
    RoundRect(cr, 32, 18, 40, 5, 2);
    ShadeInk(cr, Col("ink"), 1.2);
    Ellipse(cr, 50, 13, 4, 3);
    SetColour(cr, Col("gold"));
    cairo_fill(cr);
}

// ドラゴン岩: a boulder shaped like a dragon's head.
void DragonRock(cairo_t* cr, int f) {
    // it does not move; its soul trembles in the stone
    cairo_translate(cr, (f - 1) * 1.5, f == 1 ? -1 : 0);
    Poly(cr, {6, 96, 10, 60, 22, 40, 18, 20, 32, 30, 44, 14, 52, 28, 70, 26, 88, 40, 94, 56, 82, 62, 90, 74, 72, 72,
              80, 96});
    ShadeInk(cr, Col("stone"), 2);
    for (auto [x0, y0, x1, y1] : Nums<4>{{30.0, 60.0, 40.0, 80.0}, {40.0, 80.0, 36.0, 94.0}, {60.0, 40.0, 52.0, 52.0},
                                  {20.0, 70.0, 14.0, 84.0}})
        Line(cr, x0, y0, x1, y1, Col("darkstone"), 1.6);
    Poly(cr, {72, 60, 90, 64, 86, 68, 74, 68});
    SetColour(cr, Col("darkstone"));
    cairo_fill(cr);
    Ellipse(cr, 66, 42, 7, 4);
    SetColour(cr, Col("darkstone"));
    cairo_fill(cr);
    Ellipse(cr, 67, 42, 3, 2);
    SetColour(cr, f == 1 ? Col("yellow") : Col("darkstone"));
    cairo_fill(cr);
    for (auto [x, y] : {std::pair{16.0, 90.0}, {30.0, 92.0}, {60.0, 90.0}}) {
        Ellipse(cr, x, y, 6, 3);
        SetColour(cr, Col("grassdark"));
        cairo_fill(cr);
    }
}

// ヘルスイカ: a horned, grinning watermelon in hellfire.
void HellMelon(cairo_t* cr, int f) {
    for (int i = 0; i < 5; ++i) {
        const double x = 14 + i * 18, h = 18 + ((i + f) % 3) * 7;
        Poly(cr, {x - 8, 92, x, 92 - h - 10, x + 8, 92});
        SetColour(cr, i % 2 ? Col("orange") : Col("lava"));
        cairo_fill(cr);
    }
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 18, 24, 50 + k * 30, 2, 50 + k * 28, 26});
        ShadeInk(cr, Col("darkred"), 1.5);
    }
    Ellipse(cr, 50, 56, 38, 34);
    ShadeInk(cr, Col("green"), 2);
    for (int i = -2; i <= 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + i * 14, 24);
        cairo_curve_to(cr, 50 + i * 20, 44, 50 + i * 20, 70, 50 + i * 14, 88);
        SetColour(cr, Col("darkgreen"));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 58);
    cairo_curve_to(cr, 34, 84, 66, 84, 76, 58);
    cairo_curve_to(cr, 60, 66, 40, 66, 24, 58);
    cairo_close_path(cr);
    ShadeInk(cr, Col("red"), 1.6);
    for (double x : {36.0, 46.0, 56.0, 64.0}) {
        Ellipse(cr, x, 70, 1.5, 2.5);
        SetColour(cr, Col("ink"));
        cairo_fill(cr);
    }
    Teeth(cr, 28, 72, 61, 5, 8, true);
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 6, 40, 50 + k * 22, 34, 50 + k * 18, 46});
        SetColour(cr, Col("yellow"));
        cairo_fill_preserve(cr);
        Ink(cr, 1.4);
        Ellipse(cr, 50 + k * 15, 41, 2, 2);
        SetColour(cr, Col("red"));
        cairo_fill(cr);
    }
}

// タマゴマシーン: a cracked egg on mechanical spider legs, with a porthole.
void EggMachine(cairo_t* cr, int f) {
    for (double k = -1; k <= 1; k += 2)
        for (int i = 0; i < 2; ++i) {
            const double bend = (f - 1) * (i ? 3 : -3);
            cairo_new_path(cr);
            cairo_move_to(cr, 50 + k * 14, 70);
            cairo_line_to(cr, 50 + k * (28 + i * 8), 66 + bend);
            cairo_line_to(cr, 50 + k * (31 + i * 9), 95);
            SetColour(cr, Col("ink"));
            cairo_set_line_width(cr, 6);
            cairo_stroke_preserve(cr);
            SetColour(cr, Col("iron"));
            cairo_set_line_width(cr, 3.5);
            cairo_stroke(cr);
        }
    Ellipse(cr, 50, 46, 26, 34);
    ShadeInk(cr, Col("cream"), 2);
    Poly(cr, {30, 40, 38, 34, 44, 42, 52, 32, 58, 42, 64, 34, 70, 40});
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    Ellipse(cr, 50, 56, 11, 11);
    ShadeInk(cr, Col("steel"), 2);
    Ellipse(cr, 50, 56, 7, 7);
    SetColour(cr, Col("sky"));
    cairo_fill(cr);
    Ellipse(cr, 50 + (f - 1) * 2, 57, 3, 3);
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        Ellipse(cr, 50 + 10 * std::cos(a), 56 + 10 * std::sin(a), 1, 1);
        SetColour(cr, Col("gold"));
        cairo_fill(cr);
    }
    RoundRect(cr, 62, 4, 8, 16, 2);
    ShadeInk(cr, Col("iron"), 1.5);
    for (int i = 0; i <= f; ++i) {
        Ellipse(cr, 70 + i * 6, 2 + (i == 0 ? 2 : -i * 0), 4 + i, 3 + i * 0.5);
        SetColour(cr, Col("silver"));
        cairo_fill(cr);
    }
}

// ハロー: a ghost with a golden halo, waving hello.
void HaloGhost(cairo_t* cr, int f) {
    const double fl = (f - 1) * 3;
    cairo_translate(cr, 0, fl);
    Ellipse(cr, 50, 10, 16, 4);
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    SetColour(cr, Col("gold"));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 90);
    cairo_curve_to(cr, 18, 40, 26, 18, 50, 18);
    cairo_curve_to(cr, 74, 18, 82, 40, 78, 90);
    for (int i = 0; i < 4; ++i) {
        const double x = 78 - i * 14;
        cairo_curve_to(cr, x - 3, 82 + (i + f) % 2 * 4, x - 10, 82, x - 14, 90);
    }
    cairo_close_path(cr);
    Shade(cr, Col("white"), 0.3, 0.35);
    Ink(cr, 1.8);
    cairo_save(cr);
    cairo_translate(cr, 78, 52);
    cairo_rotate(cr, -0.6 - (f - 1) * 0.4);
    Ellipse(cr, 8, 0, 10, 6);
    Shade(cr, Col("white"), 0.3, 0.35);
    Ink(cr, 1.6);
    cairo_restore(cr);
    Ellipse(cr, 42, 44, 4, 6);
    Ellipse(cr, 58, 44, 4, 6);
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    Ellipse(cr, 50, 58, 5, 4 + f);
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    Ellipse(cr, 36, 52, 4, 2.5);
    Ellipse(cr, 64, 52, 4, 2.5);
    SetColour(cr, Col("pink"));
    cairo_fill(cr);
}

// 岩ドラゴン: a living dragon built of boulders, wings raised.
void RockDragon(cairo_t* cr, int f) {
    const double w = (f - 1) * 8;
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 10, 44, 50 + k * 40, 14 - w, 50 + k * 46, 40 - w, 50 + k * 38, 36 - w * 0.5, 50 + k * 36,
                  54, 50 + k * 26, 50});
        ShadeInk(cr, Col("darkstone"), 1.8);
    }
    Poly(cr, {20, 96, 26, 60, 40, 44, 62, 44, 76, 62, 80, 96, 64, 88, 50, 96, 36, 88});
    ShadeInk(cr, Col("stone"), 2);
    Poly(cr, {80, 90, 96, 80, 92, 96});
    ShadeInk(cr, Col("stone"), 1.6);
    for (auto [x, y] : {std::pair{40.0, 70.0}, {60.0, 74.0}, {50.0, 58.0}}) {
        Ellipse(cr, x, y, 6, 4);
        SetColour(cr, Col("darkstone"));
        cairo_fill(cr);
    }
    Poly(cr, {36, 46, 40, 22, 54, 14, 72, 20, 80, 30, 74, 40, 56, 44});
    ShadeInk(cr, Col("stone"), 1.8);
    Poly(cr, {44, 20, 40, 6, 50, 16});
    Poly(cr, {56, 16, 58, 2, 64, 18});
    ShadeInk(cr, Col("darkstone"), 1.4);
    Ellipse(cr, 60, 26, 4, 3);
    SetColour(cr, Col("orange"));
    cairo_fill(cr);
    Line(cr, 66, 36, 78, 32, Col("ink"), 1.6);
    Poly(cr, {42, 96, 46, 90, 50, 96});
    Poly(cr, {54, 96, 58, 90, 62, 96});
    SetColour(cr, Col("bone"));
    cairo_fill(cr);
}

// 覇王樹: the cactus king, crowned, arms raised, spines everywhere.
void CactusKing(cairo_t* cr, int f) {
    const double up = (f - 1) * 4;
    for (double k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + k * 14, 60);
        cairo_line_to(cr, 50 + k * 32, 60);
        cairo_line_to(cr, 50 + k * 32, 34 - up * k);
        SetColour(cr, Col("ink"));
        cairo_set_line_width(cr, 15);
        cairo_stroke_preserve(cr);
        SetColour(cr, Col("green"));
        cairo_set_line_width(cr, 11);
        cairo_stroke(cr);
    }
    RoundRect(cr, 32, 22, 36, 74, 16);
    ShadeInk(cr, Col("green"), 2);
    for (double x : {42.0, 50.0, 58.0}) Line(cr, x, 34, x, 92, Col("darkgreen"), 1.4);
    for (int i = 0; i < 9; ++i) {
        const double x = 34 + (i * 37) % 32, y = 34 + (i * 23) % 56;
        Line(cr, x, y, x - 3, y - 3, Col("cream"), 1);
    }
    Eyes(cr, 50, 44, 14, 4, 1, true);
    cairo_new_path(cr);
    cairo_arc(cr, 50, 62, 6, 1.1 * M_PI, 1.9 * M_PI);
    Ink(cr, 2);
    Crown(cr, 50, 24, 28, 14);
    Ellipse(cr, 50, 6, 6, 4);
    ShadeInk(cr, Col("pink"), 1.2);
    RoundRect(cr, 28, 88, 44, 9, 3);
    ShadeInk(cr, Col("brick"), 1.6);
}

// プリースト: a robed priest with a mitre and a staff, in a glow.
void Priest(cairo_t* cr, int f) {
    cairo_pattern_t* g = cairo_pattern_create_radial(50, 50, 5, 50, 50, 48);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.8, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 0.7, 1, 0.95, 0.6, 0.25 + 0.25 * f);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.5, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Poly(cr, {26, 96, 36, 44, 64, 44, 74, 96});
    ShadeInk(cr, Col("white"), 1.8);
    Poly(cr, {45, 44, 55, 44, 58, 96, 42, 96});
    ShadeInk(cr, Col("violet"), 1.4);
    cairo_save(cr);
    cairo_translate(cr, 76, 70);
    cairo_rotate(cr, 0.1 - (f - 1) * 0.1);
    RoundRect(cr, -2.5, -58, 5, 80, 2);
    ShadeInk(cr, Col("gold"), 1.4);
    Ellipse(cr, 0, -62, 8, 8);
    ShadeInk(cr, Col("sky"), 1.6);
    cairo_restore(cr);
    Ellipse(cr, 74, 66, 6, 6);
    ShadeInk(cr, Col("flesh"), 1.4);
    Ellipse(cr, 50, 34, 12, 12);
    ShadeInk(cr, Col("flesh"), 1.8);
    Eyes(cr, 51, 33, 9, 2.4, 0.5, false);
    Poly(cr, {38, 26, 40, 6, 50, 0, 60, 6, 62, 26});
    ShadeInk(cr, Col("white"), 1.6);
    Poly(cr, {48, 8, 52, 8, 52, 22, 48, 22});
    Poly(cr, {44, 12, 56, 12, 56, 16, 44, 16});
    SetColour(cr, Col("gold"));
    cairo_fill(cr);
}

// ザンボラ: the master himself, a huge dark bean in armour and cape.
void Zambora(cairo_t* cr, int f) {
    cairo_pattern_t* g = cairo_pattern_create_radial(50, 55, 10, 50, 55, 50);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.6, 0.1, 0.8, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.8, 0.5, 0.1, 0.7, 0.35 + 0.15 * f);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.4, 0, 0.6, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    Poly(cr, {14, 96, 24, 36, 50, 30, 76, 36, 86, 96, 70, 88 + f * 2.0, 50, 96, 30, 88 - f * 2.0});
    ShadeInk(cr, Col("darkred"), 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 50, 20);
    cairo_curve_to(cr, 78, 18, 78, 60, 72, 80);
    cairo_curve_to(cr, 66, 96, 34, 96, 28, 80);
    cairo_curve_to(cr, 22, 60, 22, 18, 50, 20);
    cairo_close_path(cr);
    ShadeInk(cr, Col("shadowbean"), 2);
    RoundRect(cr, 28, 56, 44, 30, 8);
    ShadeInk(cr, Col("iron"), 1.8);
    Ellipse(cr, 50, 70, 7, 7);
    ShadeInk(cr, Col("red"), 1.4);
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 50 + k * 27, 54, 11, 8);
        ShadeInk(cr, Col("iron"), 1.8);
        Poly(cr, {50 + k * 30, 48, 50 + k * 40, 38, 50 + k * 36, 52});
        ShadeInk(cr, Col("steel"), 1.3);
        Poly(cr, {50 + k * 16, 26, 50 + k * 30, 2, 50 + k * 24, 28});
        ShadeInk(cr, Col("bone"), 1.5);
        Poly(cr, {50 + k * 4, 38, 50 + k * 18, 32, 50 + k * 16, 42});
        SetColour(cr, f == 1 ? Col("yellow") : Col("red"));
        cairo_fill_preserve(cr);
        Ink(cr, 1.2);
    }
    Teeth(cr, 40, 60, 48, 5, 5, true);
    // beard: the trainer's own
    Poly(cr, {38, 50, 62, 50, 56, 62, 50, 58, 44, 62});
    SetColour(cr, Col("silver"));
    cairo_fill_preserve(cr);
    Ink(cr, 1.2);
}

}  // namespace

void DrawMonsterB(cairo_t* cr, int n, int f) {
    switch (n) {
    case 15: Mushroom(cr, f); break;
    case 16: Knight(cr, f); break;
    case 17: Captain(cr, f); break;
    case 18: DrawBean(cr, {Col("shadowbean"), Outfit::Townsman, true}, Facing::Right, 0,
                      f == 1 ? Pose::Attack : Pose::Idle, f == 2 ? 3 : 0);
             break;
    case 19: DragonRock(cr, f); break;
    case 20: Mamezo(cr, f, Col("purple"), Col("darkred")); break;  // the second マメゾ, darker
    case 21: HellMelon(cr, f); break;
    case 22: EggMachine(cr, f); break;
    case 23: HaloGhost(cr, f); break;
    case 24: {
        cairo_save(cr);
        DrawBean(cr, {Col("tan"), Outfit::Baron, false}, Facing::Right, 0, Pose::Idle, f == 1 ? 2 : 0);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, 78, 96);
        cairo_rotate(cr, -0.15 + (f - 1) * 0.15);
        RoundRect(cr, -2, -44, 4, 44, 2);
        ShadeInk(cr, Col("ink"), 1.2);
        Ellipse(cr, 0, -46, 4, 4);
        ShadeInk(cr, Col("gold"), 1.2);
        cairo_restore(cr);
        break;
    }
    case 25: RockDragon(cr, f); break;
    case 26: CactusKing(cr, f); break;
    case 27: Priest(cr, f); break;
    case 28: Zambora(cr, f); break;
    }
}

}  // namespace art
