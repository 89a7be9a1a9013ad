// item_c: the 20 x 20 event objects of the field, masks in the row below.
#include <cmath>
#include <functional>

#include "Bean.h"
#include "Mascots.h"
#include "Monsters.h"
#include "Paint.h"
#include "Sheets.h"

namespace art {

namespace {

using Draw = std::function<void(cairo_t*)>;

// A figure drawn in its usual 100 x 100 box, shrunk into the cell.
Draw Shrunk(std::function<void(cairo_t*)> figure, double scale = 0.2) {
    return [figure, scale](cairo_t* cr) {
        cairo_translate(cr, 10 - 50 * scale, 20 - 100 * scale);
        cairo_scale(cr, scale, scale);
        figure(cr);
    };
}

Draw MonsterCell(int n) {
    return Shrunk([n](cairo_t* cr) { DrawMonster(cr, n, 0); });
}

void Hole(cairo_t* cr, Rgb rim) {
    Ellipse(cr, 10, 12, 9, 6);
    Shade(cr, rim, 0.3, 0.4);
    Ink(cr, 1);
    Ellipse(cr, 10, 12.5, 6.5, 4);
    SetColour(cr, Hex(0x100c10));
    cairo_fill(cr);
}

void LadderUp(cairo_t* cr) {
    Line(cr, 6, 1, 6, 19, Col("wood"), 2);
    Line(cr, 14, 1, 14, 19, Col("wood"), 2);
    for (int i = 0; i < 4; ++i) Line(cr, 6, 3 + i * 5, 14, 3 + i * 5, Col("tan"), 1.6);
}

void Stairs(cairo_t* cr, bool down) {
    for (int i = 0; i < 4; ++i) {
        const double y = 3 + i * 4, x = down ? 2 + i * 1.5 : 8 - i * 1.5;
        cairo_rectangle(cr, x, y, 12, 4);
        Shade(cr, Darker(Col("stone"), down ? i * 0.15 : (3 - i) * 0.15), 0.3, 0.3);
        Ink(cr, 0.8);
    }
}

void Circle(cairo_t* cr, Rgb glow) {
    Ellipse(cr, 10, 12, 9, 6);
    SetColour(cr, Darker(glow, 0.5));
    cairo_fill_preserve(cr);
    SetColour(cr, glow);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Ellipse(cr, 10, 12, 6, 4);
    SetColour(cr, Lighter(glow, 0.4));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Poly(cr, {10, 8.5, 13.5, 14, 6.5, 14});
    SetColour(cr, Lighter(glow, 0.6));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void Door(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 19);
    cairo_line_to(cr, 3, 7);
    cairo_arc(cr, 10, 7, 7, M_PI, 2 * M_PI);
    cairo_line_to(cr, 17, 19);
    cairo_close_path(cr);
    Shade(cr, Col("wood"), 0.3, 0.4);
    Ink(cr, 1);
    Line(cr, 3, 10, 17, 10, Col("iron"), 1.5);
    Line(cr, 3, 15, 17, 15, Col("iron"), 1.5);
    Ellipse(cr, 13, 13, 1.3, 1.3);
    SetColour(cr, Col("gold"));
    cairo_fill(cr);
}

void Spring(cairo_t* cr) {
    Ellipse(cr, 10, 14, 9, 5);
    Shade(cr, Col("stone"), 0.3, 0.4);
    Ink(cr, 1);
    Ellipse(cr, 10, 14, 7, 3.5);
    Shade(cr, Col("sky"), 0.6, 0.2);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) Line(cr, 7 + i * 3, 10, 7 + i * 3, 3 + (i % 2) * 2, Lighter(Col("sky"), 0.6), 1);
}

void Stone(cairo_t* cr) {
    Poly(cr, {2, 18, 3, 9, 8, 4, 14, 5, 18, 10, 18, 18});
    Shade(cr, Col("stone"), 0.45, 0.5);
    Ink(cr, 1);
    Line(cr, 8, 9, 11, 13, Col("darkstone"), 0.8);
}

void Trainer(cairo_t* cr) {
    Shrunk([](cairo_t* c) {
        DrawBean(c, {Col("tan"), Outfit::Plain, false}, Facing::Down, 0, Pose::Idle);
        Poly(c, {32, 56, 68, 56, 62, 84, 50, 94, 38, 84});
        Shade(c, Col("white"), 0.2, 0.3);
        Ink(c, 1.8);
        Ellipse(c, 50, 22, 20, 8);
        Shade(c, Col("white"), 0.2, 0.3);
        Ink(c, 1.8);
    })(cr);
}

void Villager(cairo_t* cr) {
    Shrunk([](cairo_t* c) { DrawBean(c, {Col("beanshade"), Outfit::Villager, false}, Facing::Down, 0, Pose::Idle); })(
        cr);
}

void HomeStar(cairo_t* cr) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.5 : 8.5;
        cairo_line_to(cr, 10 + r * std::cos(a), 10 + r * std::sin(a));
    }
    cairo_close_path(cr);
    Shade(cr, Col("yellow"), 0.6, 0.2);
    Ink(cr, 1);
}

void CrystalBall(cairo_t* cr) {
    Poly(cr, {4, 19, 6, 14, 14, 14, 16, 19});
    Shade(cr, Col("gold"), 0.4, 0.4);
    Ink(cr, 1);
    Ellipse(cr, 10, 9, 7, 7);
    Shade(cr, Col("violet"), 0.6, 0.4);
    Ink(cr, 1);
}

void Orb(cairo_t* cr, Rgb c) {
    Ellipse(cr, 10, 11, 7, 7);
    Shade(cr, c, 0.65, 0.45);
    Ink(cr, 1);
    Ellipse(cr, 7.5, 8, 1.6, 1.2);
    SetColour(cr, Col("white"));
    cairo_fill(cr);
}

Image Medal(int k) {
    Canvas c(20, 20);
    cairo_t* cr = c.cr();
    Ellipse(cr, 10, 10, 9, 9);
    Shade(cr, Col("gold"), 0.5, 0.4);
    Ink(cr, 1);
    Ellipse(cr, 10, 10, 6.5, 6.5);
    SetColour(cr, Darker(Col("gold"), 0.45));
    cairo_fill(cr);
    Image img = c.Sprite();
    Canvas f(20, 20);
    cairo_translate(f.cr(), 10 - 50 * 0.13, 10 - 50 * 0.13);
    cairo_scale(f.cr(), 0.13, 0.13);
    DrawMonster(f.cr(), MascotMonster(k), 0);
    const Image fig = f.Sprite(false);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (fig.at(x, y) != 0 && std::hypot(x - 9.5, y - 9.5) < 6.5) img.at(x, y) = fig.at(x, y);
    return img;
}

Image Cell(const Draw& draw) {
    Canvas c(20, 20);
    draw(c.cr());
    return c.Sprite();
}

}  // namespace

Image ItemSheet() {
    Image sheet(900, 40, 0);
    auto put = [&](int code, const Image& sprite) {
        sheet.paste(sprite, 20 * (code - 1), 0);
        sheet.paste(MaskOf(sprite), 20 * (code - 1), 20);
    };
    put(1, Cell(Villager));
    put(2, Cell(MonsterCell(8)));
    put(3, Cell([](cairo_t* cr) { Hole(cr, Col("dirt")); }));
    put(4, Cell(LadderUp));
    put(5, Cell(MonsterCell(9)));
    put(6, Cell(MonsterCell(12)));
    put(7, Cell([](cairo_t* cr) { Hole(cr, Col("darkstone")); }));
    put(8, Cell(MonsterCell(13)));
    put(9, Cell(MonsterCell(4)));
    put(10, Cell([](cairo_t* cr) { Hole(cr, Col("stone")); }));
    put(11, Cell([](cairo_t* cr) { Hole(cr, Col("cave")); }));
    put(12, Cell(LadderUp));
    put(13, Cell(LadderUp));
    put(14, Cell([](cairo_t* cr) { Stairs(cr, true); }));
    put(15, Cell([](cairo_t* cr) { Stairs(cr, false); }));
    put(16, Cell(MonsterCell(19)));
    put(17, Cell(Stone));
    put(18, Cell([](cairo_t* cr) { Circle(cr, Col("cyan")); }));
    put(19, Cell([](cairo_t* cr) { Circle(cr, Col("red")); }));
    put(20, Cell(Door));
    put(21, Cell(Trainer));
    put(22, Cell(Spring));
    put(23, Cell(MonsterCell(27)));
    put(24, Cell(HomeStar));
    put(25, Cell(CrystalBall));
    const char* orbs[10] = {"red", "orange", "yellow", "leaf", "cyan", "blue", "violet", "pink", "white", "iron"};
    for (int i = 0; i < 10; ++i) put(26 + i, Cell([c = Col(orbs[i])](cairo_t* cr) { Orb(cr, c); }));
    for (int k = 0; k < kMascotCount; ++k) put(36 + k, Medal(k));
    return sheet;
}

}  // namespace art
