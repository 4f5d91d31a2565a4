// Figures of the list on the canvas: one figure as feedback while it is moved or stretched, and
// the whole drawing (one figure for good is rubber_band's draw_shape).
#pragma once

#include "core/shape_list.h"

class CanvasWidget;

// Feedback drawing of a figure being moved or stretched.
void draw_shape_rubber(CanvasWidget* canvas, int type, int x1, int x2, int x3, int y1, int y2, int y3);
// Clears the canvas and draws every figure in order, then the selection highlighted; returns the
// number drawn.
int redraw_all(CanvasWidget* canvas, ObjectList* list);
// The same after forgetting the selection: the highlight goes with the clearing (a resize, a
// repaint, the delete tool). It ends a select drag in progress: the drag changes nothing any more
// and its release only tidies up.
int redraw_dropping_selection(CanvasWidget* canvas, ObjectList* list);
