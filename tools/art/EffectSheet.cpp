// effect.bmp: the battle effects, eight 32 x 32 frames per row on black.
#include <algorithm>
#include <cmath>

#include "Paint.h"
#include "Sheets.h"

namespace art {

namespace {

void Glow(cairo_t* cr, double x, double y, double r, Rgb inner, Rgb outer, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, std::max(r, 0.5));
    cairo_pattern_add_color_stop_rgba(g, 0, inner.r, inner.g, inner.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 0.6, outer.r, outer.g, outer.b, alpha * 0.8);
    cairo_pattern_add_color_stop_rgba(g, 1, outer.r, outer.g, outer.b, 0);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Star(cairo_t* cr, double x, double y, double r, int points, double inner, double turn) {
    cairo_new_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = turn + i * M_PI / points, rr = i % 2 ? r * inner : r;
        if (i == 0)
            cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        else
            cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

// t runs 0..1 over the eight frames.
void Fire(cairo_t* cr, double t) {
    const double h = 8 + 20 * std::sin(t * M_PI);
    for (int i = 0; i < 3; ++i) {
        const double x = 10 + i * 6, w = 6 + (i == 1 ? 3 : 0), hh = h * (i == 1 ? 1 : 0.7);
        cairo_new_path(cr);
        cairo_move_to(cr, x - w, 30);
        cairo_curve_to(cr, x - w, 30 - hh * 0.5, x + std::sin(t * 9 + i) * 3, 30 - hh * 0.8, x + 1, 30 - hh);
        cairo_curve_to(cr, x + w, 30 - hh * 0.6, x + w, 30 - hh * 0.3, x + w, 30);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 30 - hh, 0, 30);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.95, 0.5);
        cairo_pattern_add_color_stop_rgb(g, 0.5, 1, 0.55, 0.1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.8, 0.15, 0.05);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void Sparkles(cairo_t* cr, double t) {
    for (int i = 0; i < 5; ++i) {
        const double x = 5 + std::fmod(i * 7.3, 22), y = 28 - std::fmod(t * 30 + i * 9, 26), r = 2 + (i % 3);
        Star(cr, x, y, r * (1 - 0.4 * t), 4, 0.3, 0);
        SetColour(cr, i % 2 ? Col("cyan") : Col("goldlight"));
        cairo_fill(cr);
    }
    Glow(cr, 16, 16, 14 * (0.4 + 0.6 * std::sin(t * M_PI)), Col("white"), Col("leaf"), 0.5);
}

void Explosion(cairo_t* cr, double t) {
    const double r = 4 + 12 * std::sqrt(t);
    Glow(cr, 16, 16, r + 2, Col("yellow"), Col("lava"), 1 - 0.5 * t);
    Star(cr, 16, 16, r, 9, 0.55, t * 2);
    SetColour(cr, Lighter(Col("orange"), 0.3 * (1 - t)), 1 - 0.6 * t);
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + 0.3, d = r * 1.1;
        Ellipse(cr, 16 + d * std::cos(a), 16 + d * std::sin(a), 2 * (1 - t) + 0.5, 2 * (1 - t) + 0.5);
        SetColour(cr, Col("darkstone"));
        cairo_fill(cr);
    }
}

void Flash(cairo_t* cr, double t) {
    const double r = 4 + 11 * std::sin(t * M_PI);
    Glow(cr, 16, 16, r + 4, Col("white"), Col("violet"), 0.9);
    Star(cr, 16, 16, r, 4, 0.2, t * M_PI / 2);
    SetColour(cr, Col("white"));
    cairo_fill(cr);
}

void EnergyBall(cairo_t* cr, double t) {
    const double r = 3 + 11 * t;
    Glow(cr, 16, 16, r + 3, Col("white"), Col("cyan"), 0.9);
    Ellipse(cr, 16, 16, r * 0.6, r * 0.6);
    SetColour(cr, Lighter(Col("sky"), 0.5));
    cairo_fill(cr);
}

void Impact(cairo_t* cr, double t) {
    const double r = 6 + 9 * std::sin(t * M_PI);
    Star(cr, 16, 16, r, 8, 0.45, t);
    SetColour(cr, Col("red"));
    cairo_fill(cr);
    Star(cr, 16, 16, r * 0.6, 8, 0.45, t);
    SetColour(cr, Col("yellow"));
    cairo_fill(cr);
}

void Laser(cairo_t* cr, double t) {
    const double w = 2 + 5 * std::sin(t * M_PI);
    cairo_rectangle(cr, 0, 16 - w, 32, 2 * w);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 16 - w, 0, 16 + w);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.5, 0, 0.1);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 1, 0.9, 0.9);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.5, 0, 0.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Frame i (1..7) of the sword slash: a bright arc sweeping down and fading.
void Slash(cairo_t* cr, int i) {
    // the blade's path: an arc from the upper right down to the lower left
    const double head = std::min(1.0, i / 4.0), tail = std::max(0.0, (i - 4) / 4.0);
    const double a0 = -0.35 * M_PI, a1 = 0.85 * M_PI;
    const double from = a0 + (a1 - a0) * tail, to = a0 + (a1 - a0) * head;
    if (to <= from) return;
    cairo_new_path(cr);
    cairo_arc(cr, 12, 10, 20, from, to);
    SetColour(cr, Col("sky"), 0.85);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetColour(cr, Col("white"));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Star(cr, 12 + 20 * std::cos(to), 10 + 20 * std::sin(to), 5, 4, 0.3, 0.4);
    SetColour(cr, Col("white"));
    cairo_fill(cr);
}

}  // namespace

Image EffectSheet() {
    Image sheet(320, 256, 0);
    void (*rows[7])(cairo_t*, double) = {Fire, Sparkles, Explosion, Flash, EnergyBall, Impact, Laser};
    for (int r = 0; r < 7; ++r)
        for (int i = 0; i < 8; ++i) {
            Canvas c(32, 32);
            rows[r](c.cr(), (i + 0.5) / 8.0);
            sheet.paste(c.Sprite(false), 32 * i, 32 * r);
        }
    for (int i = 1; i <= 7; ++i) {
        Canvas c(32, 32);
        Slash(c.cr(), i);
        sheet.paste(c.Sprite(false), 32 * i, 224);
    }
    return sheet;
}

}  // namespace art
