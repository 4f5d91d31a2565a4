// Page sizes and placing figures on them. A figure's extent is that of its points: a rectangle
// and a triangle never draw outside them, and an ellipse's raster box equals its points' box once
// the coordinates are non-negative, as they all are after fitting.
#include "export/page.h"

#include "core/figure_form.h"

#include <algorithm>

namespace {

PlacedDrawing placed(const ObjectList* list, Page page, int64_t dx, int64_t dy)
{
    PlacedDrawing out;
    out.page = page;
    int n = 0;
    for (int i = 0; list && i < list_count(list); ++i) {
        const ShapeRecord r = list_get(list, i);
        if (known_figure(r)) out.figures.records[n++] = figure_moved_by(r, dx, dy);
    }
    out.figures.count = n;
    return out;
}

}  // namespace

std::optional<FigureBox> figures_box(const ObjectList* list)
{
    std::optional<FigureBox> box;
    for (int i = 0; list && i < list_count(list); ++i) {
        const ShapeRecord r = list_get(list, i);
        if (known_figure(r)) box = box ? box_union(*box, figure_box(r)) : figure_box(r);
    }
    return box;
}

FitSize fit_size(const std::optional<FigureBox>& box)
{
    if (!box) return {CANVAS_WIDTH, CANVAS_HEIGHT};
    return {box_width(*box) + 1 + 2 * FIT_MARGIN, box_height(*box) + 1 + 2 * FIT_MARGIN};
}

PlacedDrawing place_on_page(const ObjectList* list, Page page) { return placed(list, page, 0, 0); }

bool place_fitted(const ObjectList* list, PlacedDrawing& out, FitSize& size)
{
    const std::optional<FigureBox> box = figures_box(list);
    size = fit_size(box);
    if (size.width > MAX_PAGE_SIDE || size.height > MAX_PAGE_SIDE) return false;
    const Page page{static_cast<int>(size.width), static_cast<int>(size.height)};
    if (!box) {
        out = place_on_page(list, page);
        return true;
    }
    out = placed(list, page, FIT_MARGIN - box->left, FIT_MARGIN - box->bottom);
    return true;
}
