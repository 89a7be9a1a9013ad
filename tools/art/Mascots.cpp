#include "Mascots.h"

#include <stdexcept>

#include "Monsters.h"
#include "Paint.h"

namespace art {

int MascotMonster(int k) {
    static const int monster[kMascotCount] = {2, 8, 6, 12, 13, 15, 10, 16, 25, 27};
    if (k < 0 || k >= kMascotCount) throw std::out_of_range("no mascot " + std::to_string(k));
    return monster[k];
}

Image MascotFigure(int k) {
    Canvas c(40, 40);
    // smaller than the hero's 32 x 32, standing on the cell's bottom edge
    cairo_translate(c.cr(), 20 - 50 * 0.32, 39 - 98 * 0.32);
    cairo_scale(c.cr(), 0.32, 0.32);
    DrawMonster(c.cr(), MascotMonster(k), 0);
    return c.Sprite();
}

namespace {

// The medallion every icon sits in: a round bevelled plate in rows 5..39.
void Medallion(cairo_t* cr, Rgb plate) {
    RoundRect(cr, 2, 6, 36, 33, 7);
    Shade(cr, plate, 0.5, 0.55);
    Ink(cr, 1.5);
    RoundRect(cr, 5, 9, 30, 27, 5);
    SetColour(cr, Darker(plate, 0.55));
    cairo_fill(cr);
}

Image Framed(Canvas& c) {
    Image img = c.Flat();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 40; ++x) img.at(x, y) = 0;
    return img;
}

}  // namespace

Image MascotIcon(int k) {
    Canvas c(40, 40);
    Medallion(c.cr(), Col("gold"));
    Image fig;
    {
        Canvas f(40, 40);
        cairo_translate(f.cr(), 5, 8);
        cairo_scale(f.cr(), 0.30, 0.28);
        DrawMonster(f.cr(), MascotMonster(k), 0);
        fig = f.Sprite();
    }
    Image base = Framed(c);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (fig.at(x, y) != 0 && y >= 8 && y < 37 && x >= 4 && x < 36) base.at(x, y) = fig.at(x, y);
    return base;
}

Image MascotUnknownIcon() {
    Canvas c(40, 40);
    Medallion(c.cr(), Col("iron"));
    Text(c.cr(), "?", 13, 33, 24, Col("silver"), true);
    return Framed(c);
}

Image MascotRemoveIcon() {
    Canvas c(40, 40);
    Medallion(c.cr(), Col("iron"));
    Ellipse(c.cr(), 20, 22, 9, 9);
    SetColour(c.cr(), Col("red"));
    cairo_set_line_width(c.cr(), 3);
    cairo_stroke(c.cr());
    Line(c.cr(), 14, 28, 26, 16, Col("red"), 3);
    return Framed(c);
}

}  // namespace art
