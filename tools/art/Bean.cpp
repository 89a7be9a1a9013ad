#include "Bean.h"

#include <cmath>

namespace art {

namespace {

void Eye(cairo_t* cr, double x, double y, double s, double lookX, const BeanLook& look, Pose pose) {
    if (pose == Pose::Hurt) {  // squeezed shut: > <
        cairo_new_path(cr);
        cairo_move_to(cr, x - 3 * s, y - 3 * s);
        cairo_line_to(cr, x + 2 * s, y);
        cairo_line_to(cr, x - 3 * s, y + 3 * s);
        Ink(cr, 2.2 * s);
        return;
    }
    if (look.glowingEyes) {
        Ellipse(cr, x, y, 3.6 * s, 2.6 * s);
        SetColour(cr, Col("red"));
        cairo_fill_preserve(cr);
        SetColour(cr, Col("yellow"));
        cairo_set_line_width(cr, 1.0 * s);
        cairo_stroke(cr);
        return;
    }
    Ellipse(cr, x, y, 4.2 * s, 5.6 * s);
    SetColour(cr, Col("white"));
    cairo_fill_preserve(cr);
    Ink(cr, 1.4 * s);
    Ellipse(cr, x + lookX * s, y + 0.8 * s, 2.4 * s, 3.4 * s);
    SetColour(cr, Col("ink"));
    cairo_fill(cr);
    Ellipse(cr, x + lookX * s - 0.9 * s, y - 1.0 * s, 0.9 * s, 1.1 * s);
    SetColour(cr, Col("white"));
    cairo_fill(cr);
}

void Sword(cairo_t* cr, double x, double y, double angle, double len) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    Poly(cr, {-3, 0, 3, 0, 3, -len, 0, -len - 6, -3, -len});
    VGrad(cr, Col("white"), Col("steel"));
    Ink(cr, 1.6);
    RoundRect(cr, -8, -1, 16, 5, 2);
    ShadeInk(cr, Col("gold"), 1.4);
    RoundRect(cr, -2.5, 3, 5, 10, 2);
    ShadeInk(cr, Col("brown"), 1.4);
    cairo_restore(cr);
}

void Staff(cairo_t* cr, double x, double y, double angle, Rgb top, bool cross) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    RoundRect(cr, -2.5, -46, 5, 62, 2);
    ShadeInk(cr, Col("wood"), 1.4);
    if (cross) {
        Poly(cr, {-3, -60, 3, -60, 3, -54, 10, -54, 10, -48, 3, -48, 3, -42, -3, -42, -3, -48, -10, -48, -10, -54, -3,
                  -54});
        ShadeInk(cr, top, 1.4);
    } else {
        Ellipse(cr, 0, -50, 8, 8);
        ShadeInk(cr, top, 1.6);
    }
    cairo_restore(cr);
}

void Legs(cairo_t* cr, Facing f, int step) {
    const bool side = f == Facing::Left || f == Facing::Right;
    const double spread = side ? 6 : 12;
    for (double k = -1; k <= 1; k += 2) {
        const double lift = step == 0 ? 0 : (k == step ? -8 : 2);
        const double fwd = side ? (k == step ? 6 : -4) * (f == Facing::Left ? -1 : 1) * (step != 0) : 0;
        const double x = 50 + k * spread + fwd;
        RoundRect(cr, x - 5, 80 + lift, 10, 12, 3);
        ShadeInk(cr, Col("darkbrown"), 1.6);
        Ellipse(cr, x + (side ? (f == Facing::Left ? -3 : 3) : 0), 92 + lift, side ? 9 : 7.5, 5);
        ShadeInk(cr, Col("brown"), 1.6);
    }
}

void Arm(cairo_t* cr, double x, double y, Rgb body, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    Ellipse(cr, 0, 8, 6, 11);
    ShadeInk(cr, body, 1.6);
    cairo_restore(cr);
}

// Head gear and clothes drawn over the body; x is the face centre shift.
void DressUp(cairo_t* cr, const BeanLook& look, Facing f, double fx) {
    const bool back = f == Facing::Up;
    switch (look.outfit) {
    case Outfit::Townsman:
    case Outfit::Fighter:
        if (look.outfit == Outfit::Fighter) {
            // spiky golden hair
            Poly(cr, {24, 34, 30, 6, 38, 22, 44, 0, 52, 20, 60, 2, 64, 22, 74, 8, 76, 34, 50, 28});
            ShadeInk(cr, Col("yellow"), 1.6);
            RoundRect(cr, 24, 58, 52, 12, 3);  // belt of the gi
            ShadeInk(cr, Col("navy"), 1.4);
        } else {
            RoundRect(cr, 23, 28, 54, 8, 3);
            ShadeInk(cr, Col("red"), 1.6);
            if (back || f == Facing::Left || f == Facing::Right) {
                const double kx = back ? 50 : (f == Facing::Left ? 74 : 26);
                const double dir = f == Facing::Left ? 1 : -1;
                Poly(cr, {kx, 32, kx + dir * 14, 40, kx + dir * 12, 46});
                ShadeInk(cr, Col("red"), 1.4);
            }
        }
        break;
    case Outfit::Hero:
        Ellipse(cr, 50, 30, 27, 16);
        cairo_rectangle(cr, 22, 30, 56, 0);
        ShadeInk(cr, Col("silver"), 1.6);
        Poly(cr, {46, 14, 50, 2, 54, 14});
        ShadeInk(cr, Col("red"), 1.4);
        RoundRect(cr, 20, 34, 60, 6, 2);
        ShadeInk(cr, Col("gold"), 1.4);
        break;
    case Outfit::Mage:
        Poly(cr, {18, 36, 82, 36, 58, 26, 64 + fx * 0.3, -2, 42, 26});
        ShadeInk(cr, Col("purple"), 1.6);
        Ellipse(cr, 50, 35, 32, 5);
        ShadeInk(cr, Col("purple"), 1.4);
        Ellipse(cr, 56, 20, 3, 3);
        SetColour(cr, Col("yellow"));
        cairo_fill(cr);
        break;
    case Outfit::Bomber:
        Ellipse(cr, 50, 30, 28, 14);
        cairo_rectangle(cr, 20, 30, 60, 4);
        ShadeInk(cr, Col("olive"), 1.6);
        if (!back) {
            Ellipse(cr, 40 + fx, 33, 8, 5);
            Ellipse(cr, 60 + fx, 33, 8, 5);
            ShadeInk(cr, Col("cyan"), 1.4);
        }
        break;
    case Outfit::NotBean:
        RoundRect(cr, 20, 10, 60, 58, 4);
        ShadeInk(cr, Col("tan"), 1.6);
        if (!back) {
            Ellipse(cr, 40 + fx, 32, 4, 5);
            Ellipse(cr, 60 + fx, 32, 4, 5);
            SetColour(cr, Col("ink"));
            cairo_fill(cr);
            Text(cr, "?", 44 + fx, 62, 22, Col("darkbrown"), true);
        }
        break;
    case Outfit::Barbarian:
        Ellipse(cr, 50, 28, 26, 13);
        ShadeInk(cr, Col("iron"), 1.6);
        Poly(cr, {26, 28, 12, 6, 18, 4, 32, 22});
        ShadeInk(cr, Col("bone"), 1.4);
        Poly(cr, {74, 28, 88, 6, 82, 4, 68, 22});
        ShadeInk(cr, Col("bone"), 1.4);
        Poly(cr, {24, 60, 76, 60, 72, 76, 62, 70, 50, 78, 38, 70, 28, 76});
        ShadeInk(cr, Col("tan"), 1.4);
        break;
    case Outfit::Necro:
        Poly(cr, {20, 50, 22, 20, 50, 4, 78, 20, 80, 50, 70, 36, 30, 36});
        ShadeInk(cr, Col("night"), 1.6);
        Poly(cr, {22, 60, 78, 60, 84, 86, 16, 86});
        ShadeInk(cr, Col("night"), 1.6);
        break;
    case Outfit::Swordsman:
        Ellipse(cr, 50, 30, 27, 15);
        cairo_rectangle(cr, 22, 30, 56, 0);
        ShadeInk(cr, Col("blue"), 1.6);
        RoundRect(cr, 24, 56, 52, 22, 5);
        ShadeInk(cr, Col("steel"), 1.6);
        break;
    case Outfit::Priest:
        Poly(cr, {30, 34, 34, 8, 50, 0, 66, 8, 70, 34});
        ShadeInk(cr, Col("white"), 1.6);
        Poly(cr, {47, 10, 53, 10, 53, 30, 47, 30});
        SetColour(cr, Col("gold"));
        cairo_fill(cr);
        Poly(cr, {24, 58, 76, 58, 82, 88, 18, 88});
        ShadeInk(cr, Col("white"), 1.6);
        break;
    case Outfit::Villager:
        Ellipse(cr, 50, 26, 36, 8);
        ShadeInk(cr, Col("yellow"), 1.6);
        Ellipse(cr, 50, 20, 18, 10);
        ShadeInk(cr, Col("yellow"), 1.6);
        RoundRect(cr, 32, 20, 36, 4, 1);
        SetColour(cr, Col("red"));
        cairo_fill(cr);
        break;
    case Outfit::Baron:
        RoundRect(cr, 34, -4, 32, 30, 2);
        ShadeInk(cr, Col("ink"), 1.4);
        Ellipse(cr, 50, 26, 28, 5);
        ShadeInk(cr, Col("night"), 1.4);
        RoundRect(cr, 34, 18, 32, 4, 1);
        SetColour(cr, Col("darkred"));
        cairo_fill(cr);
        break;
    case Outfit::Plain:
        break;
    }
}

}  // namespace

void DrawBean(cairo_t* cr, const BeanLook& look, Facing f, int step, Pose pose, double lift) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, -lift - (step != 0 ? 3 : 0));
    const double tilt = pose == Pose::Attack ? -0.18 : pose == Pose::Hurt ? 0.22 : 0;
    const double lean = f == Facing::Right ? -tilt : tilt;
    cairo_translate(cr, 50, 96);
    cairo_rotate(cr, lean);
    cairo_translate(cr, -50, -96);

    const bool side = f == Facing::Left || f == Facing::Right;
    const double dir = f == Facing::Left ? -1 : f == Facing::Right ? 1 : 0;
    const double fx = dir * 13;

    // cape behind the body
    if (look.outfit == Outfit::Hero) {
        Poly(cr, {30, 40, 70, 40, 80 - dir * 10, 90, 20 - dir * 10, 90});
        ShadeInk(cr, Col("blue"), 1.6);
    }
    Legs(cr, f, step);
    // the arm behind
    if (side) Arm(cr, 50 - dir * 16, 50, Darker(look.body, 0.2), dir * 0.4 * (step != 0 ? -step : 1));
    // the body: a bean, a little narrower at the waist on its seam side
    cairo_new_path(cr);
    cairo_move_to(cr, 50, 18);
    cairo_curve_to(cr, 84, 16, 82, 60, 76, 74);
    cairo_curve_to(cr, 70, 92, 30, 92, 24, 74);
    cairo_curve_to(cr, 18, 58, 18, 20, 50, 18);
    cairo_close_path(cr);
    Shade(cr, look.body, 0.5, 0.5);
    Ink(cr, 1.8);
    // the seam of the bean on its side
    cairo_new_path(cr);
    const double sx = side ? 50 - dir * 20 : 70;
    cairo_move_to(cr, sx, 44);
    cairo_curve_to(cr, sx - 3, 52, sx - 3, 58, sx, 64);
    SetColour(cr, Darker(look.body, 0.35));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);

    if (f != Facing::Up && look.outfit != Outfit::NotBean) {
        if (side) {
            Eye(cr, 50 + fx + dir * 3, 45, 0.95, dir * 1.4, look, pose);
            Eye(cr, 50 + fx - dir * 9, 45, 0.8, dir * 1.4, look, pose);
        } else {
            Eye(cr, 41, 45, 1.0, 0, look, pose);
            Eye(cr, 59, 45, 1.0, 0, look, pose);
        }
        if (!look.glowingEyes) {
            Ellipse(cr, 50 + fx - 15, 56, 4, 2.5);
            Ellipse(cr, 50 + fx + 15, 56, 4, 2.5);
            SetColour(cr, Col("pink"), 0.9);
            cairo_fill(cr);
        }
        cairo_new_path(cr);
        if (pose == Pose::Hurt) {
            Ellipse(cr, 50 + fx, 60, 3, 3.5);
            SetColour(cr, Col("darkred"));
            cairo_fill(cr);
        } else {
            cairo_arc(cr, 50 + fx, 55, 5, 0.2 * M_PI, 0.8 * M_PI);
            SetColour(cr, look.glowingEyes ? Col("red") : Col("ink"));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
        if (look.outfit == Outfit::Baron) {
            cairo_new_path(cr);
            cairo_move_to(cr, 50 + fx, 52);
            cairo_curve_to(cr, 40 + fx, 48, 34 + fx, 56, 30 + fx, 50);
            cairo_move_to(cr, 50 + fx, 52);
            cairo_curve_to(cr, 60 + fx, 48, 66 + fx, 56, 70 + fx, 50);
            SetColour(cr, Col("ink"));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            Ellipse(cr, 59 + fx, 45, 6, 6);
            SetColour(cr, Col("gold"));
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    }
    DressUp(cr, look, f, fx);

    // the arm in front, with what the job carries
    const double armX = side ? 50 + dir * 15 : 24;
    double armA = side ? -dir * (0.3 + 0.35 * step) : 0.35;
    if (pose == Pose::Attack) armA = side ? dir * -1.6 : 1.2;
    switch (look.outfit) {
    case Outfit::Hero:
    case Outfit::Swordsman:
        if (f != Facing::Up) Sword(cr, armX + (side ? dir * 6 : -4), 66, pose == Pose::Attack ? dir * 1.4 : -0.25, 34);
        break;
    case Outfit::Mage:
        if (f != Facing::Up) Staff(cr, armX + (side ? dir * 4 : -4), 70, pose == Pose::Attack ? dir * 0.5 : -0.1,
                                   Col("violet"), false);
        break;
    case Outfit::Necro:
        if (f != Facing::Up) Staff(cr, armX + (side ? dir * 4 : -4), 70, -0.1, Col("bone"), false);
        break;
    case Outfit::Priest:
        if (f != Facing::Up) Staff(cr, armX + (side ? dir * 4 : -4), 70, -0.1, Col("gold"), true);
        break;
    case Outfit::Barbarian:
        if (f != Facing::Up) {
            cairo_save(cr);
            cairo_translate(cr, armX + (side ? dir * 4 : -4), 70);
            cairo_rotate(cr, pose == Pose::Attack ? dir * 1.2 : -0.3);
            Poly(cr, {-3, 10, 3, 10, 8, -30, 0, -38, -8, -30});
            ShadeInk(cr, Col("brown"), 1.6);
            cairo_restore(cr);
        }
        break;
    case Outfit::Bomber:
        if (f != Facing::Up) {
            const double bx = armX + (side ? dir * 8 : -2), by = 70;
            Ellipse(cr, bx, by, 10, 10);
            ShadeInk(cr, Col("navy"), 1.6);
            Line(cr, bx + 4, by - 9, bx + 8, by - 16, Col("tan"), 2);
            Ellipse(cr, bx + 9, by - 18, 3, 3);
            SetColour(cr, Col("orange"));
            cairo_fill(cr);
        }
        break;
    default:
        break;
    }
    Arm(cr, armX, side ? 63 : 52, Darker(look.body, side ? 0.08 : 0), armA);
    if (!side) Arm(cr, 100 - armX, 52, look.body, -armA);
    cairo_restore(cr);
}

}  // namespace art
