// Figures of the list on the canvas: one figure as feedback while it is moved or stretched, and
// the whole drawing (one figure for good is rubber_band's draw_shape).
#pragma once

#include "core/shape_list.h"

class CanvasWidget;

// Feedback drawing of a figure being moved or stretched.
void draw_shape_rubber(CanvasWidget* canvas, int type, int x1, int x2, int x3, int y1, int y2, int y3);
// Clears the canvas and draws every figure in order; returns the number drawn. It drops the
// highlight and the selection (marked and selected become -1, and no figure is selected), which
// ends a select drag in progress: the drag changes nothing any more and its release only tidies up.
int redraw_all(CanvasWidget* canvas, ObjectList* list);
// The same, keeping the selection, drawn highlighted where its figures are now.
void redraw_keeping_selection(CanvasWidget* canvas, ObjectList* list);
