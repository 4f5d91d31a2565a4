#include "app/canvas_callbacks.h"

#include "canvas/canvas_context.h"
#include "canvas/shape_drawing.h"
#include "core/trace.h"
#include "toolkit/callbacks.h"

int resize_act(CanvasWidget* canvas, int width, int height)
{
    redraw_dropping_selection(canvas, canvas_list(canvas));
    trace("\nResize:w=%d,h=%d", width, height);
    return IUP_DEFAULT;
}

int repaint_act(CanvasWidget* canvas)
{
    redraw_dropping_selection(canvas, canvas_list(canvas));
    trace("\n Repaint");
    return IUP_DEFAULT;
}
