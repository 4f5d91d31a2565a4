#include "canvas/gesture.h"

#include "canvas/canvas_context.h"
#include "canvas/idle_handlers.h"
#include "toolkit/callbacks.h"

bool gesture_in_progress() { return find_motion("motion_act") != motion_trace; }

ObjectList* drawing_for_keys(CanvasWidget* canvas)
{
    ObjectList* list = canvas_list(canvas);
    return list && !gesture_in_progress() ? list : nullptr;
}
