// Canvas context and figure drawing. Feedback figures are drawn in not-xor mode and remembered
// with the primitive that drew them, so the next feedback or final figure can erase exactly that
// figure first, whichever tool asks.
#include "canvas/canvas_context.h"

#include "canvas/interaction_state.h"
#include "toolkit/attributes.h"
#include "toolkit/canvas_widget.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The context of a canvas, activated for a group of drawing calls; null when there is none.
CanvasContext* active_context(CanvasWidget* canvas)
{
    CanvasContext* ctx = canvas_context(canvas);
    if (ctx) surface_activate(ctx->canvas);
    return ctx;
}

// The primitives' own forms: a rectangle as its min/max box, an ellipse as centre and full size.
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

void draw_form(DrawSurface& s, RubberKind kind, const int64_t* f)
{
    switch (kind) {
    case RubberKind::Line: surface_line(s, f[0], f[1], f[2], f[3]); break;
    case RubberKind::Rect: surface_rect(s, f[0], f[2], f[1], f[3]); break;
    case RubberKind::Ellipse: surface_arc(s, f[0], f[1], f[2], f[3]); break;
    case RubberKind::Triangle: {
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

// A figure of the list drawn for good, in replace mode; a triangle as its three edges.
void draw_record(DrawSurface& s, ShapeRecord r)
{
    int64_t form[4];
    surface_write_mode(s, WriteMode::Replace);
    switch (shape_type(r)) {
    case SHAPE_RECT:
        rect_form(form, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
        draw_form(s, RubberKind::Rect, form);
        break;
    case SHAPE_ELLIPSE:
        ellipse_form(form, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
        draw_form(s, RubberKind::Ellipse, form);
        break;
    case SHAPE_TRIANGLE:
        surface_line(s, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
        surface_line(s, shape_x2(r), shape_y2(r), shape_x3(r), shape_y3(r));
        surface_line(s, shape_x3(r), shape_y3(r), shape_x1(r), shape_y1(r));
        break;
    default: break;
    }
}

void erase_outstanding(CanvasContext* ctx)
{
    surface_write_mode(ctx->canvas, WriteMode::NotXor);
    if (ctx->rubber_drawn) draw_form(ctx->canvas, ctx->rubber_kind, ctx->rubber);
    ctx->rubber_drawn = 0;
}

void rubber_figure(CanvasWidget* canvas, RubberKind kind, const int64_t* form, int n)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    ctx->rubber_kind = kind;
    std::copy(form, form + n, ctx->rubber);
    draw_form(ctx->canvas, kind, ctx->rubber);
    ctx->rubber_drawn = 1;
}

void final_figure(CanvasWidget* canvas, RubberKind kind, const int64_t* form)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    surface_write_mode(ctx->canvas, WriteMode::Replace);
    draw_form(ctx->canvas, kind, form);
}

}  // namespace

void canvas_context_create(CanvasWidget* canvas)
{
    auto* ctx = new CanvasContext;
    canvas->attach_surface(ctx->canvas);
    surface_activate(ctx->canvas);
    set_pointer_attribute(canvas, "CanvasContext", ctx);
}

void canvas_context_free(CanvasWidget* canvas)
{
    delete canvas_context(canvas);
    set_pointer_attribute(canvas, "CanvasContext", nullptr);
}

CanvasContext* canvas_context(CanvasWidget* canvas)
{
    return get_pointer_attribute<CanvasContext>(canvas, "CanvasContext");
}

ObjectList* canvas_list(CanvasWidget* canvas)
{
    return get_pointer_attribute<ObjectList>(canvas, "objetos");
}

int canvas_y(CanvasWidget* canvas, int y)
{
    CanvasContext* ctx = active_context(canvas);
    return ctx ? surface_update_y(ctx->canvas, y) : y;
}

void canvas_clear(CanvasWidget* canvas)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    surface_clear(ctx->canvas);
    ctx->rubber_drawn = 0;
}

void canvas_foreground(CanvasWidget* canvas, uint32_t rgb)
{
    if (CanvasContext* ctx = canvas_context(canvas)) surface_foreground(ctx->canvas, rgb);
}

void rubber_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    const int64_t form[4] = {xa, ya, xb, yb};
    rubber_figure(canvas, RubberKind::Line, form, 4);
}

void rubber_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    rect_form(form, xa, ya, xb, yb);
    rubber_figure(canvas, RubberKind::Rect, form, 4);
}

void rubber_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    ellipse_form(form, xa, ya, xb, yb);
    rubber_figure(canvas, RubberKind::Ellipse, form, 4);
}

void rubber_triangle(CanvasWidget* canvas, int xa, int ya, int xb, int yb, int xc, int yc)
{
    const int64_t form[6] = {xa, ya, xb, yb, xc, yc};
    rubber_figure(canvas, RubberKind::Triangle, form, 6);
}

void rubber_erase(CanvasWidget* canvas)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    surface_write_mode(ctx->canvas, WriteMode::Replace);
}

void final_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    const int64_t form[4] = {xa, ya, xb, yb};
    final_figure(canvas, RubberKind::Line, form);
}

void final_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    rect_form(form, xa, ya, xb, yb);
    final_figure(canvas, RubberKind::Rect, form);
}

void final_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb)
{
    int64_t form[4];
    ellipse_form(form, xa, ya, xb, yb);
    final_figure(canvas, RubberKind::Ellipse, form);
}

void draw_shape(CanvasWidget* canvas, ShapeRecord r)
{
    if (!known_shape(r)) return;
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    erase_outstanding(ctx);
    draw_record(ctx->canvas, r);
}

void draw_shape_rubber(CanvasWidget* canvas, int type, int x1, int x2, int x3, int y1, int y2, int y3)
{
    switch (type) {
    case SHAPE_RECT: rubber_rect(canvas, x1, y1, x2, y2); break;
    case SHAPE_ELLIPSE: rubber_ellipse(canvas, x1, y1, x2, y2); break;
    case SHAPE_TRIANGLE: rubber_triangle(canvas, x1, y1, x2, y2, x3, y3); break;
    default: break;
    }
}

void mark_shape(ObjectList* list, int index, CanvasWidget* canvas)
{
    // The old mark may be past the end after a delete or an open: then it is no longer drawn.
    if (list && marked_index != index && marked_index >= 0 && marked_index < list_count(list))
        draw_shape(canvas, list_get(list, marked_index));
    marked_index = index;
    selected_index = index;
}

// The context is looked up once, and the surface clears and draws band by band, each band while
// it is in the cache; the whole canvas is reported changed once.
int redraw_all(CanvasWidget* canvas, ObjectList* list)
{
    mark_shape(list, -1, canvas);
    CanvasContext* ctx = active_context(canvas);
    if (ctx) {
        surface_redraw(ctx->canvas, [list](DrawSurface& s) {
            for (int i = 0; list && i < list_count(list); ++i)
                if (known_shape(list_get(list, i))) draw_record(s, list_get(list, i));
        });
        ctx->rubber_drawn = 0;
    }
    return list ? list_count(list) : 0;
}
