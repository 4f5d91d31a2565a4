// Copy, Cut, Paste and Duplicate on the drawing; the clipboard's forms are app/clipboard's.
#include "canvas/figure_transfer.h"

#include "canvas/arrange.h"
#include "canvas/canvas_context.h"
#include "canvas/canvas_messages.h"
#include "canvas/edits.h"
#include "canvas/gesture.h"
#include "core/shape_file.h"
#include "toolkit/dialogs.h"

#include <algorithm>

ObjectList figures_to_copy(CanvasWidget* canvas)
{
    ObjectList figures{};
    const ObjectList* list = canvas_list(canvas);
    if (!list || gesture_in_progress()) return figures;
    const int i = highlighted_figure(list);
    if (i < 0) return *list;
    figures.records[0] = list_get(list, i);
    figures.count = 1;
    return figures;
}

ObjectList cut_highlighted(CanvasWidget* canvas)
{
    ObjectList figures{};
    ObjectList* list = canvas_list(canvas);
    if (!list || gesture_in_progress()) return figures;
    const int i = highlighted_figure(list);
    if (i < 0) return figures;
    figures.records[0] = list_get(list, i);
    figures.count = 1;
    delete_shape(list, i);
    show_highlighted(canvas, list, -1);
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
    for (int i = 0; i < list_count(&figures); ++i) moved.records[i] = shape_moved_by(figures.records[i], d, -d);
    return moved;
}

bool paste_figures(CanvasWidget* canvas, const ObjectList& figures)
{
    ObjectList* list = canvas_list(canvas);
    if (!list || gesture_in_progress()) return false;
    const int n = list_count(&figures);
    if (!insert_shapes(list, figures.records, n)) {
        show_message(MESSAGE_TITLE, LIMIT_MESSAGE);
        return false;
    }
    show_highlighted(canvas, list, n == 1 ? list_count(list) - 1 : -1);
    return true;
}
