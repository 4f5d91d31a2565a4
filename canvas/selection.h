// The selection: the set of figures selected now and the focused one (the last reached or
// clicked, what a screen reader reads), drawn highlighted. Its one owner; every other room asks it.
// A plain click or drag of one figure is the selection of that figure: mark_shape and highlight
// keep the single highlight's behaviour, colours included. The door (canvas/edits.h) maps the set
// through every change that adds, removes or reorders figures; a redraw of the whole drawing drops
// it. The state lives in marked_index (the focused figure) and selected_index (the figure the
// select handlers work on), with the rest of the interaction state, and in the set here.
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

// Makes index (or -1) the marked and selected figure and the whole selection, first redrawing the
// old selection in the current colour (black) to remove its highlight.
void mark_shape(ObjectList* list, int index, CanvasWidget* canvas);
// Focuses index, one of the selected figures, and makes it the one the select handlers work on.
void focus_on(int index);
// Draws figure index in colour, then goes back to black.
void highlight(CanvasWidget* canvas, const ObjectList* list, int index, uint32_t colour);
// Makes set the selection, focused on focus (a member of set, or -1 for its top-most), and draws
// it: the figures that leave it in black, the selected ones in red.
void select_figures(CanvasWidget* canvas, const ObjectList* list, const FigureSet& set, int focus);
// Draws every selected figure in red.
void draw_selection(CanvasWidget* canvas, const ObjectList* list);
// The selection is gone with the drawing it was on (a redraw, New, Open); nothing is drawn.
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
