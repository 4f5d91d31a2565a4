// Page sizes and placing figures on them. A figure's extent is that of its points: a rectangle
// and a triangle never draw outside them, and an ellipse's raster box equals its points' box once
// the coordinates are non-negative, as they all are after fitting.
#include "export/page.h"

#include "core/figure_form.h"

#include <algorithm>

namespace {

void include_point(FigureBox& box, int64_t x, int64_t y)
{
    if (box.empty) {
        box = {false, x, y, x, y};
        return;
    }
    box.xmin = std::min(box.xmin, x), box.xmax = std::max(box.xmax, x);
    box.ymin = std::min(box.ymin, y), box.ymax = std::max(box.ymax, y);
}

PlacedDrawing placed(const ObjectList* list, Page page, int64_t dx, int64_t dy)
{
    PlacedDrawing out;
    out.page = page;
    int n = 0;
    for (int i = 0; list && i < list_count(list); ++i) {
        const ShapeRecord r = list_get(list, i);
        if (known_shape(r)) out.figures.records[n++] = shape_moved_by(r, dx, dy);
    }
    out.figures.count = n;
    return out;
}

}  // namespace

FigureBox figures_box(const ObjectList* list)
{
    FigureBox box;
    for (int i = 0; list && i < list_count(list); ++i) {
        const ShapeRecord r = list_get(list, i);
        if (!known_shape(r)) continue;
        include_point(box, shape_x1(r), shape_y1(r));
        include_point(box, shape_x2(r), shape_y2(r));
        if (uses_third_point(r)) include_point(box, shape_x3(r), shape_y3(r));
    }
    return box;
}

FitSize fit_size(const FigureBox& box)
{
    if (box.empty) return {CANVAS_WIDTH, CANVAS_HEIGHT};
    return {box.xmax - box.xmin + 1 + 2 * FIT_MARGIN, box.ymax - box.ymin + 1 + 2 * FIT_MARGIN};
}

PlacedDrawing place_on_page(const ObjectList* list, Page page) { return placed(list, page, 0, 0); }

bool place_fitted(const ObjectList* list, PlacedDrawing& out, FitSize& size)
{
    const FigureBox box = figures_box(list);
    size = fit_size(box);
    if (size.width > MAX_PAGE_SIDE || size.height > MAX_PAGE_SIDE) return false;
    const Page page{static_cast<int>(size.width), static_cast<int>(size.height)};
    if (box.empty) {
        out = place_on_page(list, page);
        return true;
    }
    out = placed(list, page, FIT_MARGIN - box.xmin, FIT_MARGIN - box.ymin);
    return true;
}
