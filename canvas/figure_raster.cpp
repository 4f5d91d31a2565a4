// Figures as pixels: each kind of figure reduced to one surface primitive and its arguments.
#include "canvas/figure_raster.h"

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

void draw_record(DrawSurface& s, ShapeRecord r, WriteMode mode)
{
    int64_t form[4];
    surface_write_mode(s, mode);
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

void draw_figures(DrawSurface& s, const ObjectList* list)
{
    for (int i = 0; list && i < list_count(list); ++i)
        if (known_figure(list_get(list, i))) draw_record(s, list_get(list, i));
}

// Band by band, each band while it is in the cache; the surface reports the change once.
void draw_list(DrawSurface& s, const ObjectList* list)
{
    surface_redraw(s, [list](DrawSurface& band) { draw_figures(band, list); });
}
