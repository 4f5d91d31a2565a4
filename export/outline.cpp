// From figures to vector outlines: the same boxes the raster uses, turned into rows from the top,
// with figures that leave the page entirely dropped and far-reaching ones clipped to the guard
// band. The three outline functions are at the bottom.
#include "export/outline.h"

#include "core/figure_form.h"

#include <algorithm>
#include <cmath>

namespace {

struct Band {
    int64_t left, top, right, bottom;
};

Band page_band(Page p) { return {0, 0, int64_t{p.width} - 1, int64_t{p.height} - 1}; }

Band guard_band(Page p)
{
    const Band b = page_band(p);
    return {b.left - OUTLINE_GUARD, b.top - OUTLINE_GUARD, b.right + OUTLINE_GUARD, b.bottom + OUTLINE_GUARD};
}

bool meets(const Band& b, int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    return left <= b.right && right >= b.left && top <= b.bottom && bottom >= b.top;
}

bool within(const Band& b, int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    return left >= b.left && right <= b.right && top >= b.top && bottom <= b.bottom;
}

Outline boxed(OutlineKind kind, int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    Outline o;
    o.kind = kind;
    o.left = left, o.top = top, o.right = right, o.bottom = bottom;
    return o;
}

// Whether the page, widened by two pixels, lies wholly inside the ellipse, where no pixel of the
// outline can reach it. The ellipse is convex, so the four corners decide.
bool page_inside_ellipse(const Outline& e, Page page)
{
    const double cx = (e.left + e.right) / 2.0, cy = (e.top + e.bottom) / 2.0;
    const double rx = (e.right - e.left) / 2.0, ry = (e.bottom - e.top) / 2.0;
    for (const double x : {-2.0, page.width + 1.0})
        for (const double y : {-2.0, page.height + 1.0}) {
            const double u = (x - cx) / rx, v = (y - cy) / ry;
            if (u * u + v * v >= 0.99) return false;
        }
    return true;
}

struct Point {
    double x, y;
};

// One step of Sutherland-Hodgman: the polygon cut by the half-plane where side(p) >= 0.
template <class Side>
int clip_polygon(const Point* in, int n, Point* out, Side&& side)
{
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const Point a = in[i], b = in[(i + 1) % n];
        const double sa = side(a), sb = side(b);
        if (sa >= 0) out[m++] = a;
        if ((sa >= 0) != (sb >= 0)) {
            const double t = sa / (sa - sb);
            out[m++] = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        }
    }
    return m;
}

// The triangle's region cut to the guard band: inside the band its edges are unchanged, and the
// new edges run along the band, off the page. Corners land on whole pixels, at most half a pixel
// from the exact cut, which moves an edge on the page by less than that.
int clip_to_band(Point* p, int n, const Band& g)
{
    Point tmp[MAX_OUTLINE_POINTS];
    n = clip_polygon(p, n, tmp, [&](Point q) { return q.x - double(g.left); });
    n = clip_polygon(tmp, n, p, [&](Point q) { return double(g.right) - q.x; });
    n = clip_polygon(p, n, tmp, [&](Point q) { return q.y - double(g.top); });
    n = clip_polygon(tmp, n, p, [&](Point q) { return double(g.bottom) - q.y; });
    return n;
}

}  // namespace

// A rectangle clamped to the guard band keeps its visible part exactly: only its edges beyond the
// band move, and they stay off the page. A flat one is a line (or a point), which a zero-sized
// SVG <rect> would not draw, so it becomes a two-point polygon.
Outline rect_outline(ShapeRecord r, Page page)
{
    int64_t f[4];
    rect_form(f, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
    const int64_t top = page.height - 1 - f[3], bottom = page.height - 1 - f[1];
    if (!meets(page_band(page), f[0], top, f[2], bottom)) return {};
    const Band g = guard_band(page);
    Outline o = boxed(OutlineKind::Rect, std::max(f[0], g.left), std::max(top, g.top), std::min(f[2], g.right),
                      std::min(bottom, g.bottom));
    if (o.left != o.right && o.top != o.bottom) return o;
    o.kind = OutlineKind::Polygon;
    o.points = 2;
    o.x[0] = o.left, o.y[0] = o.top, o.x[1] = o.right, o.y[1] = o.bottom;
    return o;
}

// The box surface_arc draws in: from xc - w/2 to xc - w/2 + w. Zero-sized ellipses draw nothing.
Outline ellipse_outline(ShapeRecord r, Page page)
{
    int64_t f[4];
    ellipse_form(f, shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
    if (f[2] == 0 || f[3] == 0) return {};
    const int64_t left = f[0] - f[2] / 2, ymin = f[1] - f[3] / 2;
    const int64_t top = page.height - 1 - (ymin + f[3]), bottom = page.height - 1 - ymin;
    const Outline o = boxed(OutlineKind::Ellipse, left, top, left + f[2], bottom);
    if (!meets(page_band(page), o.left, o.top, o.right, o.bottom) || page_inside_ellipse(o, page)) return {};
    if (!within(guard_band(page), o.left, o.top, o.right, o.bottom)) return boxed(OutlineKind::TooFar, 0, 0, 0, 0);
    return o;
}

Outline triangle_outline(ShapeRecord r, Page page)
{
    Point p[MAX_OUTLINE_POINTS] = {{double(shape_x1(r)), page.height - 1.0 - shape_y1(r)},
                                   {double(shape_x2(r)), page.height - 1.0 - shape_y2(r)},
                                   {double(shape_x3(r)), page.height - 1.0 - shape_y3(r)}};
    const double left = std::min({p[0].x, p[1].x, p[2].x}), right = std::max({p[0].x, p[1].x, p[2].x});
    const double top = std::min({p[0].y, p[1].y, p[2].y}), bottom = std::max({p[0].y, p[1].y, p[2].y});
    const auto l = int64_t(left), t = int64_t(top), rt = int64_t(right), b = int64_t(bottom);
    if (!meets(page_band(page), l, t, rt, b)) return {};
    Outline o;
    o.kind = OutlineKind::Polygon;
    o.points = within(guard_band(page), l, t, rt, b) ? 3 : clip_to_band(p, 3, guard_band(page));
    for (int i = 0; i < o.points; ++i) o.x[i] = std::llround(p[i].x), o.y[i] = std::llround(p[i].y);
    if (o.points == 0) o.kind = OutlineKind::None;
    return o;
}

int first_unrepresentable(const PlacedDrawing& d)
{
    for (int i = 0; i < list_count(&d.figures); ++i) {
        const ShapeRecord r = list_get(&d.figures, i);
        if (shape_type(r) == SHAPE_ELLIPSE && ellipse_outline(r, d.page).kind == OutlineKind::TooFar) return i;
    }
    return -1;
}
