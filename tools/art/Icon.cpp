#include "Icon.h"

#include <cairo.h>

#include <stdexcept>

#include "Bean.h"
#include "Paint.h"

namespace art {

void SaveGameIcon(const std::string& path, int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, size / 128.0, size / 128.0);

    // A rounded tile: sky above, a grassy hill below, a gold rim.
    RoundRect(cr, 4, 4, 120, 120, 22);
    VGrad(cr, Col("skyday"), Col("sky"));
    cairo_save(cr);
    cairo_clip(cr);
    Ellipse(cr, 64, 132, 90, 40);
    Shade(cr, Col("grass"), 0.3, 0.4);
    cairo_new_path(cr);
    cairo_restore(cr);
    RoundRect(cr, 4, 4, 120, 120, 22);
    SetColour(cr, Col("gold"));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);

    // The hero, filling most of the tile.
    cairo_save(cr);
    cairo_translate(cr, 14, 12);
    DrawBean(cr, {Col("bean"), Outfit::Hero, false}, Facing::Down, 0, Pose::Idle);
    cairo_restore(cr);

    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
}

}  // namespace art
