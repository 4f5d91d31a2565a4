// Keyboard work on the highlighted figure. Each command checks that no gesture owns the pointer,
// changes the drawing through the door, then redraws it with the figure highlighted where it is now.
#include "canvas/arrange.h"

#include "canvas/canvas_context.h"
#include "canvas/canvas_messages.h"
#include "canvas/edits.h"
#include "canvas/gesture.h"
#include "canvas/highlight.h"
#include "canvas/interaction_state.h"
#include "canvas/shape_drawing.h"
#include "canvas/tool_table.h"
#include "toolkit/canvas_widget.h"
#include "toolkit/dialogs.h"
#include "toolkit/number_dialog.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// The coordinates "Posicao e tamanho" takes: those the converter exports.
constexpr int POINT_LIMIT = 16384;
const char* const POINTS_TITLE = "Posicao e tamanho";

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

void stretch_highlighted(CanvasWidget* canvas, int dx, int dy)
{
    int i = -1;
    ObjectList* list = keyboard_list(canvas, i);
    if (!list) return;
    stretch_shape(list, i, shape_moved_by(list_get(list, i), dx, -int64_t{dy}, true));
    show_highlighted(canvas, list, i);
}

void type_points_of_highlighted(CanvasWidget* canvas)
{
    int i = -1;
    ObjectList* list = keyboard_list(canvas, i);
    if (!list) return;
    const ShapeRecord r = list_get(list, i);
    std::vector<int32_t*> points;
    ShapeRecord typed = r;
    for (int32_t* value : {&typed.x1, &typed.y1, &typed.x2, &typed.y2, &typed.x3, &typed.y3})
        if (points.size() < 4 || uses_third_point(r)) points.push_back(value);
    static const char* const LABELS[] = {"x1", "y1", "x2", "y2", "x3", "y3"};
    std::vector<NumberField> fields;
    for (size_t k = 0; k < points.size(); ++k)
        fields.push_back({LABELS[k], std::clamp<int32_t>(*points[k], -POINT_LIMIT, POINT_LIMIT)});
    const std::optional<std::vector<int>> values = ask_numbers(POINTS_TITLE, fields, -POINT_LIMIT, POINT_LIMIT);
    if (!values) return;
    // A field left as shown keeps the figure's own value, even one past the fields' range.
    for (size_t k = 0; k < points.size(); ++k)
        if ((*values)[k] != fields[k].value) *points[k] = (*values)[k];
    replace_shape(list, i, typed);
    show_highlighted(canvas, list, i);
}

void insert_at_centre(CanvasWidget* canvas)
{
    ObjectList* list = canvas_list(canvas);
    const int tool = chosen_tool();
    if (!list || gesture_in_progress() || (tool != TOOL_RECT && tool != TOOL_ELLIPSE && tool != TOOL_TRIANG)) return;
    const int cx = canvas->width() / 2, cy = canvas->height() / 2;
    const int left = cx - 50, right = cx + 50, top = canvas_y(canvas, cy - 30), bottom = canvas_y(canvas, cy + 30);
    int added = 0;
    if (tool == TOOL_RECT) added = insert_rect(list, left, top, right, bottom);
    if (tool == TOOL_ELLIPSE) added = insert_ellipse(list, left, top, right, bottom);
    if (tool == TOOL_TRIANG) added = insert_triangle(list, left, bottom, cx, top, right, bottom);
    if (!added) {
        show_message(MESSAGE_TITLE, LIMIT_MESSAGE);
        return;
    }
    show_highlighted(canvas, list, list_count(list) - 1);
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
