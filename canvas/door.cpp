#include "canvas/door.h"

#include "core/shape_file.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

std::string file_name = NO_FILE_NAME;  // the current drawing file

DoorListener& listener()
{
    static DoorListener fn;
    return fn;
}

std::map<int, DrawingWatcher>& watchers()
{
    static std::map<int, DrawingWatcher> all;
    return all;
}

std::map<int, ChangeWatcher>& change_watchers()
{
    static std::map<int, ChangeWatcher> all;
    return all;
}

int next_watch_id()
{
    static int last_id = 0;
    return ++last_id;
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

void tell_change_watchers(const DrawingChange& change)
{
    for (const auto& [id, watcher] : change_watchers()) watcher(change);
}

// The set of places first to last - 1.
FigureSet places(int first, int last)
{
    FigureSet set;
    for (int i = std::max(first, 0); i < std::min(last, LIST_CAPACITY); ++i) set.set(i);
    return set;
}

// The records of the figures of which, in drawing order.
std::vector<ShapeRecord> records_of(const ObjectList* list, const FigureSet& which)
{
    std::vector<ShapeRecord> records;
    for (int i = 0; i < list_count(list); ++i)
        if (which[i]) records.push_back(list_get(list, i));
    return records;
}

// Runs work, one change of the drawing, and reports it when it changed anything: the figures, the
// file name, or what the file is known to hold (an Open of the file the drawing already shows).
// work fills in what only it knows of change; the figures' records and count are filled in here.
template <class Work>
auto through_door(ObjectList* list, DrawingChange change, Work work)
{
    const SelectionState selected_before = selection_now();
    const DrawingState before = current_drawing(list);
    const bool was_stored = drawing_in_its_file(list);
    const bool rewrites = change.kind == ChangeKind::Moved || change.kind == ChangeKind::Stretched ||
                          change.kind == ChangeKind::Rewritten;
    if (rewrites) change.records_before = records_of(list, change.figures);
    auto result = work(change);
    const DrawingState after = current_drawing(list);
    const bool changed = !same_drawing(before, after);
    change.count = list_count(list);
    if (change.kind != ChangeKind::Removed && change.kind != ChangeKind::Replaced)
        change.records = records_of(list, change.figures);
    if (changed && listener()) listener()(before, after, change, selected_before);
    if (changed) tell_change_watchers(change);
    if (changed || was_stored != drawing_in_its_file(list)) tell_watchers(list);
    return result;
}

// A figure appended by one of the list's own inserts (n is what it returned).
int added(ObjectList* list, DrawingChange& change, int n)
{
    change.kind = ChangeKind::Added;
    change.figures = places(list_count(list) - n, list_count(list));
    return n;
}

// The figures of which displaced by dx, dy; every point but the first with stretch.
void displace(ObjectList* list, const FigureSet& which, int64_t dx, int64_t dy, bool stretch)
{
    for (int i = 0; i < list_count(list); ++i)
        if (which[i]) list->records[i] = figure_moved_by(list_get(list, i), dx, dy, stretch);
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

void set_door_listener(DoorListener fn) { listener() = std::move(fn); }

int watch_changes(ChangeWatcher fn)
{
    const int id = next_watch_id();
    change_watchers().emplace(id, std::move(fn));
    return id;
}

void stop_watching_changes(int id) { change_watchers().erase(id); }

int watch_drawing(DrawingWatcher fn)
{
    const int id = next_watch_id();
    watchers().emplace(id, std::move(fn));
    return id;
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
    return through_door(list, {}, [&](DrawingChange& c) { return added(list, c, list_add_rect(list, xa, ya, xb, yb)); });
}

int insert_ellipse(ObjectList* list, int xa, int ya, int xb, int yb)
{
    return through_door(list, {}, [&](DrawingChange& c) { return added(list, c, list_add_ellipse(list, xa, ya, xb, yb)); });
}

int insert_triangle(ObjectList* list, int xa, int ya, int xb, int yb, int xc, int yc)
{
    return through_door(list, {}, [&](DrawingChange& c) {
        return added(list, c, list_add_triangle(list, xa, ya, xb, yb, xc, yc));
    });
}

int insert_figures(ObjectList* list, const ShapeRecord* records, int n)
{
    if (n < 0 || n > LIST_CAPACITY - list_count(list)) return 0;
    return through_door(list, {}, [&](DrawingChange& c) {
        std::copy(records, records + n, list->records + list_count(list));
        list->count += n;
        added(list, c, n);
        return 1;
    });
}

void delete_figure(ObjectList* list, int i)
{
    if (i >= 0 && i < list_count(list)) delete_figures(list, FigureSet().set(i));
}

void delete_figures(ObjectList* list, const FigureSet& which)
{
    const DrawingChange removed{.kind = ChangeKind::Removed, .figures = which & places(0, list_count(list)),
                                .records = records_of(list, which)};
    through_door(list, removed, [&](DrawingChange&) {
        const std::vector<int> kept = kept_without(list_count(list), which);
        for (int i = list_count(list) - 1; i >= 0; --i)  // from the top, so no removal moves one still to come
            if (which[i]) list_delete(list, i);
        selection_follows(kept);
        return 0;
    });
}

void move_figures(ObjectList* list, const FigureSet& which, int64_t dx, int64_t dy, bool joins_run)
{
    const DrawingChange moved{.kind = ChangeKind::Moved, .figures = which, .dx = dx, .dy = dy, .joins_run = joins_run};
    through_door(list, moved, [&](DrawingChange&) {
        displace(list, which, dx, dy, false);
        return 0;
    });
}

void stretch_figures(ObjectList* list, const FigureSet& which, int64_t dx, int64_t dy, bool joins_run)
{
    const DrawingChange stretched{.kind = ChangeKind::Stretched, .figures = which, .dx = dx, .dy = dy,
                                  .joins_run = joins_run};
    through_door(list, stretched, [&](DrawingChange&) {
        displace(list, which, dx, dy, true);
        return 0;
    });
}

void replace_figure(ObjectList* list, int i, ShapeRecord r)
{
    if (i < 0 || i >= list_count(list)) return;
    through_door(list, {.kind = ChangeKind::Rewritten, .figures = FigureSet().set(i)}, [&](DrawingChange&) {
        list_set(list, i, shape_type(r), shape_x1(r), shape_x2(r), shape_x3(r), shape_y1(r), shape_y2(r),
                 shape_y3(r));
        return 0;
    });
}

void arrange_figures(ObjectList* list, const FigureSet& which, Arrangement how)
{
    std::vector<int> places;
    for (int i = 0; i < list_count(list); ++i)
        if (which[i]) places.push_back(i);
    const ObjectList arranged_list = arranged(list, places, how);
    through_door(list, {.kind = ChangeKind::Rewritten, .figures = which, .arrangement = how}, [&](DrawingChange&) {
        std::copy(arranged_list.records, arranged_list.records + list_count(list), list->records);
        return 0;
    });
}

void reorder_figures(ObjectList* list, const std::vector<int>& order)
{
    if (std::ssize(order) != list_count(list)) return;
    through_door(list, {.kind = ChangeKind::Reordered}, [&](DrawingChange& c) {
        const ObjectList was = *list;
        std::vector<int> kept(order.size(), -1);
        for (size_t k = 0; k < order.size(); ++k) {
            list->records[k] = was.records[order[k]];
            kept[order[k]] = int(k);
            if (order[k] != int(k)) c.figures.set(k);
        }
        selection_follows(kept);
        return 0;
    });
}

void new_drawing(ObjectList* list)
{
    through_door(list, {.kind = ChangeKind::Replaced, .replacement = Replacement::New}, [&](DrawingChange&) {
        file_name = NO_FILE_NAME;
        list_clear(list);
        forget_selection();
        return 0;
    });
}

int open_drawing(ObjectList* list, const std::string& name)
{
    return through_door(list, {.kind = ChangeKind::Replaced, .replacement = Replacement::Opened}, [&](DrawingChange&) {
        const int n = list_read_file(name, list);
        if (n < 0) return n;
        file_name = name;
        remember_stored(list);
        forget_selection();
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

void recover_drawing(ObjectList* list, const DrawingState& state)
{
    through_door(list, {.kind = ChangeKind::Replaced, .replacement = Replacement::Recovered}, [&](DrawingChange&) {
        restore_figures(list, state.list);
        file_name = state.file_name;
        forget_selection();
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

void put_back_drawing(ObjectList* list, const DrawingState& state, bool renames, const DrawingChange& change)
{
    restore_figures(list, state.list);
    if (renames) file_name = state.file_name;
    tell_change_watchers(change);
    tell_watchers(list);
}
