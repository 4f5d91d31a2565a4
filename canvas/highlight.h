// The highlight of the figure the select tool grabbed: red while it is moved, blue while it is
// stretched, black again when another figure is marked or the drawing is redrawn.
#pragma once

#include "core/shape_list.h"

#include <cstdint>

class CanvasWidget;

// Makes index (or -1) the marked and selected figure, first redrawing the old mark in the
// current colour (black) to remove its highlight.
void mark_shape(ObjectList* list, int index, CanvasWidget* canvas);
// Draws figure index in colour, then goes back to black.
void highlight(CanvasWidget* canvas, const ObjectList* list, int index, uint32_t colour);
