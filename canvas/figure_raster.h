// Figures as pixels on a drawing surface, with no canvas widget involved: the canvas draws its
// drawing with these, and so does the converter, so a file and the screen cannot disagree.
#pragma once

#include "core/figure_form.h"
#include "core/shape_list.h"
#include "toolkit/draw_surface.h"

#include <cstdint>

// The surface primitive a figure is drawn with; a form is that primitive's arguments.
enum class Primitive { Line, Rect, Ellipse, Triangle };

// Draws a form in the surface's current mode and colour: a line as x1, y1, x2, y2, a triangle
// as its three vertices.
void draw_form(DrawSurface& s, Primitive kind, const int64_t* form);

// One figure of the list drawn for good in replace mode (or as feedback in not-xor); a triangle
// as its three edges.
void draw_record(DrawSurface& s, ShapeRecord r, WriteMode mode = WriteMode::Replace);
// Every figure of the list, slot 0 first, over what the surface holds.
void draw_figures(DrawSurface& s, const ObjectList* list);
// The whole drawing on a white surface, slot 0 first; the surface must be activated.
void draw_list(DrawSurface& s, const ObjectList* list);
