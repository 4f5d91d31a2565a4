#include "canvas/edits.h"

#include "canvas/drawing_accessible.h"
#include "canvas/interaction_state.h"
#include "shapes/shape_file.h"

#include <algorithm>

namespace {

EditListener& listener()
{
    static EditListener fn;
    return fn;
}

DrawingWatcher& watcher()
{
    static DrawingWatcher fn;
    return fn;
}

void tell_watcher(const ObjectList* list, bool stored)
{
    if (watcher()) watcher()(*list, file_name, stored);
}

bool same_drawing(const DrawingState& a, const DrawingState& b)
{
    const int n = list_count(&a.list);
    return n == list_count(&b.list) && a.file_name == b.file_name &&
           std::equal(a.list.records, a.list.records + n, b.list.records, [](ShapeRecord p, ShapeRecord q) {
               return p.type == q.type && p.x1 == q.x1 && p.x2 == q.x2 && p.x3 == q.x3 && p.y1 == q.y1 &&
                      p.y2 == q.y2 && p.y3 == q.y3;
           });
}

// Runs one change of the drawing and reports it when it changed anything.
template <class Change>
auto edit(ObjectList* list, Change change, const EditTag& tag = {})
{
    if (!listener() && !watcher()) return change();
    const DrawingState before = current_drawing(list);
    auto result = change();
    const DrawingState after = current_drawing(list);
    if (same_drawing(before, after)) return result;
    if (listener()) listener()(before, after, tag);
    tell_watcher(list, false);
    accessible_list_changed(list);
    return result;
}

}  // namespace

void set_edit_listener(EditListener fn) { listener() = std::move(fn); }
void set_drawing_watcher(DrawingWatcher fn) { watcher() = std::move(fn); }
void drawing_stored(const ObjectList* list) { tell_watcher(list, true); }
void drawing_changed(const ObjectList* list)
{
    tell_watcher(list, false);
    accessible_list_changed(list);
}

int insert_rect(ObjectList* list, int xa, int ya, int xb, int yb)
{
    return edit(list, [&] { return list_add_rect(list, xa, ya, xb, yb); });
}

int insert_ellipse(ObjectList* list, int xa, int ya, int xb, int yb)
{
    return edit(list, [&] { return list_add_ellipse(list, xa, ya, xb, yb); });
}

int insert_triangle(ObjectList* list, int xa, int ya, int xb, int yb, int xc, int yc)
{
    return edit(list, [&] { return list_add_triangle(list, xa, ya, xb, yb, xc, yc); });
}

void replace_shape(ObjectList* list, int i, ShapeRecord r)
{
    edit(list, [&] {
        list_set(list, i, shape_type(r), shape_x1(r), shape_x2(r), shape_x3(r), shape_y1(r), shape_y2(r),
                 shape_y3(r));
        return 0;
    });
}

void delete_shape(ObjectList* list, int i)
{
    edit(list, [&] {
        list_delete(list, i);
        return 0;
    });
}

void new_drawing(ObjectList* list)
{
    edit(list, [&] {
        file_name = NO_FILE_NAME;
        list_clear(list);
        return 0;
    });
}

int open_drawing(ObjectList* list, const std::string& name)
{
    return edit(list, [&] {
        const int n = list_read_file(name, list);
        if (n >= 0) file_name = name;
        return n;
    });
}

int insert_shapes(ObjectList* list, const ShapeRecord* records, int n)
{
    if (n < 0 || n > LIST_CAPACITY - list_count(list)) return 0;
    return edit(list, [&] {
        std::copy(records, records + n, list->records + list_count(list));
        list->count += n;
        return 1;
    });
}

void nudge_shape(ObjectList* list, int i, ShapeRecord r)
{
    edit(list, [&] {
        list->records[i] = r;
        return 0;
    }, {EditKind::Nudge, i});
}

void reorder_shape(ObjectList* list, int from, int to)
{
    edit(list, [&] {
        ShapeRecord* slots = list->records;
        if (from < to) std::rotate(slots + from, slots + from + 1, slots + to + 1);
        else std::rotate(slots + to, slots + from, slots + from + 1);
        return 0;
    });
}

void recover_drawing(ObjectList* list, const DrawingState& state)
{
    edit(list, [&] {
        restore_figures(list, state.list);
        file_name = state.file_name;
        return 0;
    });
}

DrawingState current_drawing(const ObjectList* list)
{
    DrawingState state{};
    state.list.count = list_count(list);
    std::copy(list->records, list->records + list_count(list), state.list.records);
    state.file_name = file_name;
    return state;
}

void restore_figures(ObjectList* list, const ObjectList& figures)
{
    const int n = std::clamp(list_count(&figures), 0, LIST_CAPACITY);
    std::copy(figures.records, figures.records + n, list->records);
    list->count = n;
}
