#include "canvas/idle_handlers.h"

#include "core/trace.h"
#include "toolkit/callbacks.h"

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

void end_gesture() { set_function("motion_act", motion_trace); }
