// Select and delete tools, in lifecycle order: the press that grabs, the motion that shows where
// the figure goes, the release that rewrites it. Each select drag is a row of SELECT_DRAGS, and the
// drag running is the row whose motion handler is registered: only its button's release ends it.
// Start reading at select_button.
#include "canvas/selection.h"

#include "canvas/canvas_context.h"
#include "canvas/edits.h"
#include "canvas/highlight.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "core/hit_test.h"
#include "toolkit/callbacks.h"

#include <cstdint>

namespace {

using Displacement = ShapeRecord (*)(const ObjectList*, int, int, int);

// A select drag: the button that starts and ends it, the handler that shows where the figure goes,
// how the figure is displaced, and its highlight while it is dragged.
struct SelectDrag {
    int button;
    MotionFn motion;
    Displacement displace;
    uint32_t colour;
};

enum SelectDragRow { MOVE, STRETCH };
const SelectDrag SELECT_DRAGS[] = {
    {'1', move_motion, shape_translate, COLOR_RED},     // MOVE: every point follows the pointer
    {'3', stretch_motion, shape_stretch, COLOR_BLUE},  // STRETCH: all but the first point
};

const SelectDrag* drag_of_button(int button)
{
    for (const SelectDrag& drag : SELECT_DRAGS)
        if (drag.button == button) return &drag;
    return nullptr;
}

// The drag in progress, known by its registered motion handler; null when none runs.
const SelectDrag* running_drag()
{
    const MotionFn motion = find_motion("motion_act");
    for (const SelectDrag& drag : SELECT_DRAGS)
        if (drag.motion == motion) return &drag;
    return nullptr;
}

// The figure displaced by the pointer's distance from the anchor.
ShapeRecord displaced(ShapeRecord r, bool first_too, int px, int py)
{
    return shape_moved_by(r, int64_t{px} - anchor_x, int64_t{py} - anchor_y, !first_too);
}

// The figure the running drag works on, or -1 once a redraw has dropped the selection.
int dragged_index(const ObjectList* list)
{
    const int d = selected_index;
    return (d >= 0 && d < list_count(list) && d == grabbed_index) ? d : -1;
}

void end_drag(CanvasWidget* canvas)
{
    rubber_erase(canvas);
    end_gesture();
}

void grab(CanvasWidget* canvas, ObjectList* list, int button, int x, int y)
{
    const int d = list_pick(list, x, y);
    grabbed_index = d;
    mark_shape(list, d, canvas);
    if (d < 0) return;  // empty canvas: the old highlight goes, nothing else
    const SelectDrag* drag = drag_of_button(button);
    if (!drag) {
        mark_shape(list, -1, canvas);
        return;
    }
    set_function("motion_act", drag->motion);
    highlight(canvas, list, d, drag->colour);
    anchor_x = x;
    anchor_y = y;
}

void drop(CanvasWidget* canvas, ObjectList* list, int button, int x, int y)
{
    const SelectDrag* drag = running_drag();
    if (grabbed_index < 0 || !drag || button != drag->button) return;  // not this drag's release
    const int d = dragged_index(list);
    if (d < 0) {
        end_drag(canvas);  // the figure was taken away mid-drag: it stays as it is
        return;
    }
    replace_shape(list, d, drag->displace(list, d, x, y));
    redraw_all(canvas, list);  // takes the feedback outline and the old place off the canvas
    mark_shape(list, grabbed_index, canvas);
    highlight(canvas, list, d, drag->colour);
    end_gesture();
}

int drag_motion(CanvasWidget* canvas, int x, int y, const SelectDrag& drag)
{
    y = canvas_y(canvas, y);
    const ObjectList* list = canvas_list(canvas);
    if (!list) return IUP_DEFAULT;
    const int d = dragged_index(list);
    if (d < 0) return IUP_DEFAULT;  // nothing left to follow the pointer; the release ends the drag
    const ShapeRecord r = drag.displace(list, d, x, y);
    draw_shape_rubber(canvas, shape_type(r), shape_x1(r), shape_x2(r), shape_x3(r), shape_y1(r), shape_y2(r),
                      shape_y3(r));
    return IUP_DEFAULT;
}

}  // namespace

ShapeRecord shape_translate(const ObjectList* list, int index, int px, int py)
{
    return displaced(list_get(list, index), true, px, py);
}

ShapeRecord shape_stretch(const ObjectList* list, int index, int px, int py)
{
    return displaced(list_get(list, index), false, px, py);
}

int select_button(CanvasWidget* canvas, int button, int pressed, int x, int y)
{
    y = canvas_y(canvas, y);
    ObjectList* list = canvas_list(canvas);
    if (!list) return IUP_DEFAULT;
    if (!pressed) {
        drop(canvas, list, button, x, y);
        return IUP_DEFAULT;
    }
    const SelectDrag* drag = running_drag();
    if (drag && button != drag->button) return IUP_DEFAULT;  // another button during a drag grabs nothing
    if (drag) end_drag(canvas);  // the drag's own release never came: start afresh
    grab(canvas, list, button, x, y);
    return IUP_DEFAULT;
}

bool select_drag_running() { return running_drag() != nullptr; }

int move_motion(CanvasWidget* canvas, int x, int y) { return drag_motion(canvas, x, y, SELECT_DRAGS[MOVE]); }

int stretch_motion(CanvasWidget* canvas, int x, int y) { return drag_motion(canvas, x, y, SELECT_DRAGS[STRETCH]); }

int delete_button(CanvasWidget* canvas, int button, int pressed, int x, int y)
{
    y = canvas_y(canvas, y);
    ObjectList* list = canvas_list(canvas);
    if (!list || button != '1' || !pressed) return IUP_DEFAULT;
    const int e = list_pick(list, x, y);
    if (e < 0) return IUP_DEFAULT;  // empty canvas: nothing to delete
    delete_shape(list, e);
    redraw_all(canvas, list);
    return IUP_DEFAULT;
}
