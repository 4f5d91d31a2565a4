// Select and delete tools, in lifecycle order: the press that grabs, the motion that shows where
// the figure goes, the release that rewrites it. A select drag belongs to the button that started
// it (select_drag_button): only that button's release ends it. Start reading at select_button.
#include "canvas/selection.h"

#include "canvas/canvas_context.h"
#include "canvas/edits.h"
#include "canvas/gesture.h"
#include "canvas/highlight.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "shapes/hit_test.h"
#include "toolkit/callbacks.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

using Displacement = ShapeRecord (*)(const ObjectList*, int, int, int);

// Figures and pointers may lie anywhere in int32: sum wide and hold the result at the limits.
int32_t moved(int32_t v, int64_t d)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + d, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// The third point moves only for a triangle: the others keep their -1 there.
ShapeRecord displaced(ShapeRecord r, bool first_too, int px, int py)
{
    const int64_t dx = int64_t{px} - anchor_x, dy = int64_t{py} - anchor_y;
    const int64_t dx1 = first_too ? dx : 0, dy1 = first_too ? dy : 0;
    const bool triangle = shape_type(r) == SHAPE_TRIANGLE;
    const int64_t dx3 = triangle ? dx : 0, dy3 = triangle ? dy : 0;
    return {shape_type(r), moved(shape_x1(r), dx1), moved(shape_x2(r), dx), moved(shape_x3(r), dx3),
            moved(shape_y1(r), dy1), moved(shape_y2(r), dy), moved(shape_y3(r), dy3)};
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
    if (button != '1' && button != '3') {
        mark_shape(list, -1, canvas);
        return;
    }
    set_function("motion_act", button == '1' ? move_motion : stretch_motion);
    select_drag_button = button;
    highlight(canvas, list, d, drag_colour(button));
    anchor_x = x;
    anchor_y = y;
}

void drop(CanvasWidget* canvas, ObjectList* list, int button, int x, int y)
{
    const int drag = select_drag_button;
    if (grabbed_index < 0 || drag == 0 || button != drag) return;  // not this drag's release
    const int d = dragged_index(list);
    if (d < 0) {
        end_drag(canvas);  // the figure was taken away mid-drag: it stays as it is
        return;
    }
    const ShapeRecord r = drag == '1' ? shape_translate(list, d, x, y) : shape_stretch(list, d, x, y);
    replace_shape(list, d, r);
    redraw_all(canvas, list);  // takes the feedback outline and the old place off the canvas
    mark_shape(list, grabbed_index, canvas);
    highlight(canvas, list, d, drag_colour(drag));
    end_gesture();
}

int drag_motion(CanvasWidget* canvas, int x, int y, Displacement displace)
{
    y = canvas_y(canvas, y);
    const ObjectList* list = canvas_list(canvas);
    if (!list) return IUP_DEFAULT;
    const int d = dragged_index(list);
    if (d < 0) return IUP_DEFAULT;  // nothing left to follow the pointer; the release ends the drag
    const ShapeRecord r = displace(list, d, x, y);
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
    const int drag = select_drag_button;
    if (drag && button != drag) return IUP_DEFAULT;  // another button during a drag grabs nothing
    if (drag) end_drag(canvas);  // the drag's own release never came: start afresh
    grab(canvas, list, button, x, y);
    return IUP_DEFAULT;
}

int move_motion(CanvasWidget* canvas, int x, int y) { return drag_motion(canvas, x, y, shape_translate); }

int stretch_motion(CanvasWidget* canvas, int x, int y) { return drag_motion(canvas, x, y, shape_stretch); }

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

void delete_marked(CanvasWidget* canvas)
{
    ObjectList* list = canvas_list(canvas);
    if (!list || gesture_in_progress() || marked_index < 0 || marked_index >= list_count(list)) return;
    delete_shape(list, marked_index);
    redraw_all(canvas, list);
}
