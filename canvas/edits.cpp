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
auto edit(ObjectList* list, Change change, const EditTag& tag = {})
{
    if (!listener() && watchers().empty()) return change();
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

// A key's rewrite of figure i, tagged so a run of the same key's rewrites is one undo step.
void rewrite_by_key(ObjectList* list, int i, ShapeRecord r, EditKind kind)
{
    edit(list, [&] {
        list->records[i] = r;
        return 0;
    }, {kind, i});
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

void nudge_shape(ObjectList* list, int i, ShapeRecord r) { rewrite_by_key(list, i, r, EditKind::Nudge); }

void stretch_shape(ObjectList* list, int i, ShapeRecord r) { rewrite_by_key(list, i, r, EditKind::Stretch); }

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

void put_back_drawing(ObjectList* list, const DrawingState& state, bool renames)
{
    restore_figures(list, state.list);
    if (renames) file_name = state.file_name;
    tell_watchers(list);
}
