// Keyboard work on the selection. Each command checks that no gesture owns the pointer, changes the
// drawing through the door (which carries the selection along), then redraws it with the selection
// highlighted where its figures are now.
#include "canvas/arrange.h"

#include "canvas/canvas_context.h"
#include "canvas/canvas_messages.h"
#include "canvas/door.h"
#include "canvas/figure_words.h"
#include "canvas/gesture.h"
#include "canvas/grid.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "canvas/spoken.h"
#include "canvas/tool_table.h"
#include "toolkit/canvas_widget.h"
#include "toolkit/dialogs.h"
#include "toolkit/number_dialog.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace {

// The coordinates "Posição e tamanho" takes: those the converter exports.
constexpr int POINT_LIMIT = 16384;
const char* const POINTS_TITLE = "Posição e tamanho";

// The list when the keys may work on the selection (one figure at least, no gesture), else null.
ObjectList* keyboard_list(CanvasWidget* canvas)
{
    ObjectList* list = drawing_for_keys(canvas);
    return list && selection_size() > 0 ? list : nullptr;
}

// The drawing order after place: the selected figures keep their order among themselves.
std::vector<int> order_after(Place place, int count)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    auto selected = [](int i) { return is_selected(i); };
    if (place == Place::Top) std::stable_partition(order.begin(), order.end(), [&](int i) { return !selected(i); });
    if (place == Place::Bottom) std::stable_partition(order.begin(), order.end(), selected);
    // One place: each selected figure passes the next figure outside the selection, if any; a
    // selected figure already against the end, or against other selected ones there, stays.
    if (place == Place::Up)
        for (int k = count - 2; k >= 0; --k)
            if (selected(order[k]) && !selected(order[k + 1])) std::swap(order[k], order[k + 1]);
    if (place == Place::Down)
        for (int k = 1; k < count; ++k)
            if (selected(order[k]) && !selected(order[k - 1])) std::swap(order[k], order[k - 1]);
    return order;
}

}  // namespace

void step_selection(CanvasWidget* canvas, int step, bool add)
{
    ObjectList* list = drawing_for_keys(canvas);
    if (!list || list_count(list) == 0) return;
    const int n = list_count(list);
    const int now = focused_figure();
    const int next = now < 0 || now >= n ? (step < 0 ? n - 1 : 0) : (now + step + n) % n;
    if (!add) {
        mark_shape(list, next, canvas);
        highlight(canvas, list, next, COLOR_RED);
        return;
    }
    FigureSet set = selected_figures();
    set.set(next);
    select_figures(canvas, list, set, next);
}

void focus_nearest(CanvasWidget* canvas, Direction d)
{
    ObjectList* list = drawing_for_keys(canvas);
    if (!list || list_count(list) == 0) return;
    const int from = focused_figure();
    const int next = from >= 0 && from < list_count(list) ? nearest_in_direction(list, from, d) : first_from_edge(list, d);
    if (next < 0) {
        speak(nothing_that_way(d));
        return;
    }
    mark_shape(list, next, canvas);
    highlight(canvas, list, next, COLOR_RED);
}

void arrange_selection(CanvasWidget* canvas, Arrangement how)
{
    ObjectList* list = keyboard_list(canvas);
    if (!list || selection_size() < arrangement_minimum(how)) return;
    arrange_figures(list, selected_figures(), how);
    redraw_all(canvas, list);
}

void describe_drawing(CanvasWidget* canvas)
{
    if (const ObjectList* list = drawing_for_keys(canvas)) speak(drawing_description(list));
}

void select_all(CanvasWidget* canvas)
{
    ObjectList* list = drawing_for_keys(canvas);
    if (!list || list_count(list) == 0) return;
    FigureSet all;
    for (int i = 0; i < list_count(list); ++i) all.set(i);
    select_figures(canvas, list, all, focused_figure());
}

void select_none(CanvasWidget* canvas)
{
    ObjectList* list = drawing_for_keys(canvas);
    if (!list) return;
    select_figures(canvas, list, FigureSet(), -1);
}

void delete_selection(CanvasWidget* canvas)
{
    ObjectList* list = keyboard_list(canvas);
    if (!list) return;
    delete_figures(list, selected_figures());
    redraw_all(canvas, list);
}

void nudge_selection(CanvasWidget* canvas, int dx, int dy)
{
    ObjectList* list = keyboard_list(canvas);
    if (!list) return;
    move_figures(list, selected_figures(), dx, -int64_t{dy}, true);
    redraw_all(canvas, list);
}

void stretch_selection(CanvasWidget* canvas, int dx, int dy)
{
    ObjectList* list = keyboard_list(canvas);
    if (!list) return;
    stretch_figures(list, selected_figures(), dx, -int64_t{dy}, true);
    redraw_all(canvas, list);
}

void type_points_of_selected(CanvasWidget* canvas)
{
    ObjectList* list = keyboard_list(canvas);
    if (!list || selection_size() != 1) return;
    const int i = focused_figure();
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
    replace_figure(list, i, typed);
    redraw_all(canvas, list);
}

void insert_at_centre(CanvasWidget* canvas)
{
    ObjectList* list = drawing_for_keys(canvas);
    const int tool = chosen_tool();
    if (!list || (tool != TOOL_RECT && tool != TOOL_ELLIPSE && tool != TOOL_TRIANG)) return;
    const int cy = canvas_y(canvas, canvas->height() / 2);
    // While snapping, the figure shifts so that its first point is on the grid: a rectangle's or an
    // ellipse's top-left corner, a triangle's bottom-left one.
    int left = canvas->width() / 2 - 50, first_y = tool == TOOL_TRIANG ? cy - 30 : cy + 30;
    const int centred_y = first_y;
    snap_point(canvas, left, first_y);
    const int right = left + 100, cx = left + 50, top = cy + 30 + first_y - centred_y, bottom = top - 60;
    int added = 0;
    if (tool == TOOL_RECT) added = insert_rect(list, left, top, right, bottom);
    if (tool == TOOL_ELLIPSE) added = insert_ellipse(list, left, top, right, bottom);
    if (tool == TOOL_TRIANG) added = insert_triangle(list, left, bottom, cx, top, right, bottom);
    if (!added) {
        show_message(MESSAGE_TITLE, LIMIT_MESSAGE);
        return;
    }
    redraw_all(canvas, list);
    mark_shape(list, list_count(list) - 1, canvas);
    highlight(canvas, list, list_count(list) - 1, COLOR_RED);
}

void reorder_selection(CanvasWidget* canvas, Place place)
{
    ObjectList* list = keyboard_list(canvas);
    if (!list) return;
    reorder_figures(list, order_after(place, list_count(list)));
    redraw_all(canvas, list);
}
