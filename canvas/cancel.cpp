#include "canvas/cancel.h"

#include "canvas/canvas_context.h"
#include "canvas/gesture.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/select_tool.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "core/trace.h"
#include "toolkit/canvas_widget.h"

bool cancel_gesture(CanvasWidget* canvas)
{
    if (!gesture_in_progress()) return false;
    // Committed triangle edges and a moved triangle's trail are drawn for good: only a redraw
    // takes them off, and it also drops the dragged figure's highlight.
    if (tri_clicks > 0 || select_drag_running()) redraw_dropping_selection(canvas, canvas_list(canvas));
    else rubber_erase(canvas);
    tri_clicks = 0;
    end_gesture();
    canvas->forget_presses();
    trace("\nCancel.");
    return true;
}
