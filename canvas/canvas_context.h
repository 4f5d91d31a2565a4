// Everything that puts pixels on the canvas: the canvas context, the y conversion, rubber-band
// feedback (not-xor, erased before the next figure) and final drawing (replace), figures and the
// whole drawing, and the highlight of the selected figure. Every operation takes the canvas
// element and finds its context there; without one it draws nothing.
#pragma once

#include "shapes/shape_list.h"
#include "toolkit/draw_surface.h"

#include <cstdint>

class CanvasWidget;

enum class RubberKind { Line, Rect, Ellipse, Triangle };

struct CanvasContext {
    DrawSurface canvas;
    int rubber_drawn = 0;                    // 1 while a feedback figure is on the screen
    RubberKind rubber_kind = RubberKind::Line;  // the primitive that drew it, and so erases it
    int64_t rubber[6] = {};                  // that figure in its primitive's form (see rubber_*)
};

constexpr uint32_t COLOR_BLACK = 0x000000;
constexpr uint32_t COLOR_RED = 0xFF0000;
constexpr uint32_t COLOR_BLUE = 0x0000FF;

// Attaches a new context to the shown canvas as "CanvasContext".
void canvas_context_create(CanvasWidget* canvas);
// Frees the context and clears the attribute, so nothing can draw through it afterwards.
void canvas_context_free(CanvasWidget* canvas);
CanvasContext* canvas_context(CanvasWidget* canvas);
// The figure list hung on the canvas as "objetos"; null once Exit has freed it.
ObjectList* canvas_list(CanvasWidget* canvas);

// A toolkit row (counted down from the top) as a drawing y (counted up from the bottom).
int canvas_y(CanvasWidget* canvas, int y);
// Fills the canvas white; an outstanding feedback figure is gone with it.
void canvas_clear(CanvasWidget* canvas);
void canvas_foreground(CanvasWidget* canvas, uint32_t rgb);

void rubber_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void rubber_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void rubber_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void rubber_triangle(CanvasWidget* canvas, int xa, int ya, int xb, int yb, int xc, int yc);
// Erases any feedback figure and leaves the canvas in replace mode.
void rubber_erase(CanvasWidget* canvas);

void final_line(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void final_rect(CanvasWidget* canvas, int xa, int ya, int xb, int yb);
void final_ellipse(CanvasWidget* canvas, int xa, int ya, int xb, int yb);

// Final drawing of one figure in the current colour; unknown types draw nothing.
void draw_shape(CanvasWidget* canvas, ShapeRecord record);
// Feedback drawing of a figure being moved or stretched.
void draw_shape_rubber(CanvasWidget* canvas, int type, int x1, int x2, int x3, int y1, int y2, int y3);
// Makes index (or -1) the marked and selected figure, first redrawing the old mark in the
// current colour (black) to remove its highlight.
void mark_shape(ObjectList* list, int index, CanvasWidget* canvas);
// Clears the canvas and draws every figure in order, without highlight; returns the number drawn.
int redraw_all(CanvasWidget* canvas, ObjectList* list);
