// Figures as pixels: each kind of figure reduced to one surface primitive and its arguments.
#include "canvas/figure_raster.h"

#include <algorithm>
#include <cstdlib>

void rect_form(int64_t out[4], int xa, int ya, int xb, int yb)
{
    out[0] = std::min(xa, xb);
    out[1] = std::min(ya, yb);
    out[2] = std::max(xa, xb);
    out[3] = std::max(ya, yb);
}

void ellipse_form(int64_t out[4], int xa, int ya, int xb, int yb)
{
    out[0] = (int64_t{xa} + xb) / 2;
    out[1] = (int64_t{ya} + yb) / 2;
    out[2] = std::llabs(int64_t{xb} - xa);
    out[3] = std::llabs(int64_t{yb} - ya);
}

void draw_form(DrawSurface& s, Primitive kind, const int64_t* f)
{
    switch (kind) {
    case Primitive::Line: surface_line(s, f[0], f[1], f[2], f[3]); break;
    case Primitive::Rect: surface_rect(s, f[0], f[2], f[1], f[3]); break;
    case Primitive::Ellipse: surface_arc(s, f[0], f[1], f[2], f[3]); break;
    case Primitive::Triangle: {
        const int64_t xs[3] = {f[0], f[2], f[4]};
        const int64_t ys[3] = {f[1], f[3], f[5]};
        surface_closed_lines(s, xs, ys, 3);
        break;
    }
    }
}

bool known_shape(ShapeRecord r)
{
    const int type = shape_type(r);
    return type == SHAPE_RECT || type == SHAPE_ELLIPSE || type == SHAPE_TRIANGLE;
}

void draw_record(DrawSurface& s, ShapeRecord r)
{
    int64_t form[4];
    surface_write_mode(s, WriteMode::Replace);
    switch (shape_type(r)) {
    case SHAPE_RECT:
        rect_form(form, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
        draw_form(s, Primitive::Rect, form);
        break;
    case SHAPE_ELLIPSE:
        ellipse_form(form, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
        draw_form(s, Primitive::Ellipse, form);
        break;
    case SHAPE_TRIANGLE:
        surface_line(s, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
        surface_line(s, shape_x2(r), shape_y2(r), shape_x3(r), shape_y3(r));
        surface_line(s, shape_x3(r), shape_y3(r), shape_x1(r), shape_y1(r));
        break;
    default: break;
    }
}

// Band by band, each band while it is in the cache; the surface reports the change once.
void draw_list(DrawSurface& s, const ObjectList* list)
{
    surface_redraw(s, [list](DrawSurface& band) {
        for (int i = 0; list && i < list_count(list); ++i)
            if (known_shape(list_get(list, i))) draw_record(band, list_get(list, i));
    });
}
