// A figure's bounding box: the smallest box holding every point it uses (two, or a triangle's
// three), in the drawing's coordinates (y up), edges included. Alignment, the relations a listener
// hears, the select tool's band, the screen reader's rectangles and the converter's page all
// measure figures by it. 64-bit, so sums and differences of int32 points never overflow.
#pragma once

#include "core/shape_list.h"

#include <cstdint>

struct FigureBox {
    int64_t left;
    int64_t bottom;
    int64_t right;
    int64_t top;

    friend bool operator==(const FigureBox&, const FigureBox&) = default;
};

FigureBox figure_box(ShapeRecord r);
// The smallest box holding both.
FigureBox box_union(const FigureBox& a, const FigureBox& b);
inline int64_t box_width(const FigureBox& b) { return b.right - b.left; }
inline int64_t box_height(const FigureBox& b) { return b.top - b.bottom; }
