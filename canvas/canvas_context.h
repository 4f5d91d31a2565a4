// The canvas context: the drawing surface over the canvas widget's image and the one outstanding
// feedback figure. Every operation takes the canvas element and finds its context there; without
// one it draws nothing. Drawing itself is in rubber_band.h (feedback, final primitives, a figure) and
// shape_drawing.h (a figure as feedback, the whole drawing).
#pragma once

#include "canvas/figure_raster.h"
#include "core/shape_list.h"
#include "toolkit/draw_surface.h"

#include <cstdint>

class CanvasWidget;
class QObject;

struct CanvasContext {
    DrawSurface surface;                        // draws on the canvas widget's image
    int rubber_drawn = 0;                       // 1 while a feedback figure is on the screen
    Primitive rubber_kind = Primitive::Line;    // the primitive that drew it, and so erases it
    int64_t rubber[6] = {};                     // that figure in its primitive's form
};

constexpr uint32_t COLOR_BLACK = 0x000000;
constexpr uint32_t COLOR_RED = 0xFF0000;
constexpr uint32_t COLOR_BLUE = 0x0000FF;

// No feedback figure outstanding any more: the canvas under it was cleared or redrawn.
void forget_rubber(CanvasContext* ctx);

// Attaches a new context to the shown canvas as "CanvasContext".
void canvas_context_create(CanvasWidget* canvas);
// Frees the context and clears the attribute, so nothing can draw through it afterwards.
void canvas_context_free(CanvasWidget* canvas);
CanvasContext* canvas_context(CanvasWidget* canvas);
// The context activated for a group of drawing calls (its size re-read); null when there is none.
CanvasContext* active_context(CanvasWidget* canvas);
// The figure list hung on the canvas as "objetos"; null once Exit has freed it.
ObjectList* canvas_list(CanvasWidget* canvas);

// The canvas element a menu item or key names under "CanvasContext"; null when it names none.
CanvasWidget* item_canvas(QObject* item);

// A toolkit row (counted down from the top) as a drawing y (counted up from the bottom).
int canvas_y(CanvasWidget* canvas, int y);
// Fills the canvas white, the grid on it when shown; an outstanding feedback figure is gone with it.
void canvas_clear(CanvasWidget* canvas);
void canvas_foreground(CanvasWidget* canvas, uint32_t rgb);
