// Figures of the list on the canvas element, through its context.
#include "canvas/shape_drawing.h"

#include "canvas/canvas_context.h"
#include "canvas/grid.h"
#include "canvas/rubber_band.h"
#include "canvas/selection.h"

void draw_shape_rubber(CanvasWidget* canvas, int type, int x1, int x2, int x3, int y1, int y2, int y3)
{
    switch (type) {
    case SHAPE_RECT: rubber_rect(canvas, x1, y1, x2, y2); break;
    case SHAPE_ELLIPSE: rubber_ellipse(canvas, x1, y1, x2, y2); break;
    case SHAPE_TRIANGLE: rubber_triangle(canvas, x1, y1, x2, y2, x3, y3); break;
    default: break;
    }
}

int redraw_all(CanvasWidget* canvas, ObjectList* list)
{
    if (CanvasContext* ctx = active_context(canvas)) {
        draw_list_on_grid(ctx->surface, list, canvas_grid(canvas));
        forget_rubber(ctx);
    }
    draw_selection(canvas, list);
    return list ? list_count(list) : 0;
}

int redraw_dropping_selection(CanvasWidget* canvas, ObjectList* list)
{
    forget_selection();
    return redraw_all(canvas, list);
}
