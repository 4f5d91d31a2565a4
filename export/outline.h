// Vector outlines of the placed figures, shared by the SVG and PDF drivers. Coordinates are pixel
// centres counted from the page's top-left corner, rows downwards (row = height - 1 - y), so an
// outline passes through the very pixels the raster sets: a rectangle's corners, an ellipse's
// extreme points, a triangle's vertices.
#pragma once

#include "export/page.h"
#include "core/shape_list.h"

#include <cstdint>

// How far beyond the page an outline may reach. Renderers keep coordinates in limited precision
// (cairo in 24.8 fixed point), so figures reaching farther are clipped to this band first.
constexpr int64_t OUTLINE_GUARD = MAX_PAGE_SIDE;
// A triangle cut by the four sides of the guard band has at most seven corners; room for the
// bound of the cut itself (each side at most doubles them), so rounding can never overrun it.
constexpr int MAX_OUTLINE_POINTS = 3 << 4;

enum class OutlineKind {
    None,     // nothing of the figure reaches the page
    Rect,     // left, top, right, bottom
    Ellipse,  // the ellipse inscribed in left, top, right, bottom
    Polygon,  // closed through x[0..points), y[0..points); a flat rectangle becomes one too
    TooFar,   // an ellipse on the page reaching past the guard band: no faithful outline exists
};

struct Outline {
    OutlineKind kind = OutlineKind::None;
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    int points = 0;
    int64_t x[MAX_OUTLINE_POINTS]{};
    int64_t y[MAX_OUTLINE_POINTS]{};
};

// The outline of a placed rectangle on page: Rect, a Polygon of two points when it is flat, or None.
Outline rect_outline(ShapeRecord r, Page page);
// The outline of a placed ellipse: Ellipse, None or TooFar.
Outline ellipse_outline(ShapeRecord r, Page page);
// The outline of a placed triangle: a Polygon of up to MAX_OUTLINE_POINTS corners, or None.
Outline triangle_outline(ShapeRecord r, Page page);
// The first figure whose outline is TooFar (only an ellipse can be), or -1.
int first_unrepresentable(const PlacedDrawing& d);
