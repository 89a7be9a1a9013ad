// Opponents 1..14: from the withered king to the jewel beetle.
#include <cmath>

#include "Bean.h"
#include "Monsters.h"
#include "Paint.h"

namespace art {

using namespace parts;

namespace {

// 枯れKING: a withered old tree with a crown, swaying its bare branches.
void WitheredKing(cairo_t* cr, int f) {
    const double sway = (f - 1) * 4;
    for (double k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + k * 18, 50);
        cairo_curve_to(cr, 50 + k * 30, 44 + sway * k, 50 + k * 38, 30 + sway, 50 + k * 44, 22 + sway);
        cairo_move_to(cr, 50 + k * 34, 40 + sway * 0.5);
        cairo_line_to(cr, 50 + k * 44, 44 + sway);
        SetColour(cr, Col("ink"));
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        SetColour(cr, Col("darkbrown"));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    Poly(cr, {30, 96, 36, 40, 44, 28, 56, 28, 64, 40, 70, 96, 60, 88, 50, 96, 40, 88});
    ShadeInk(cr, Col("brown"), 1.8);
    for (double y : {50.0, 64.0, 78.0}) Line(cr, 40, y, 46, y + 6, Col("darkbrown"), 1.5);
    Ellipse(cr, 43, 48, 5, 6);
    Ellipse(cr, 57, 48, 5, 6);
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    Ellipse(cr, 43, 49, 2, 2.5);
    Ellipse(cr, 57, 49, 2, 2.5);
    SetColour(cr, Col("yellow"));
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 50, 66, 7, 1.15 * M_PI, 1.85 * M_PI);
    Ink(cr, 2.2);
    Crown(cr, 50, 30, 26, 16);
    // a falling leaf
    Ellipse(cr, 78 - f * 6, 60 + f * 12, 3, 2);
    SetColour(cr, Col("olive"));
    cairo_fill(cr);
}

// ホネコプター: a skull with a rotor on its head.
void BoneCopter(cairo_t* cr, int f) {
    const double y = 6 - f * 3;
    cairo_translate(cr, 0, y);
    RoundRect(cr, 47, 10, 6, 14, 2);
    ShadeInk(cr, Col("iron"), 1.4);
    const double span = f == 1 ? 12 : 44;
    Ellipse(cr, 50 - (f == 2 ? 8 : 0), 10, span, 3.5);
    ShadeInk(cr, Col("steel"), 1.4);
    Ellipse(cr, 50, 10, 5, 3);
    ShadeInk(cr, Col("red"), 1.2);
    // skull
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 52);
    cairo_curve_to(cr, 18, 14, 82, 14, 78, 52);
    cairo_curve_to(cr, 78, 62, 70, 64, 68, 70);
    cairo_line_to(cr, 32, 70);
    cairo_curve_to(cr, 30, 64, 22, 62, 22, 52);
    cairo_close_path(cr);
    ShadeInk(cr, Col("bone"), 2);
    RoundRect(cr, 34, 66, 32, 14 + f, 4);
    ShadeInk(cr, Col("bone"), 1.8);
    for (double x : {40.0, 47.0, 54.0, 61.0}) Line(cr, x, 68, x, 78 + f, Col("ink"), 1.2);
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 50 + k * 13, 46, 9, 10);
        SetColour(cr, Col("ink"));
        cairo_fill(cr);
        Ellipse(cr, 50 + k * 13, 47, 2.5, 2.5);
        SetColour(cr, Col("red"));
        cairo_fill(cr);
    }
    Poly(cr, {50, 56, 46, 63, 54, 63});
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    // wind lines
    for (int k = 0; k < 3; ++k) Line(cr, 6 + k * 4, 84 + k * 5, 18 + k * 4, 84 + k * 5, Col("sky"), 1.5);
}

// A potato with eyes, sprouts and the given arms.
void PotatoBody(cairo_t* cr, double x, double y, double rx, double ry, Rgb skin) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - rx, y);
    cairo_curve_to(cr, x - rx, y - ry * 1.2, x + rx * 0.6, y - ry * 1.1, x + rx, y - ry * 0.2);
    cairo_curve_to(cr, x + rx * 1.1, y + ry * 0.8, x + rx * 0.2, y + ry * 1.1, x - rx * 0.4, y + ry);
    cairo_curve_to(cr, x - rx * 0.9, y + ry * 0.9, x - rx * 1.05, y + ry * 0.5, x - rx, y);
    cairo_close_path(cr);
    ShadeInk(cr, skin, 2);
    for (auto [dx, dy] : {std::pair{-0.5, -0.5}, {0.45, 0.4}, {-0.2, 0.6}, {0.6, -0.3}}) {
        Ellipse(cr, x + dx * rx, y + dy * ry, 2, 1.5);
        SetColour(cr, Darker(skin, 0.4));
        cairo_fill(cr);
    }
}

// 怪力ポテチン: a potato with huge muscular arms.
void StrongPotato(cairo_t* cr, int f) {
    const double flex = (f - 1) * 6;
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 50 + k * 34, 52 - flex, 12, 16);
        ShadeInk(cr, Col("tan"), 1.8);
        Ellipse(cr, 50 + k * 38, 34 - flex * 1.5, 10, 9);
        ShadeInk(cr, Col("tan"), 1.8);
    }
    PotatoBody(cr, 50, 58, 30, 30, Col("tan"));
    Line(cr, 50, 28, 46, 16, Col("green"), 3);
    Ellipse(cr, 44, 14, 6, 3);
    ShadeInk(cr, Col("leaf"), 1.2);
    Eyes(cr, 50, 52, 18, 5, 0, true);
    RoundRect(cr, 38, 66, 24, 7, 3);
    SetColour(cr, Col("white"));
    cairo_fill_preserve(cr);
    Ink(cr, 1.5);
    for (double x : {44.0, 50.0, 56.0}) Line(cr, x, 66, x, 73, Col("ink"), 1);
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 50 + k * 12, 92, 9, 5);
        ShadeInk(cr, Col("darkbrown"), 1.6);
    }
}

// マスク・ド・兄貴: a wrestler in a red mask, flexing.
void MaskedBrother(cairo_t* cr, int f) {
    const double up = (f - 1) * 5;
    for (double k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + k * 22, 42);
        cairo_line_to(cr, 50 + k * 38, 50 - up);
        cairo_line_to(cr, 50 + k * 38, 28 - up * 2);
        SetColour(cr, Col("ink"));
        cairo_set_line_width(cr, 13);
        cairo_stroke_preserve(cr);
        SetColour(cr, Col("flesh"));
        cairo_set_line_width(cr, 10);
        cairo_stroke(cr);
        Ellipse(cr, 50 + k * 38, 24 - up * 2, 7, 7);
        ShadeInk(cr, Col("flesh"), 1.5);
        Ellipse(cr, 50 + k * 40, 48 - up, 7, 5);
        SetColour(cr, Lighter(Col("flesh"), 0.35));
        cairo_fill(cr);
    }
    Poly(cr, {28, 40, 72, 40, 66, 74, 34, 74});
    ShadeInk(cr, Col("flesh"), 1.8);
    Line(cr, 50, 46, 50, 70, Darker(Col("flesh"), 0.3), 1.5);
    Line(cr, 38, 50, 48, 54, Darker(Col("flesh"), 0.3), 1.5);
    Line(cr, 62, 50, 52, 54, Darker(Col("flesh"), 0.3), 1.5);
    Poly(cr, {33, 72, 67, 72, 64, 84, 36, 84});
    ShadeInk(cr, Col("navy"), 1.6);
    for (double k = -1; k <= 1; k += 2) {
        RoundRect(cr, 50 + k * 9 - 6, 82, 12, 14, 3);
        ShadeInk(cr, Col("flesh"), 1.5);
    }
    Ellipse(cr, 50, 26, 14, 16);
    ShadeInk(cr, Col("red"), 1.8);
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 2, 24, 50 + k * 12, 18, 50 + k * 11, 28});
        SetColour(cr, Col("white"));
        cairo_fill(cr);
        Ellipse(cr, 50 + k * 7, 24, 2, 2);
        SetColour(cr, Col("ink"));
        cairo_fill(cr);
    }
    Poly(cr, {44, 14, 50, 6, 56, 14});
    SetColour(cr, Col("white"));
    cairo_fill(cr);
    RoundRect(cr, 45, 33, 10, 3, 1.5);
    SetColour(cr, Col("flesh"));
    cairo_fill(cr);
}

// 樹足: a little tree walking on two wooden legs.
void TreeLegs(cairo_t* cr, int f) {
    const double step = (f - 1) * 6;
    for (double k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50 + k * 6, 68);
        cairo_line_to(cr, 50 + k * 12 + k * step, 84);
        cairo_line_to(cr, 50 + k * 10 + k * step, 96);
        SetColour(cr, Col("ink"));
        cairo_set_line_width(cr, 9);
        cairo_stroke_preserve(cr);
        SetColour(cr, Col("wood"));
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    RoundRect(cr, 38, 40, 24, 34, 6);
    ShadeInk(cr, Col("wood"), 1.8);
    for (auto [x, y, r] : Nums<3>{{50.0, 26.0, 24.0}, {30.0, 36.0, 15.0}, {70.0, 36.0, 15.0}, {50.0, 12.0, 13.0}}) {
        Ellipse(cr, x, y - (f == 1 ? 1 : 0), r, r * 0.85);
        ShadeInk(cr, Col("green"), 1.8);
    }
    for (auto [x, y] : {std::pair{40.0, 20.0}, {60.0, 28.0}, {52.0, 10.0}, {30.0, 34.0}}) {
        Ellipse(cr, x, y, 3, 2);
        SetColour(cr, Col("leaf"));
        cairo_fill(cr);
    }
    Eyes(cr, 50, 52, 12, 3.5, (f - 1), false);
    cairo_new_path(cr);
    cairo_arc(cr, 50, 62, 4, 0.1 * M_PI, 0.9 * M_PI);
    Ink(cr, 1.6);
}

// 大喰らい植物: a man-eating plant snapping its jaws.
void EaterPlant(cairo_t* cr, int f) {
    const double open = f * 7;
    cairo_new_path(cr);
    cairo_move_to(cr, 50, 96);
    cairo_curve_to(cr, 40, 80, 62, 68, 52, 54);
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    SetColour(cr, Col("green"));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50, 88, 50 + k * 30, 76, 50 + k * 40, 84, 50 + k * 22, 94});
        ShadeInk(cr, Col("leaf"), 1.6);
    }
    // lower jaw
    cairo_new_path(cr);
    cairo_move_to(cr, 18, 40);
    cairo_curve_to(cr, 24, 66 + open, 76, 66 + open, 82, 40);
    cairo_close_path(cr);
    ShadeInk(cr, Col("darkred"), 1.8);
    Teeth(cr, 24, 76, 42, 7, 6, false);
    // upper jaw
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 40 - open * 0.6);
    cairo_curve_to(cr, 18, 2 - open, 82, 2 - open, 86, 40 - open * 0.6);
    cairo_close_path(cr);
    ShadeInk(cr, Col("red"), 1.8);
    Teeth(cr, 20, 80, 40 - open * 0.6, 8, 7, true);
    for (auto [x, y] : {std::pair{36.0, 20.0}, {56.0, 16.0}, {68.0, 28.0}, {28.0, 32.0}}) {
        Ellipse(cr, x, y - open * 0.7, 4, 3);
        SetColour(cr, Col("white"));
        cairo_fill(cr);
    }
    Ellipse(cr, 50, 52 + open * 0.7, 6, 3);
    SetColour(cr, Col("pink"));
    cairo_fill(cr);
}

// トンカチマン: a stocky worker swinging a giant hammer.
void HammerMan(cairo_t* cr, int f) {
    const double a = -0.9 + f * 0.55;
    cairo_save(cr);
    cairo_translate(cr, 60, 56);
    cairo_rotate(cr, a);
    RoundRect(cr, -3, -44, 6, 46, 2);
    ShadeInk(cr, Col("wood"), 1.5);
    RoundRect(cr, -16, -60, 32, 20, 4);
    ShadeInk(cr, Col("steel"), 1.8);
    cairo_restore(cr);
    RoundRect(cr, 30, 50, 34, 30, 8);
    ShadeInk(cr, Col("blue"), 1.8);
    RoundRect(cr, 36, 50, 6, 30, 2);
    RoundRect(cr, 52, 50, 6, 30, 2);
    SetColour(cr, Col("navy"));
    cairo_fill(cr);
    for (double k = -1; k <= 1; k += 2) {
        RoundRect(cr, 47 + k * 9 - 6, 78, 12, 12, 3);
        ShadeInk(cr, Col("navy"), 1.5);
        Ellipse(cr, 47 + k * 10, 92, 9, 5);
        ShadeInk(cr, Col("darkbrown"), 1.5);
    }
    Ellipse(cr, 47, 38, 17, 16);
    ShadeInk(cr, Col("flesh"), 1.8);
    Ellipse(cr, 47, 26, 18, 9);
    cairo_rectangle(cr, 29, 26, 36, 4);
    ShadeInk(cr, Col("yellow"), 1.6);
    Eyes(cr, 47, 38, 12, 3.2, 1.5, true);
    Line(cr, 41, 47, 53, 47, Col("ink"), 2);
    Ellipse(cr, 62, 58, 6, 6);
    ShadeInk(cr, Col("flesh"), 1.5);
}

// The egg-shaped robot, with its arms and a coloured scheme.
void EggRobot(cairo_t* cr, int f, Rgb shell, Rgb trim, bool cannon) {
    const double bob = f == 1 ? -2 : 0;
    cairo_translate(cr, 0, bob);
    Line(cr, 50, 14, 50, 4, Col("iron"), 2);
    Ellipse(cr, 50, 4, 3.5, 3.5);
    SetColour(cr, f == 2 ? Col("yellow") : Col("red"));
    cairo_fill_preserve(cr);
    Ink(cr, 1);
    for (double k = -1; k <= 1; k += 2) {
        RoundRect(cr, 50 + k * 30 - 6, 46 + (f - 1) * k * 3, 12, 24, 5);
        ShadeInk(cr, trim, 1.6);
        if (cannon && k == -1) {
            RoundRect(cr, 6, 52 + (f - 1) * -3, 20, 8, 3);
            ShadeInk(cr, Col("iron"), 1.5);
        }
    }
    Ellipse(cr, 50, 52, 27, 36);
    ShadeInk(cr, shell, 2);
    RoundRect(cr, 30, 30, 40, 18, 8);
    ShadeInk(cr, Col("night"), 1.6);
    Ellipse(cr, 42 + f * 8, 39, 5, 5);
    SetColour(cr, Col("red"));
    cairo_fill(cr);
    Ellipse(cr, 41 + f * 8, 38, 1.5, 1.5);
    SetColour(cr, Col("white"));
    cairo_fill(cr);
    Line(cr, 26, 62, 74, 62, trim, 3);
    for (double x : {40.0, 50.0, 60.0}) {
        Ellipse(cr, x, 72, 2.5, 2.5);
        SetColour(cr, Col("yellow"));
        cairo_fill(cr);
    }
    RoundRect(cr, 34, 86, 32, 8, 3);
    ShadeInk(cr, Col("iron"), 1.6);
}

}  // namespace

// マメゾ: a bean minister with a pumpkin head.
void parts::Mamezo(cairo_t* cr, int f, Rgb pumpkin, Rgb robe) {
    const double bob = (f == 1) ? -2 : 0;
    cairo_translate(cr, 0, bob);
    Poly(cr, {26, 96, 34, 52, 66, 52, 74, 96});
    ShadeInk(cr, robe, 1.8);
    Poly(cr, {42, 52, 58, 52, 62, 96, 38, 96});
    ShadeInk(cr, Col("gold"), 1.4);
    for (double k = -1; k <= 1; k += 2) {
        Ellipse(cr, 50 + k * 22, 66 - (k == 1 ? (f - 1) * 4 : 0), 7, 12);
        ShadeInk(cr, robe, 1.5);
        Ellipse(cr, 50 + k * 24, 78 - (k == 1 ? (f - 1) * 4 : 0), 5, 5);
        ShadeInk(cr, Col("bean"), 1.4);
    }
    for (int k = -2; k <= 2; ++k) {
        Ellipse(cr, 50 + k * 9, 34, 11, 20);
        Shade(cr, k % 2 ? Darker(pumpkin, 0.12) : pumpkin);
        Ink(cr, 1.6);
    }
    RoundRect(cr, 46, 8, 8, 10, 2);
    ShadeInk(cr, Col("green"), 1.4);
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 6, 26, 50 + k * 18, 26, 50 + k * 12, 18});
        SetColour(cr, Col("yellow"));
        cairo_fill_preserve(cr);
        Ink(cr, 1.2);
    }
    Poly(cr, {34, 40, 66, 40, 60, 46, 56, 42, 50, 48, 44, 42, 40, 46});
    SetColour(cr, Col("yellow"));
    cairo_fill_preserve(cr);
    Ink(cr, 1.2);
}

namespace {

// ピヨコ: a round yellow chick flapping its little wings.
void Chick(cairo_t* cr, int f) {
    const double flap = (f - 1) * 0.5;
    Ellipse(cr, 50, 60, 32, 30);
    ShadeInk(cr, Col("yellow"), 2);
    for (double k = -1; k <= 1; k += 2) {
        cairo_save(cr);
        cairo_translate(cr, 50 + k * 28, 58);
        cairo_rotate(cr, k * (0.4 + flap));
        Ellipse(cr, k * 8, 0, 12, 7);
        ShadeInk(cr, Col("gold"), 1.6);
        cairo_restore(cr);
    }
    Poly(cr, {46, 20, 50, 28, 54, 18, 52, 30});
    ShadeInk(cr, Col("yellow"), 1.2);
    Eyes(cr, 50, 50, 22, 5, 0, false);
    Poly(cr, {42, 60, 58, 60, 50, 68 + f * 2.0});
    ShadeInk(cr, Col("orange"), 1.5);
    for (double k = -1; k <= 1; k += 2) {
        Poly(cr, {50 + k * 10, 88, 50 + k * 4, 96, 50 + k * 16, 96});
        ShadeInk(cr, Col("orange"), 1.4);
    }
}

// ヘビチュ: a flat ribbon of a snake, rippling.
void FlatSnake(cairo_t* cr, int f) {
    const double ph = f * 0.9;
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        const double x = 88 - t * 70, y = 80 - t * 40 + 8 * std::sin(t * 9 + ph);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, 15);
    cairo_stroke_preserve(cr);
    SetColour(cr, Col("leaf"));
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    const double dash[] = {4, 6};
    cairo_set_dash(cr, dash, 2, 0);
    SetColour(cr, Col("yellow"));
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    const double hy = 40 + 8 * std::sin(9 + ph);
    Ellipse(cr, 20, hy - 4, 17, 11);
    ShadeInk(cr, Col("leaf"), 1.8);
    Eyes(cr, 18, hy - 8, 14, 3.5, -1, false);
    Poly(cr, {6, hy + 2, -2, hy + 6, 4, hy + 6, -2, hy + 10});
    SetColour(cr, Col("red"));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 20, hy - 1, 6, 0.15 * M_PI, 0.85 * M_PI);
    Ink(cr, 1.4);
}

// タマムシ: a jewel beetle with a shimmering shell.
void JewelBeetle(cairo_t* cr, int f) {
    for (double k = -1; k <= 1; k += 2)
        for (int i = 0; i < 3; ++i) {
            const double y = 44 + i * 14, wig = (f - 1) * (i % 2 ? 3 : -3);
            Line(cr, 50 + k * 20, y, 50 + k * 36, y + 8 + wig, Col("ink"), 3);
        }
    Line(cr, 44, 18, 32, 2 + f * 2, Col("ink"), 2);
    Line(cr, 56, 18, 68, 2 + f * 2, Col("ink"), 2);
    Ellipse(cr, 50, 22, 12, 9);
    ShadeInk(cr, Col("navy"), 1.6);
    for (double k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 50, 30);
        cairo_curve_to(cr, 50 + k * 34, 30, 50 + k * 28, 92, 50, 94);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(50 - k * 0, 30, 50 + k * 28, 90);
        const double s = f * 0.15;
        cairo_pattern_add_color_stop_rgb(g, 0, 0.3 + s, 0.9, 0.5);
        cairo_pattern_add_color_stop_rgb(g, 0.5, 0.2, 0.5 + s, 0.8);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.2, 0.6 + s);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        Ink(cr, 1.8);
        Line(cr, 50 + k * 12, 38, 50 + k * 14, 80, Col("goldlight"), 2);
    }
    Ellipse(cr, 44, 20, 3, 3);
    Ellipse(cr, 56, 20, 3, 3);
    SetColour(cr, Col("red"));
    cairo_fill(cr);
}

}  // namespace

void DrawMonsterA(cairo_t* cr, int n, int f) {
    switch (n) {
    case 1: WitheredKing(cr, f); break;
    case 2: BoneCopter(cr, f); break;
    case 3: StrongPotato(cr, f); break;
    case 4: MaskedBrother(cr, f); break;
    case 5: TreeLegs(cr, f); break;
    case 6: EaterPlant(cr, f); break;
    case 7: HammerMan(cr, f); break;
    case 8: EggRobot(cr, f, Col("silver"), Col("blue"), false); break;
    case 9: EggRobot(cr, f, Col("red"), Col("iron"), true); break;
    case 10: Mamezo(cr, f, Col("orange"), Col("purple")); break;
    case 11: Chick(cr, f); break;
    case 12: FlatSnake(cr, f); break;
    case 13: DrawBean(cr, {Col("fakebean"), Outfit::Townsman, false}, Facing::Right, 0,
                      f == 1 ? Pose::Attack : Pose::Idle, f == 2 ? 3 : 0);
             break;
    case 14: JewelBeetle(cr, f); break;
    }
}

}  // namespace art
