#include "core/figure_box.h"

#include <algorithm>

FigureBox figure_box(ShapeRecord r)
{
    FigureBox box{shape_x1(r), shape_y1(r), shape_x1(r), shape_y1(r)};
    auto include = [&box](int64_t x, int64_t y) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.bottom = std::min(box.bottom, y), box.top = std::max(box.top, y);
    };
    include(shape_x2(r), shape_y2(r));
    if (uses_third_point(r)) include(shape_x3(r), shape_y3(r));
    return box;
}

FigureBox box_union(const FigureBox& a, const FigureBox& b)
{
    return {std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right),
            std::max(a.top, b.top)};
}
