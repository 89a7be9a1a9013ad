#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace art {

Rgb Hex(uint32_t rgb) { return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0}; }
Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Lighter(Rgb c, double t) { return Mix(c, {1, 1, 1}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }

namespace {
std::map<std::string, Rgb>& Palette() {
    static std::map<std::string, Rgb> p;
    return p;
}
}  // namespace

void LoadPalette(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read palette " + path);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ls(line);
        std::string name, hex;
        ls >> name >> hex;
        if (hex.size() != 7 || hex[0] != '#')
            throw std::runtime_error(path + ":" + std::to_string(n) + ": expected 'name #rrggbb'");
        Palette()[name] = Hex(uint32_t(std::stoul(hex.substr(1), nullptr, 16)));
    }
}

Rgb Col(const std::string& name) {
    auto it = Palette().find(name);
    if (it == Palette().end()) throw std::runtime_error("colour not in palette: " + name);
    return it->second;
}

Canvas::Canvas(int w, int h)
    : w_(w), h_(h), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), cr_(cairo_create(surface_)) {
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

uint32_t Pack(Rgb c) {
    auto ch = [](double v) { return uint32_t(std::clamp(int(std::lround(v * 255)), 0, 255)); };
    return (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

void Canvas::Put(const Image& img, int x, int y) {
    cairo_surface_t* src = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.width, img.height);
    auto* d = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(src));
    const int stride = cairo_image_surface_get_stride(src) / 4;
    for (int j = 0; j < img.height; ++j)
        for (int i = 0; i < img.width; ++i) d[j * stride + i] = img.at(i, j);
    cairo_surface_mark_dirty(src);
    cairo_save(cr_);
    cairo_set_source_surface(cr_, src, x, y);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(src);
}

Image Canvas::Sprite(bool outline) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const uint32_t ink = Pack(Col("ink"));
    Image img(w_, h_, 0);
    std::vector<bool> solid(size_t(w_) * h_, false);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
            const uint32_t a = p >> 24;
            if (a < 110) {  // thin edges and glows stay as they look on black
                if (((p >> 16) & 255) >= 12 || ((p >> 8) & 255) >= 12 || (p & 255) >= 12) img.at(x, y) = p & 0xFFFFFF;
                continue;
            }
            auto un = [a](uint32_t v) { return std::min<uint32_t>(255, (v * 255 + a / 2) / a); };
            uint32_t c = (un((p >> 16) & 255) << 16) | (un((p >> 8) & 255) << 8) | un(p & 255);
            if (((c >> 16) & 255) < 12 && ((c >> 8) & 255) < 12 && (c & 255) < 12) c = ink;
            img.at(x, y) = c;
            solid[size_t(y) * w_ + x] = true;
        }
    if (outline) {
        Image out = img;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                if (solid[size_t(y) * w_ + x]) continue;
                bool edge = false;
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w_ && ny < h_ && solid[size_t(ny) * w_ + nx]) edge = true;
                }
                if (edge) out.at(x, y) = ink;
            }
        return out;
    }
    return img;
}

Image Canvas::Flat() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Image img(w_, h_, 0);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            img.at(x, y) = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4) & 0xFFFFFF;
    return img;
}

void SetColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
}

void Poly(cairo_t* cr, std::initializer_list<double> xy) {
    auto it = xy.begin();
    cairo_new_sub_path(cr);
    cairo_move_to(cr, it[0], it[1]);
    for (size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, it[i], it[i + 1]);
    cairo_close_path(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Shade(cairo_t* cr, Rgb base, double light, double dark) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    const double w = x1 - x0, h = y1 - y0;
    cairo_pattern_t* g = cairo_pattern_create_radial(x0 + 0.32 * w, y0 + 0.28 * h, 0, x0 + 0.45 * w, y0 + 0.45 * h,
                                                     0.75 * std::max(w, h) + 0.5);
    const Rgb hi = Lighter(base, light), lo = Darker(base, dark);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
}

void VGrad(cairo_t* cr, Rgb top, Rgb bottom) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
}

void Ink(cairo_t* cr, double width) {
    SetColour(cr, Col("ink"));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void ShadeInk(cairo_t* cr, Rgb base, double width) {
    Shade(cr, base);
    Ink(cr, width);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double width) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

namespace {
void SelectFont(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, "IPAPGothic", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}
}  // namespace

void Text(cairo_t* cr, const std::string& utf8, double x, double y, double size, Rgb fill, bool bold) {
    SelectFont(cr, size, bold);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, utf8.c_str());
    SetColour(cr, fill);
    cairo_fill(cr);
}

double TextWidth(cairo_t* cr, const std::string& utf8, double size, bool bold) {
    SelectFont(cr, size, bold);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    return e.x_advance;
}

double Noise(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double SmoothNoise(double x, double y, int cell, int period, int seed) {
    const int n = std::max(1, period / cell);
    const double fx = x / cell, fy = y / cell;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    auto at = [&](int i, int j) { return Noise(((i % n) + n) % n, ((j % n) + n) % n, seed); };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * smooth(tx);
    const double b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * smooth(tx);
    return a + (b - a) * smooth(ty);
}

Image Dither(const Image& img, int levels) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Image out(img.width, img.height);
    const double step = 255.0 / (levels - 1);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const uint32_t c = img.at(x, y);
            if (c == 0) continue;
            const double t = (bayer[y & 3][x & 3] + 0.5) / 16.0;
            uint32_t o = 0;
            for (int sh : {16, 8, 0}) {
                const double v = ((c >> sh) & 255) / step;
                const int q = std::min(levels - 1, int(std::floor(v + t - 0.5 + 0.5)));
                o |= uint32_t(std::clamp(int(std::lround(q * step)), 0, 255)) << sh;
            }
            out.at(x, y) = o == 0 ? 0x0C0A0C : o;  // a dithered sprite pixel never becomes black
        }
    return out;
}

}  // namespace art
