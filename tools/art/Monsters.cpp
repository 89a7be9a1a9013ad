#include "Monsters.h"

#include <cmath>
#include <stdexcept>

#include "Paint.h"

namespace art {

namespace parts {

void Eyes(cairo_t* cr, double x, double y, double gap, double size, double lookX, bool angry) {
    for (int k = -1; k <= 1; k += 2) {
        const double ex = x + k * gap / 2;
        Ellipse(cr, ex, y, size, size * 1.2);
        SetColour(cr, Col("white"));
        cairo_fill_preserve(cr);
        Ink(cr, 1.4);
        Ellipse(cr, ex + lookX, y + size * 0.2, size * 0.55, size * 0.7);
        SetColour(cr, Col("ink"));
        cairo_fill(cr);
        Ellipse(cr, ex + lookX - size * 0.2, y - size * 0.2, size * 0.2, size * 0.25);
        SetColour(cr, Col("white"));
        cairo_fill(cr);
        if (angry) {
            Line(cr, ex - k * size * 1.1, y - size * 1.6, ex + k * size * 0.9, y - size * 0.9, Col("ink"), 2.2);
        }
    }
}

void Teeth(cairo_t* cr, double x0, double x1, double y, double h, int count, bool down) {
    const double w = (x1 - x0) / count;
    for (int i = 0; i < count; ++i) {
        const double a = x0 + i * w;
        Poly(cr, {a, y, a + w, y, a + w / 2, y + (down ? h : -h)});
        SetColour(cr, Col("white"));
        cairo_fill_preserve(cr);
        Ink(cr, 1.0);
    }
}

void Crown(cairo_t* cr, double cx, double y, double w, double h) {
    const double l = cx - w / 2;
    Poly(cr, {l, y, l, y - h, l + w * 0.25, y - h * 0.55, cx, y - h * 1.15, l + w * 0.75, y - h * 0.55, l + w, y - h,
              l + w, y});
    ShadeInk(cr, Col("gold"), 1.5);
    for (double gx : {l + w * 0.2, cx, l + w * 0.8}) {
        Ellipse(cr, gx, y - h * 0.25, w * 0.06, w * 0.06);
        SetColour(cr, Col("red"));
        cairo_fill(cr);
    }
}

}  // namespace parts

void DrawMonster(cairo_t* cr, int n, int frame) {
    if (n < 1 || n > kMonsterCount) throw std::out_of_range("no monster " + std::to_string(n));
    cairo_new_path(cr);
    if (n <= 14)
        DrawMonsterA(cr, n, frame);
    else
        DrawMonsterB(cr, n, frame);
}

Image MonsterPicture(int n) {
    Image pic(100, 300, 0);
    for (int f = 0; f < 3; ++f) {
        Canvas c(100, 100);
        DrawMonster(c.cr(), n, f);
        pic.paste(c.Sprite(), 0, 100 * f);
    }
    return pic;
}

}  // namespace art
