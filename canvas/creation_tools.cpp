// Drawing tools, in lifecycle order: press (anchor or vertex), motion (feedback), release (commit).
// Rectangle and ellipse differ only in their primitives and their list operation.
#include "canvas/creation_tools.h"

#include "canvas/canvas_context.h"
#include "canvas/canvas_messages.h"
#include "canvas/door.h"
#include "canvas/grid.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "toolkit/callbacks.h"
#include "toolkit/dialogs.h"

namespace {

struct DragTool {
    void (*final)(CanvasWidget*, int, int, int, int);
    int (*add)(ObjectList*, int, int, int, int);
    MotionFn motion;
};

// A full list takes no new figure: nothing of it stays on the canvas and the user is told.
void refuse_figure(CanvasWidget* canvas)
{
    rubber_erase(canvas);
    end_gesture();
    show_message(MESSAGE_TITLE, LIMIT_MESSAGE);
}

int drag_tool_button(const DragTool& tool, CanvasWidget* canvas, int button, int pressed, int x, int y)
{
    ObjectList* list = canvas_list(canvas);
    if (button != '1' || !list) return IUP_DEFAULT;
    y = canvas_y(canvas, y);
    snap_pointer(canvas, x, y);
    if (pressed) {
        anchor_x = x;
        anchor_y = y;
        set_function("motion_act", tool.motion);
        return IUP_DEFAULT;
    }
    if (list_full(list)) {
        refuse_figure(canvas);
        return IUP_DEFAULT;
    }
    tool.final(canvas, anchor_x, anchor_y, x, y);
    end_gesture();
    tool.add(list, anchor_x, anchor_y, x, y);
    return IUP_DEFAULT;
}

const DragTool RECT_TOOL{final_rect, insert_rect, rect_motion};
const DragTool ELLIPSE_TOOL{final_ellipse, insert_ellipse, ellipse_motion};

void finish_triangle(CanvasWidget* canvas, ObjectList* list)
{
    end_gesture();
    tri_clicks = 0;
    if (list_full(list)) {
        redraw_all(canvas, list);  // takes the two committed edges off the canvas
        refuse_figure(canvas);
        return;
    }
    insert_triangle(list, tri_x[0], tri_y[0], tri_x[1], tri_y[1], tri_x[2], tri_y[2]);
    // All three edges, closing one included: a repaint while the triangle was being built took
    // the first ones off the canvas. Drawing erases the feedback line first.
    draw_shape(canvas, list_get(list, list_count(list) - 1));
}

}  // namespace

int rect_button(CanvasWidget* canvas, int button, int pressed, int x, int y)
{
    return drag_tool_button(RECT_TOOL, canvas, button, pressed, x, y);
}

int rect_motion(CanvasWidget* canvas, int x, int y)
{
    y = canvas_y(canvas, y);
    snap_pointer(canvas, x, y);
    rubber_rect(canvas, anchor_x, anchor_y, x, y);
    return IUP_DEFAULT;
}

int ellipse_button(CanvasWidget* canvas, int button, int pressed, int x, int y)
{
    return drag_tool_button(ELLIPSE_TOOL, canvas, button, pressed, x, y);
}

int ellipse_motion(CanvasWidget* canvas, int x, int y)
{
    y = canvas_y(canvas, y);
    snap_pointer(canvas, x, y);
    rubber_ellipse(canvas, anchor_x, anchor_y, x, y);
    return IUP_DEFAULT;
}

// A vertex is the press position; its release commits the edge from the previous vertex.
int triangle_button(CanvasWidget* canvas, int button, int pressed, int x, int y)
{
    ObjectList* list = canvas_list(canvas);
    if (button != '1' || !list) return IUP_DEFAULT;
    y = canvas_y(canvas, y);
    snap_pointer(canvas, x, y);
    set_function("motion_act", triangle_motion);
    int n = tri_clicks;
    if (pressed) {
        tri_x[n] = x;
        tri_y[n] = y;
        return IUP_DEFAULT;
    }
    anchor_x = tri_x[n];
    anchor_y = tri_y[n];
    if (n > 0) final_line(canvas, tri_x[n - 1], tri_y[n - 1], tri_x[n], tri_y[n]);
    tri_clicks = n + 1;
    if (tri_clicks == 3) finish_triangle(canvas, list);
    return IUP_DEFAULT;
}

int triangle_motion(CanvasWidget* canvas, int x, int y)
{
    y = canvas_y(canvas, y);
    snap_pointer(canvas, x, y);
    rubber_line(canvas, anchor_x, anchor_y, x, y);
    return IUP_DEFAULT;
}
