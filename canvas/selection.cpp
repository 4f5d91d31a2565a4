// The selection's state and its drawing, written here alone.
#include "canvas/selection.h"

#include "canvas/canvas_context.h"
#include "canvas/rubber_band.h"

namespace {

// The figure drawn highlighted and focused: the last reached or clicked, -1 for none.
int marked_index = -1;

FigureSet& chosen()
{
    static FigureSet set;
    return set;
}

std::vector<std::function<void()>>& watchers()
{
    static std::vector<std::function<void()>> all;
    return all;
}

void tell_watchers()
{
    for (const auto& watcher : watchers()) watcher();
}

void draw_figure(CanvasWidget* canvas, const ObjectList* list, int i)
{
    if (list && i >= 0 && i < list_count(list)) draw_shape(canvas, list_get(list, i));
}

int top_most(const FigureSet& set)
{
    for (int i = LIST_CAPACITY - 1; i >= 0; --i)
        if (set[i]) return i;
    return -1;
}

}  // namespace

const FigureSet& selected_figures() { return chosen(); }

bool is_selected(int i) { return i >= 0 && i < LIST_CAPACITY && chosen()[i]; }

int selection_size() { return int(chosen().count()); }

int focused_figure() { return marked_index; }

ObjectList selected_records(const ObjectList* list)
{
    ObjectList records{};
    if (!list) return records;
    for (int i = 0; i < list_count(list); ++i)
        if (chosen()[i]) records.records[records.count++] = list_get(list, i);
    return records;
}

std::vector<int> selected_places()
{
    std::vector<int> places;
    for (int i = 0; i < LIST_CAPACITY; ++i)
        if (chosen()[i]) places.push_back(i);
    return places;
}

void mark_shape(ObjectList* list, int index, CanvasWidget* canvas)
{
    // The old highlight may be past the end after a delete or an open: then it is no longer drawn.
    for (int i = 0; list && i < list_count(list); ++i)
        if (chosen()[i] && i != index) draw_figure(canvas, list, i);
    chosen().reset();
    if (index >= 0 && index < LIST_CAPACITY) chosen().set(index);
    marked_index = index;
    tell_watchers();
}

void focus_on(int index)
{
    if (!is_selected(index)) return;
    marked_index = index;
    tell_watchers();
}

void highlight(CanvasWidget* canvas, const ObjectList* list, int index, uint32_t colour)
{
    canvas_foreground(canvas, colour);
    draw_figure(canvas, list, index);
    canvas_foreground(canvas, COLOR_BLACK);
}

void select_figures(CanvasWidget* canvas, const ObjectList* list, const FigureSet& set, int focus)
{
    const FigureSet was = chosen();
    for (int i = 0; list && i < list_count(list); ++i)
        if (was[i] && !set[i]) draw_figure(canvas, list, i);
    chosen() = set;
    marked_index = focus >= 0 && set[focus] ? focus : top_most(set);  // never a figure left out
    for (int i = 0; list && i < list_count(list); ++i)
        if (set[i] && !was[i]) highlight(canvas, list, i, COLOR_RED);
    tell_watchers();
}

void draw_selection(CanvasWidget* canvas, const ObjectList* list)
{
    for (int i = 0; list && i < list_count(list); ++i)
        if (chosen()[i]) highlight(canvas, list, i, COLOR_RED);
}

void forget_selection()
{
    chosen().reset();
    marked_index = -1;
    tell_watchers();
}

void selection_follows(const std::vector<int>& kept)
{
    auto moved = [&](int i) { return i >= 0 && i < int(kept.size()) ? kept[i] : -1; };
    FigureSet set;
    for (int i = 0; i < int(kept.size()); ++i)
        if (chosen()[i] && kept[i] >= 0) set.set(kept[i]);
    chosen() = set;
    marked_index = moved(marked_index);
    tell_watchers();
}

SelectionState selection_now() { return {chosen(), marked_index}; }

void put_back_selection(const SelectionState& state)
{
    chosen() = state.set;
    marked_index = state.focus;
    tell_watchers();
}

void watch_selection(std::function<void()> watcher) { watchers().push_back(std::move(watcher)); }
