// Which figures are drawn, and the arguments of the primitive each is drawn with: the canvas's
// raster and the converter's outlines start from these same numbers, so they cannot disagree.
#pragma once

#include "core/shape_list.h"

#include <cstdint>

// Rectangle, ellipse or triangle; any other type is kept in the list but never drawn or hit.
inline bool known_figure(ShapeRecord r)
{
    const int type = shape_type(r);
    return type == SHAPE_RECT || type == SHAPE_ELLIPSE || type == SHAPE_TRIANGLE;
}
// A rectangle's form: its min/max box (xmin, ymin, xmax, ymax).
void rect_form(int64_t out[4], int xa, int ya, int xb, int yb);
// An ellipse's form: centre (truncated midpoint) and full width and height.
void ellipse_form(int64_t out[4], int xa, int ya, int xb, int yb);
