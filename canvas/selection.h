// The selection: the set of figures selected now and the focused one (the last reached or
// clicked, what a screen reader reads), drawn highlighted. Its one owner; every other room asks it.
// A plain click or drag of one figure is the selection of that figure: mark_shape and highlight
// keep the single highlight's behaviour, colours included. The door (canvas/door.h) maps the set
// through every change that adds, removes or reorders figures, and a redraw of the whole drawing
// draws it again; only what drops the highlight on purpose (a resize or repaint, New, Open, a
// press on empty canvas) forgets it. The set and the focused figure (marked_index, the figure the
// select handlers work on too) live in selection.cpp and are written there alone.
#pragma once

#include "core/shape_list.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <vector>

class CanvasWidget;

using FigureSet = std::bitset<LIST_CAPACITY>;

// The figures selected now, and whether figure i is one of them.
const FigureSet& selected_figures();
bool is_selected(int i);
int selection_size();
// The focused figure, or -1; always a selected figure while any is selected.
int focused_figure();
// The selected figures in drawing order, as records (what Copy takes).
ObjectList selected_records(const ObjectList* list);
// The places of the selected figures in drawing order.
std::vector<int> selected_places();

// Makes index (or -1) the focused figure and the whole selection, first redrawing the old
// selection in the current colour (black) to remove its highlight.
void mark_shape(ObjectList* list, int index, CanvasWidget* canvas);
// Focuses index, one of the selected figures.
void focus_on(int index);
// Draws figure index in colour, then goes back to black.
void highlight(CanvasWidget* canvas, const ObjectList* list, int index, uint32_t colour);
// Makes set the selection, focused on focus (a member of set, or -1 for its top-most), and draws
// it: the figures that leave it in black, the selected ones in red.
void select_figures(CanvasWidget* canvas, const ObjectList* list, const FigureSet& set, int focus);
// Draws every selected figure in red.
void draw_selection(CanvasWidget* canvas, const ObjectList* list);
// No figure selected, nothing drawn: the highlight went with the canvas it was on (a resize or
// repaint, New, Open, a recovered drawing).
void forget_selection();

// The door's share: the selection follows the figures through a change. kept[i] is where old
// figure i is now, or -1 when it went; figures added on top are not selected.
void selection_follows(const std::vector<int>& kept);
// The selection and focus as they were, put back without drawing (undo and redo do that).
struct SelectionState {
    FigureSet set;
    int focus = -1;
};
SelectionState selection_now();
void put_back_selection(const SelectionState& state);

// Told after every change of the selection or the focus (assistive technology watches this way).
void watch_selection(std::function<void()> watcher);
