// The keyboard's work on the highlighted figure, whatever tool is chosen, between gestures: Tab
// and Shift+Tab walk the highlight through every figure (those no click can pick included), the
// arrow keys nudge it, Home, End, Page Up and Page Down change its place in the drawing order,
// Delete removes it.
// Every change goes through the door (canvas/edits.h); the figure stays highlighted.
#pragma once

#include "core/shape_list.h"

#include <cstdint>

class CanvasWidget;

// The highlighted figure (the select tool's or Tab's), or -1 when none is.
int highlighted_figure(const ObjectList* list);
// Tab (step -1: from the top-most downwards, round again) or Shift+Tab (step +1); with none
// highlighted, Tab starts at the top-most figure and Shift+Tab at the bottom-most.
void highlight_next(CanvasWidget* canvas, int step);
// The Delete key: removes the highlighted figure and redraws.
void delete_marked(CanvasWidget* canvas);
// Moves the highlighted figure by dx, dy screen pixels (y down), one undo step for a run of them.
void nudge_highlighted(CanvasWidget* canvas, int dx, int dy);

enum class Place { Top, Bottom, Up, Down };
// Home (top of the drawing, drawn last and picked first), End (bottom), Page Up or Page Down
// (one place); nothing at the end it would pass.
void reorder_highlighted(CanvasWidget* canvas, Place place);

// Redraws the drawing with figure i (or none, -1) highlighted.
void show_highlighted(CanvasWidget* canvas, ObjectList* list, int i);
