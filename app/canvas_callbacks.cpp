#include "app/canvas_callbacks.h"

#include "canvas/canvas_context.h"
#include "shapes/trace.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

int button_trace(CanvasWidget*, int button, int pressed, int x, int y)
{
    int number = (button >= '1' && button <= '3') ? button - '0' : 0;
    if (pressed) trace("\nBotao %d pressionado em (%d, %d)", number, x, y);
    else trace("\nBotao %d solto em (%d, %d)\n", number, x, y);
    return IUP_DEFAULT;
}

int motion_trace(CanvasWidget*, int x, int y)
{
    trace("<%d,%d>", x, y);
    return IUP_DEFAULT;
}

int resize_act(CanvasWidget* canvas, int width, int height)
{
    redraw_all(canvas, canvas_list(canvas));
    trace("\nResize:w=%d,h=%d", width, height);
    return IUP_DEFAULT;
}

int repaint_act(CanvasWidget* canvas)
{
    redraw_all(canvas, canvas_list(canvas));
    trace("\n Repaint");
    return IUP_DEFAULT;
}
