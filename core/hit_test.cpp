// Point-in-figure tests, one per figure type, and the top-most pick over the list.
// Coordinates may be anywhere in int32: differences are taken in wider types so nothing overflows.
#include "core/hit_test.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int HIT = 0;
constexpr int MISS = 1;

// Exact edge products: a difference of int32 values needs 33 bits, a product of two 66.
__extension__ typedef __int128 Wide;

bool between(int v, int a, int b)
{
    return std::min(a, b) <= v && v <= std::max(a, b);
}

int rect_contains(ShapeRecord r, int px, int py)
{
    const bool inside = between(px, shape_x1(r), shape_x2(r)) && between(py, shape_y1(r), shape_y2(r));
    return inside ? HIT : MISS;
}

// A zero-width or zero-height ellipse has no inside, and dividing by its zero axis would not say so.
int ellipse_contains(ShapeRecord r, int px, int py)
{
    const double x1 = shape_x1(r), x2 = shape_x2(r), y1 = shape_y1(r), y2 = shape_y2(r);
    const double a = std::fabs(x1 - x2) / 2.0;
    const double b = std::fabs(y1 - y2) / 2.0;
    if (a == 0.0 || b == 0.0) return MISS;
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const double d = std::pow((px - cx) / a, 2.0) + std::pow((py - cy) / b, 2.0);
    return d <= 1.0 ? HIT : MISS;
}

// Which side of the edge (xa,ya)->(xb,yb) the point lies on: -1, 0 on the line, or 1.
int edge_side(int xa, int ya, int xb, int yb, int px, int py)
{
    const Wide d = Wide{int64_t{xb} - xa} * (int64_t{py} - ya) - Wide{int64_t{px} - xa} * (int64_t{yb} - ya);
    return (d > 0) - (d < 0);
}

// Inside when strictly on the same side of all three edges; edges, vertices and collinear
// triangles are outside, whatever the winding.
int triangle_contains(ShapeRecord r, int px, int py)
{
    const int x1 = shape_x1(r), x2 = shape_x2(r), x3 = shape_x3(r);
    const int y1 = shape_y1(r), y2 = shape_y2(r), y3 = shape_y3(r);
    const int d1 = edge_side(x1, y1, x2, y2, px, py);
    const int d2 = edge_side(x2, y2, x3, y3, px, py);
    const int d3 = edge_side(x3, y3, x1, y1, px, py);
    return (d1 * d2 > 0 && d1 * d3 > 0) ? HIT : MISS;
}

}  // namespace

int shape_contains(ShapeRecord record, int px, int py)
{
    switch (shape_type(record)) {
    case SHAPE_RECT: return rect_contains(record, px, py);
    case SHAPE_ELLIPSE: return ellipse_contains(record, px, py);
    case SHAPE_TRIANGLE: return triangle_contains(record, px, py);
    default: return MISS;  // unknown types are kept in the list but never hit
    }
}

// From the top-most figure down: the one drawn last wins.
int list_pick(const ObjectList* list, int px, int py)
{
    for (int i = list_count(list) - 1; i >= 0; --i)
        if (shape_contains(list_get(list, i), px, py) == HIT) return i;
    return -1;
}
