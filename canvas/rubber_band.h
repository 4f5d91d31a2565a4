// Rubber-band feedback and final drawing on the canvas. A feedback figure is drawn in not-xor
// mode and remembered with the primitive that drew it; the next feedback or final figure first
// erases exactly that figure, whichever tool asks, so at most one is ever on the screen.
#pragma once

#include "core/shape_list.h"

class CanvasWidget;
struct CanvasContext;

// Feedback: erase the outstanding figure, draw this one in not-xor and remember it.
void rubber_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void rubber_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void rubber_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void rubber_triangle(CanvasWidget* canvas, int xa, int ya, int xb, int yb, int xc, int yc);
// Erases any feedback figure and leaves the canvas in replace mode.
void rubber_erase(CanvasWidget* canvas);
// The same on a context already activated; leaves the surface in not-xor mode.
void erase_outstanding(CanvasContext* ctx);

// Final: erase the outstanding figure, then draw this one in replace mode and the current colour.
void final_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void final_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void final_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
// One figure of the list for good; unknown types draw nothing.
void draw_shape(CanvasWidget* canvas, ShapeRecord record);
