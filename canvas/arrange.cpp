// Keyboard work on the highlighted figure. Each command checks that no gesture owns the pointer,
// changes the drawing through the door, then redraws it with the figure highlighted where it is now.
#include "canvas/arrange.h"

#include "canvas/canvas_context.h"
#include "canvas/edits.h"
#include "canvas/gesture.h"
#include "canvas/highlight.h"
#include "canvas/interaction_state.h"
#include "canvas/shape_drawing.h"

#include <algorithm>

namespace {

// The list and the highlighted figure when the keys may work on it, else null.
ObjectList* keyboard_list(CanvasWidget* canvas, int& figure)
{
    ObjectList* list = canvas_list(canvas);
    if (!list || gesture_in_progress()) return nullptr;
    figure = highlighted_figure(list);
    return figure < 0 ? nullptr : list;
}

int place_index(Place place, int i, int count)
{
    switch (place) {
    case Place::Top: return count - 1;
    case Place::Bottom: return 0;
    case Place::Up: return std::min(i + 1, count - 1);
    case Place::Down: return std::max(i - 1, 0);
    }
    return i;
}

}  // namespace

int highlighted_figure(const ObjectList* list)
{
    return list && marked_index >= 0 && marked_index < list_count(list) ? marked_index : -1;
}

void show_highlighted(CanvasWidget* canvas, ObjectList* list, int i)
{
    redraw_all(canvas, list);
    mark_shape(list, i, canvas);
    if (i >= 0) highlight(canvas, list, i, COLOR_RED);
}

void highlight_next(CanvasWidget* canvas, int step)
{
    ObjectList* list = canvas_list(canvas);
    if (!list || gesture_in_progress() || list_count(list) == 0) return;
    const int n = list_count(list);
    const int now = highlighted_figure(list);
    const int next = now < 0 ? (step < 0 ? n - 1 : 0) : (now + step + n) % n;
    mark_shape(list, next, canvas);
    highlight(canvas, list, next, COLOR_RED);
}

void delete_marked(CanvasWidget* canvas)
{
    int i = -1;
    ObjectList* list = keyboard_list(canvas, i);
    if (!list) return;
    delete_shape(list, i);
    redraw_all(canvas, list);
}

void nudge_highlighted(CanvasWidget* canvas, int dx, int dy)
{
    int i = -1;
    ObjectList* list = keyboard_list(canvas, i);
    if (!list) return;
    nudge_shape(list, i, shape_moved_by(list_get(list, i), dx, -int64_t{dy}));  // y grows upwards
    show_highlighted(canvas, list, i);
}

void reorder_highlighted(CanvasWidget* canvas, Place place)
{
    int i = -1;
    ObjectList* list = keyboard_list(canvas, i);
    if (!list) return;
    const int to = place_index(place, i, list_count(list));
    if (to == i) return;
    reorder_shape(list, i, to);
    show_highlighted(canvas, list, to);
}
