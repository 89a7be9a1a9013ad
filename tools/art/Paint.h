#pragma once
// Drawing on Cairo canvases in the game's one style: shapes filled with a
// soft light from the upper left, dark ink outlines, crisp silhouettes on
// black. Colours come by name from the palette file of assets/art.
#include <cairo.h>

#include <initializer_list>
#include <string>

#include "Image.h"

namespace art {

struct Rgb {
    double r = 0, g = 0, b = 0;  // 0..1
};

Rgb Hex(uint32_t rgb);
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);  // towards white by t
Rgb Darker(Rgb c, double t);   // towards black by t
uint32_t Pack(Rgb c);          // to 0x00RRGGBB

// The palette: "name #rrggbb" lines. Col throws for an unknown name, so a
// misspelt colour stops the build instead of drawing black.
void LoadPalette(const std::string& path);
Rgb Col(const std::string& name);

// A transparent ARGB canvas with its Cairo context.
class Canvas {
public:
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return w_; }
    int height() const { return h_; }

    // The drawing as an OR sprite: half-covered pixels become either sprite
    // or pure black, a one-pixel ink outline goes round the silhouette when
    // asked, and no sprite pixel is left pure black.
    Image Sprite(bool outline = true) const;
    // The drawing composited onto black as it is (for whole pictures).
    Image Flat() const;
    // Paints a picture, opaque, at (x, y) under whatever is drawn next.
    void Put(const Image& img, int x = 0, int y = 0);

private:
    int w_, h_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void Poly(cairo_t* cr, std::initializer_list<double> xy);  // closed polygon x0,y0,x1,y1,...
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);

// Fills the current path (kept) with a ball-like shading of base: light at
// the upper left of the path's extents, shadow at the lower right.
void Shade(cairo_t* cr, Rgb base, double light = 0.45, double dark = 0.45);
// Fills the current path (kept) with a vertical gradient from top to bottom.
void VGrad(cairo_t* cr, Rgb top, Rgb bottom);
// Strokes the current path (cleared) in ink of the given width.
void Ink(cairo_t* cr, double width = 1.0);
// Shade then ink: the usual way to finish a shape.
void ShadeInk(cairo_t* cr, Rgb base, double width = 1.0);
void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double width);

// Text in IPAPGothic (through fontconfig), left edge x, baseline y.
void Text(cairo_t* cr, const std::string& utf8, double x, double y, double size, Rgb fill, bool bold = false);
double TextWidth(cairo_t* cr, const std::string& utf8, double size, bool bold = false);

// A cheap repeatable noise in 0..1 for textures (same input, same value).
double Noise(int x, int y, int seed);
// Smooth noise in 0..1 that repeats every `period` pixels in x and y, so
// that textures made from it tile without seams.
double SmoothNoise(double x, double y, int cell, int period, int seed);
// Ordered (4 x 4 Bayer) dithering down to `levels` steps per channel: the
// grainy look of the sheets. Pure black stays pure black.
Image Dither(const Image& img, int levels);
// A picture made pixel by pixel from a colour function.
template <class F>
Image Generate(int w, int h, F colourAt) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.at(x, y) = Pack(colourAt(x, y));
    return img;
}

}  // namespace art
