// The page a drawing is exported on and the figures as they sit on it. Every output format draws
// the same placed figures on the same page, so they agree with each other and with the canvas.
#pragma once

#include "core/canvas_size.h"
#include "core/figure_box.h"
#include "core/shape_list.h"

#include <cstdint>
#include <optional>

// Largest side of a page; also keeps a PNG's image within 1 GiB.
constexpr int MAX_PAGE_SIDE = 16384;
// Blank pixels on each side of the figures on a fitted page.
constexpr int FIT_MARGIN = 10;

// A page in pixels; drawing coordinates run from its bottom-left corner, y upwards.
struct Page {
    int width = CANVAS_WIDTH;
    int height = CANVAS_HEIGHT;
};

// The known figures of a drawing in drawing coordinates of the page, in drawing order.
struct PlacedDrawing {
    Page page;
    ObjectList figures{};
};

// The bounding box of the known figures' points, both ends inclusive; none when there is none.
std::optional<FigureBox> figures_box(const ObjectList* list);

// The size a fitted page needs for box, computed in 64 bits: it may exceed MAX_PAGE_SIDE.
struct FitSize {
    int64_t width = 0, height = 0;
};
FitSize fit_size(const std::optional<FigureBox>& box);

// The known figures of list on page, unmoved: what the canvas of that size shows.
PlacedDrawing place_on_page(const ObjectList* list, Page page);
// The known figures moved so their box starts at (FIT_MARGIN, FIT_MARGIN), on a page of fit_size;
// an empty drawing gives the canvas page. False when that page would exceed MAX_PAGE_SIDE.
bool place_fitted(const ObjectList* list, PlacedDrawing& out, FitSize& size);
