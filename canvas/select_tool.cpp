// Select and delete tools, in lifecycle order: the press that grabs, the motion that shows where
// the figure goes, the release that rewrites it. Besides the drags of one figure: Shift+click
// toggles a figure in the selection, a left drag on a selected figure moves the whole selection,
// and a left drag from empty canvas is a band that selects what lies wholly inside it. Each select drag is a row of SELECT_DRAGS, and the
// drag running is the row whose motion handler is registered: only its button's release ends it.
// Start reading at select_button.
#include "canvas/select_tool.h"

#include "canvas/canvas_context.h"
#include "canvas/door.h"
#include "canvas/grid.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "core/figure_box.h"
#include "core/hit_test.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using Displacement = ShapeRecord (*)(const ObjectList*, int, int, int);
using Commit = void (*)(ObjectList*, const FigureSet&, int64_t dx, int64_t dy, bool joins_run);
struct SelectDrag;
using Release = void (*)(const SelectDrag& drag, CanvasWidget* canvas, ObjectList* list, int x, int y);

// A select drag: the button that starts and ends it, the handler that shows where the figures go,
// how a figure is displaced and the door's operation that does it for good, its highlight while it
// is dragged, the release that ends it, and the point of the grabbed figure the grid's snapping
// places (1 the first, 2 the second, 0 none).
struct SelectDrag {
    int button;
    MotionFn motion;
    Displacement displace;
    Commit commit;
    uint32_t colour;
    Release release;
    int carried;
};

void drop(const SelectDrag& drag, CanvasWidget* canvas, ObjectList* list, int x, int y);
void drop_several(const SelectDrag&, CanvasWidget* canvas, ObjectList* list, int x, int y);
void drop_band(const SelectDrag&, CanvasWidget* canvas, ObjectList* list, int x, int y);
int move_several_motion(CanvasWidget* canvas, int x, int y);
int band_motion(CanvasWidget* canvas, int x, int y);

enum SelectDragRow { MOVE, STRETCH, MOVE_SEVERAL, BAND };
const SelectDrag SELECT_DRAGS[] = {
    {'1', move_motion, shape_translate, move_figures, COLOR_RED, drop, 1},       // MOVE: every point follows the pointer
    {'3', stretch_motion, shape_stretch, stretch_figures, COLOR_BLUE, drop, 2},  // STRETCH: all but the first point
    {'1', move_several_motion, shape_translate, move_figures, COLOR_RED, drop_several, 1},  // the selection of several
    {'1', band_motion, nullptr, nullptr, COLOR_BLACK, drop_band, 0},             // a band from empty canvas: exact
};

// A release this close to the press, in pixels each way, is a click: no band.
constexpr int BAND_CLICK = 2;

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
    return figure_moved_by(r, int64_t{px} - anchor_x, int64_t{py} - anchor_y, !first_too);
}

// The figure the running drag works on, or -1 once a repaint has dropped the selection.
int dragged_index(const ObjectList* list)
{
    const int d = focused_figure();
    return (d >= 0 && d < list_count(list) && d == grabbed_index) ? d : -1;
}

// The pointer shifted so that the grabbed figure's carried point lands on the grid (while
// snapping, Ctrl not held). A pointer back at its anchor moves nothing, so a click only selects.
void snap_drag(const SelectDrag& drag, CanvasWidget* canvas, ShapeRecord grabbed, int& x, int& y)
{
    if (!drag.carried || (x == anchor_x && y == anchor_y)) return;
    const int64_t dx = int64_t{x} - anchor_x, dy = int64_t{y} - anchor_y;
    const bool first = drag.carried == 1;
    snap_carried(canvas, (first ? shape_x1(grabbed) : shape_x2(grabbed)) + dx,
                 (first ? shape_y1(grabbed) : shape_y2(grabbed)) + dy, x, y);
}

void end_drag(CanvasWidget* canvas)
{
    rubber_erase(canvas);
    end_gesture();
}

void start_drag(const SelectDrag& drag, int x, int y)
{
    set_function("motion_act", drag.motion);
    anchor_x = x;
    anchor_y = y;
}

void grab(CanvasWidget* canvas, ObjectList* list, int button, int x, int y)
{
    const int d = list_pick(list, x, y);
    grabbed_index = d;
    mark_shape(list, d, canvas);
    if (d < 0) {  // empty canvas: the old highlight goes; a left drag from here is a band
        if (button == '1') start_drag(SELECT_DRAGS[BAND], x, y);
        return;
    }
    const SelectDrag* drag = drag_of_button(button);
    if (!drag) {
        mark_shape(list, -1, canvas);
        return;
    }
    highlight(canvas, list, d, drag->colour);
    start_drag(*drag, x, y);
}

// Shift with the left button: a figure joins the selection or leaves it, and nothing is grabbed;
// on empty canvas a band adds to the selection.
void toggle(CanvasWidget* canvas, ObjectList* list, int x, int y)
{
    const int d = list_pick(list, x, y);
    grabbed_index = -1;
    if (d < 0) {
        start_drag(SELECT_DRAGS[BAND], x, y);
        return;
    }
    FigureSet set = selected_figures();
    set.flip(d);
    select_figures(canvas, list, set, d);
}

void drop(const SelectDrag& drag, CanvasWidget* canvas, ObjectList* list, int x, int y)
{
    if (grabbed_index < 0) return;
    const int d = dragged_index(list);
    if (d < 0) {
        end_drag(canvas);  // the figure was taken away mid-drag: it stays as it is
        return;
    }
    snap_drag(drag, canvas, list_get(list, d), x, y);
    drag.commit(list, FigureSet().set(d), int64_t{x} - anchor_x, int64_t{y} - anchor_y, false);
    redraw_all(canvas, list);  // takes the feedback outline and the old place off the canvas
    mark_shape(list, grabbed_index, canvas);
    highlight(canvas, list, d, drag.colour);
    end_gesture();
}

int drag_motion(CanvasWidget* canvas, int x, int y, const SelectDrag& drag)
{
    y = canvas_y(canvas, y);
    const ObjectList* list = canvas_list(canvas);
    if (!list) return IUP_DEFAULT;
    const int d = dragged_index(list);
    if (d < 0) return IUP_DEFAULT;  // nothing left to follow the pointer; the release ends the drag
    snap_drag(drag, canvas, list_get(list, d), x, y);
    const ShapeRecord r = drag.displace(list, d, x, y);
    draw_shape_rubber(canvas, shape_type(r), shape_x1(r), shape_x2(r), shape_x3(r), shape_y1(r), shape_y2(r),
                      shape_y3(r));
    return IUP_DEFAULT;
}

// Several figures follow the pointer: the drawing as it is, the selection in red, and each
// selected figure's outline where it would go, in not-xor.
int move_several_motion(CanvasWidget* canvas, int x, int y)
{
    y = canvas_y(canvas, y);
    const ObjectList* list = canvas_list(canvas);
    CanvasContext* ctx = active_context(canvas);
    if (!list || !ctx || dragged_index(list) < 0) return IUP_DEFAULT;
    snap_drag(SELECT_DRAGS[MOVE_SEVERAL], canvas, list_get(list, dragged_index(list)), x, y);
    draw_list_on_grid(ctx->surface, list, canvas_grid(canvas));
    forget_rubber(ctx);
    draw_selection(canvas, list);
    for (int i : selected_places())
        if (i < list_count(list)) draw_record(ctx->surface, shape_translate(list, i, x, y), WriteMode::NotXor);
    surface_write_mode(ctx->surface, WriteMode::Replace);
    return IUP_DEFAULT;
}

void drop_several(const SelectDrag& drag, CanvasWidget* canvas, ObjectList* list, int x, int y)
{
    end_gesture();
    if (dragged_index(list) < 0) return;  // a repaint dropped the selection mid-drag: nothing moves
    snap_drag(drag, canvas, list_get(list, dragged_index(list)), x, y);
    drag.commit(list, selected_figures(), int64_t{x} - anchor_x, int64_t{y} - anchor_y, false);
    redraw_all(canvas, list);
}

// The pointer is traced as it was before bands existed, and the band follows it.
int band_motion(CanvasWidget* canvas, int x, int y)
{
    motion_trace(canvas, x, y);
    rubber_rect(canvas, anchor_x, anchor_y, x, canvas_y(canvas, y));
    return IUP_DEFAULT;
}

// Whether r's box lies in the box of corners (xa, ya) and (xb, yb), edges included.
bool lies_within(ShapeRecord r, int xa, int ya, int xb, int yb)
{
    const FigureBox box = figure_box(r);
    return box.left >= std::min(xa, xb) && box.right <= std::max(xa, xb) && box.bottom >= std::min(ya, yb) &&
           box.top <= std::max(ya, yb);
}

void drop_band(const SelectDrag&, CanvasWidget* canvas, ObjectList* list, int x, int y)
{
    end_drag(canvas);
    if (std::abs(int64_t{x} - anchor_x) <= BAND_CLICK && std::abs(int64_t{y} - anchor_y) <= BAND_CLICK) return;
    FigureSet set = selected_figures();
    for (int i = 0; i < list_count(list); ++i)
        if (lies_within(list_get(list, i), anchor_x, anchor_y, x, y)) set.set(i);
    select_figures(canvas, list, set, -1);
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
    const SelectDrag* drag = running_drag();
    if (!pressed) {
        if (drag && button == drag->button) drag->release(*drag, canvas, list, x, y);  // else not this drag's release
        return IUP_DEFAULT;
    }
    if (drag && button != drag->button) return IUP_DEFAULT;  // another button during a drag grabs nothing
    if (drag) end_drag(canvas);  // the drag's own release never came: start afresh
    const int d = list_pick(list, x, y);
    if (button == '1' && canvas->shift_held()) toggle(canvas, list, x, y);
    else if (button == '1' && is_selected(d) && selection_size() > 1) {
        grabbed_index = d;  // the whole selection moves, and stays selected
        focus_on(d);
        start_drag(SELECT_DRAGS[MOVE_SEVERAL], x, y);
    } else grab(canvas, list, button, x, y);
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
    delete_figure(list, e);
    redraw_dropping_selection(canvas, list);
    return IUP_DEFAULT;
}
