// The one rubber-band slot of the canvas and the primitives that fill and empty it.
#include "canvas/rubber_band.h"

#include "canvas/canvas_context.h"
#include "core/figure_form.h"

#include <algorithm>

namespace {

void rubber_figure(CanvasWidget* canvas, Primitive kind, const int64_t* form, int n)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    ctx->rubber_kind = kind;
    std::copy(form, form + n, ctx->rubber);
    draw_form(ctx->surface, kind, ctx->rubber);
    ctx->rubber_drawn = 1;
}

void final_figure(CanvasWidget* canvas, Primitive kind, const int64_t* form)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    surface_write_mode(ctx->surface, WriteMode::Replace);
    draw_form(ctx->surface, kind, form);
}

}  // namespace

void erase_outstanding(CanvasContext* ctx)
{
    surface_write_mode(ctx->surface, WriteMode::NotXor);
    if (ctx->rubber_drawn) draw_form(ctx->surface, ctx->rubber_kind, ctx->rubber);
    forget_rubber(ctx);
}

void rubber_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    const int64_t form[4] = {xa, ya, xb, yb};
    rubber_figure(canvas, Primitive::Line, form, 4);
}

void rubber_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    rect_form(form, xa, ya, xb, yb);
    rubber_figure(canvas, Primitive::Rect, form, 4);
}

void rubber_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    ellipse_form(form, xa, ya, xb, yb);
    rubber_figure(canvas, Primitive::Ellipse, form, 4);
}

void rubber_triangle(CanvasWidget* canvas, int xa, int ya, int xb, int yb, int xc, int yc)
{
    const int64_t form[6] = {xa, ya, xb, yb, xc, yc};
    rubber_figure(canvas, Primitive::Triangle, form, 6);
}

void rubber_erase(CanvasWidget* canvas)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    surface_write_mode(ctx->surface, WriteMode::Replace);
}

void final_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    const int64_t form[4] = {xa, ya, xb, yb};
    final_figure(canvas, Primitive::Line, form);
}

void final_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    rect_form(form, xa, ya, xb, yb);
    final_figure(canvas, Primitive::Rect, form);
}

void final_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    ellipse_form(form, xa, ya, xb, yb);
    final_figure(canvas, Primitive::Ellipse, form);
}

void draw_shape(CanvasWidget* canvas, ShapeRecord r)
{
    if (!known_figure(r)) return;
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    draw_record(ctx->surface, r);
}
