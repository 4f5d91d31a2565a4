// Copy, Cut, Paste and Duplicate on the drawing; the clipboard's forms are app/clipboard's.
#include "canvas/figure_transfer.h"

#include "canvas/arrange.h"
#include "canvas/canvas_context.h"
#include "canvas/canvas_messages.h"
#include "canvas/door.h"
#include "canvas/gesture.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "core/shape_file.h"
#include "toolkit/dialogs.h"

#include <algorithm>

ObjectList figures_to_copy(CanvasWidget* canvas)
{
    ObjectList figures{};
    const ObjectList* list = drawing_for_keys(canvas);
    if (!list) return figures;
    return selection_size() > 0 ? selected_records(list) : *list;
}

ObjectList cut_selection(CanvasWidget* canvas)
{
    const ObjectList* list = drawing_for_keys(canvas);
    if (!list || selection_size() == 0) return {};
    const ObjectList figures = selected_records(list);
    delete_selection(canvas);
    return figures;
}

std::optional<ObjectList> figures_of_ours(std::string_view bytes)
{
    const size_t record = sizeof(ShapeRecord);
    if (bytes.empty() || bytes.size() % record != 0 || bytes.size() / record > LIST_CAPACITY) return std::nullopt;
    ObjectList figures{};
    list_read_bytes(bytes, &figures);
    const ShapeRecord* begin = figures.records;
    const ShapeRecord* end = begin + figures.count;
    const bool known = std::all_of(begin, end, [](ShapeRecord r) {
        return r.type == SHAPE_RECT || r.type == SHAPE_ELLIPSE || r.type == SHAPE_TRIANGLE;
    });
    if (!known) return std::nullopt;
    return figures;
}

ObjectList pasted_place(const ObjectList& figures, int times)
{
    ObjectList moved = figures;
    const int64_t d = int64_t{PASTE_STEP} * times;
    for (int i = 0; i < list_count(&figures); ++i) moved.records[i] = figure_moved_by(figures.records[i], d, -d);
    return moved;
}

bool paste_figures(CanvasWidget* canvas, const ObjectList& figures)
{
    ObjectList* list = drawing_for_keys(canvas);
    if (!list) return false;
    const int n = list_count(&figures);
    if (!insert_figures(list, figures.records, n)) {
        show_message(MESSAGE_TITLE, LIMIT_MESSAGE);
        return false;
    }
    redraw_all(canvas, list);
    FigureSet pasted;
    for (int i = list_count(list) - n; i < list_count(list); ++i) pasted.set(i);
    select_figures(canvas, list, pasted, list_count(list) - 1);
    return true;
}
