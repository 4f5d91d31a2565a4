#include "canvas/edits.h"

#include "core/shape_file.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

std::string file_name = NO_FILE_NAME;  // the current drawing file

EditListener& listener()
{
    static EditListener fn;
    return fn;
}

std::map<int, DrawingWatcher>& watchers()
{
    static std::map<int, DrawingWatcher> all;
    return all;
}

// The figures last read from or written to each file this editor used.
std::map<std::string, std::vector<ShapeRecord>>& stored_figures()
{
    static std::map<std::string, std::vector<ShapeRecord>> files;
    return files;
}

void remember_stored(const ObjectList* list)
{
    stored_figures()[file_name].assign(list->records, list->records + list_count(list));
}

void tell_watchers(const ObjectList* list)
{
    if (watchers().empty()) return;
    const bool stored = drawing_in_its_file(list);
    for (const auto& [id, watcher] : watchers()) watcher(*list, file_name, stored);
}

// Runs one change of the drawing and reports it when it changed anything: the figures, the file
// name, or what the file is known to hold (an Open of the file the drawing already shows).
template <class Change>
auto edit(ObjectList* list, Change change, EditTag tag = {})
{
    if (!listener() && watchers().empty()) return change();
    tag.selected_before = selection_now();
    const DrawingState before = current_drawing(list);
    const bool was_stored = drawing_in_its_file(list);
    auto result = change();
    const DrawingState after = current_drawing(list);
    const bool changed = !same_drawing(before, after);
    if (changed && listener()) listener()(before, after, tag);
    if (changed || was_stored != drawing_in_its_file(list)) tell_watchers(list);
    return result;
}

void restore_figures(ObjectList* list, const ObjectList& figures)
{
    const int n = std::clamp(list_count(&figures), 0, LIST_CAPACITY);
    std::copy(figures.records, figures.records + n, list->records);
    list->count = n;
}

// Where each of count figures goes when those of which are removed: -1 for them, the rest closing up.
std::vector<int> kept_without(int count, const FigureSet& which)
{
    std::vector<int> kept(count, -1);
    int n = 0;
    for (int i = 0; i < count; ++i)
        if (!which[i]) kept[i] = n++;
    return kept;
}

}  // namespace

bool same_drawing(const DrawingState& a, const DrawingState& b)
{
    const int n = list_count(&a.list);
    return n == list_count(&b.list) && a.file_name == b.file_name &&
           std::equal(a.list.records, a.list.records + n, b.list.records);
}

void set_edit_listener(EditListener fn) { listener() = std::move(fn); }

int watch_drawing(DrawingWatcher fn)
{
    static int last_id = 0;
    watchers().emplace(++last_id, std::move(fn));
    return last_id;
}

void stop_watching(int id) { watchers().erase(id); }

const std::string& current_file_name() { return file_name; }

void start_drawing()
{
    file_name = NO_FILE_NAME;
    stored_figures().clear();
}

bool drawing_in_its_file(const ObjectList* list)
{
    if (file_name == NO_FILE_NAME) return list_count(list) == 0;
    const auto stored = stored_figures().find(file_name);
    return stored != stored_figures().end() && std::ssize(stored->second) == list_count(list) &&
           std::equal(stored->second.begin(), stored->second.end(), list->records);
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
    if (i >= 0 && i < list_count(list)) delete_shapes(list, FigureSet().set(i));
}

void delete_shapes(ObjectList* list, const FigureSet& which)
{
    edit(list, [&] {
        const std::vector<int> kept = kept_without(list_count(list), which);
        for (int i = list_count(list) - 1; i >= 0; --i)  // from the top, so no removal moves one still to come
            if (which[i]) list_delete(list, i);
        selection_follows(kept);
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
        if (n < 0) return n;
        file_name = name;
        remember_stored(list);
        return n;
    });
}

bool save_drawing(const ObjectList* list, const std::string& name)
{
    file_name = name;
    const bool written = list_write_file(name, list) >= 0;
    if (written) remember_stored(list);
    tell_watchers(list);
    return written;
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

void rewrite_shapes(ObjectList* list, const ObjectList& figures, const FigureSet& which, EditKind kind)
{
    if (list_count(&figures) != list_count(list)) return;
    edit(list, [&] {
        std::copy(figures.records, figures.records + list_count(list), list->records);
        return 0;
    }, {.kind = kind, .figures = which});
}

void reorder_shapes(ObjectList* list, const std::vector<int>& order)
{
    if (std::ssize(order) != list_count(list)) return;
    edit(list, [&] {
        const ObjectList was = *list;
        std::vector<int> kept(order.size(), -1);
        for (size_t k = 0; k < order.size(); ++k) {
            list->records[k] = was.records[order[k]];
            kept[order[k]] = int(k);
        }
        selection_follows(kept);
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

void put_back_drawing(ObjectList* list, const DrawingState& state, bool renames)
{
    restore_figures(list, state.list);
    if (renames) file_name = state.file_name;
    tell_watchers(list);
}
