// The canvas context and the operations on the canvas as a whole.
#include "canvas/canvas_context.h"

#include "canvas/grid.h"
#include "toolkit/attributes.h"
#include "toolkit/canvas_widget.h"

void canvas_context_create(CanvasWidget* canvas)
{
    auto* ctx = new CanvasContext;
    canvas->attach_surface(ctx->surface);
    surface_activate(ctx->surface);
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

CanvasContext* active_context(CanvasWidget* canvas)
{
    CanvasContext* ctx = canvas_context(canvas);
    if (ctx) surface_activate(ctx->surface);
    return ctx;
}

CanvasWidget* item_canvas(QObject* item) { return get_pointer_attribute<CanvasWidget>(item, "CanvasContext"); }

ObjectList* canvas_list(CanvasWidget* canvas)
{
    return get_pointer_attribute<ObjectList>(canvas, "objetos");
}

int canvas_y(CanvasWidget* canvas, int y)
{
    CanvasContext* ctx = active_context(canvas);
    return ctx ? surface_update_y(ctx->surface, y) : y;
}

void forget_rubber(CanvasContext* ctx) { ctx->rubber_drawn = 0; }

void canvas_clear(CanvasWidget* canvas)
{
    CanvasContext* ctx = active_context(canvas);
    if (!ctx) return;
    const Grid grid = canvas_grid(canvas);
    if (grid.shown) draw_list_on_grid(ctx->surface, nullptr, grid);
    else surface_clear(ctx->surface);
    forget_rubber(ctx);
}

void canvas_foreground(CanvasWidget* canvas, uint32_t rgb)
{
    if (CanvasContext* ctx = canvas_context(canvas)) surface_foreground(ctx->surface, rgb);
}
