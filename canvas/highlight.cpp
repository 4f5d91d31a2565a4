#include "canvas/highlight.h"

#include "canvas/canvas_context.h"
#include "canvas/drawing_accessible.h"
#include "canvas/interaction_state.h"
#include "canvas/shape_drawing.h"

void mark_shape(ObjectList* list, int index, CanvasWidget* canvas)
{
    // The old mark may be past the end after a delete or an open: then it is no longer drawn.
    if (list && marked_index != index && marked_index >= 0 && marked_index < list_count(list))
        draw_shape(canvas, list_get(list, marked_index));
    marked_index = index;
    selected_index = index;
    accessible_drawing_changed(canvas);
}

void highlight(CanvasWidget* canvas, const ObjectList* list, int index, uint32_t colour)
{
    canvas_foreground(canvas, colour);
    draw_shape(canvas, list_get(list, index));
    canvas_foreground(canvas, COLOR_BLACK);
}
