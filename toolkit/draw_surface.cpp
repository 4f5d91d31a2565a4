// The drawing surface. Each figure goes through a rasteriser that hands out its distinct visible
// pixels in drawing coordinates (y up) to a sink; the usual sink is the Pen, which turns y into an
// image row, combines the pixel with the foreground and widens the damaged rectangle. Read the
// public functions at the bottom first, then the rasterisers above them.
#include "toolkit/draw_surface.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Far beyond any image, yet small enough that coordinate sums fit in 64 bits and products of two
// coordinate differences fit in 128.
constexpr int64_t COORD_LIMIT = int64_t{1} << 40;
constexpr uint32_t OPAQUE = 0xFF000000u;
constexpr uint32_t RGB_BITS = 0x00FFFFFFu;

__extension__ typedef __int128 Wide;

int64_t clamp_coord(int64_t v) { return std::clamp(v, -COORD_LIMIT, COORD_LIMIT); }

// The active image, the pen's colour and mode, and the bounds of the pixels changed so far.
struct Pen {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int w = 0;
    int h = 0;
    bool not_xor = false;
    uint32_t colour = 0;
    int xmin = INT_MAX, xmax = -1, rmin = INT_MAX, rmax = -1;
};

// A pen on the surface's image, or none when there is nothing to draw on: no image, not 32 bits
// a pixel, or a size that surface_activate has not re-read yet (drawing would run off the image).
std::optional<Pen> open_pen(const DrawSurface& s)
{
    QImage* img = s.image;
    if (!img || img->depth() != 32 || s.width <= 0 || s.height <= 0) return std::nullopt;
    if (img->width() != s.width || img->height() != s.height) return std::nullopt;
    Pen p;
    p.bits = img->bits();
    p.stride = img->bytesPerLine();
    p.w = s.width;
    p.h = s.height;
    p.not_xor = s.mode == WriteMode::NotXor;
    p.colour = s.foreground & RGB_BITS;
    return p;
}

// Combines one visible pixel (drawing coordinates) with the pen.
void plot(Pen& p, int64_t x, int64_t y)
{
    const int col = int(x);
    const int row = p.h - 1 - int(y);
    auto* px = reinterpret_cast<uint32_t*>(p.bits + row * p.stride) + col;
    const uint32_t old = *px;
    const uint32_t now = OPAQUE | (p.not_xor ? ~(p.colour ^ old) & RGB_BITS : p.colour);
    if (now == old) return;
    *px = now;
    p.xmin = std::min(p.xmin, col);
    p.xmax = std::max(p.xmax, col);
    p.rmin = std::min(p.rmin, row);
    p.rmax = std::max(p.rmax, row);
}

void report_damage(const DrawSurface& s, const Pen& p)
{
    if (p.xmax < 0 || !s.damaged) return;
    s.damaged(QRect(QPoint(p.xmin, p.rmin), QPoint(p.xmax, p.rmax)));
}

// Line with |slope| <= 1 and x1 <= x2 in a w by h window: for each visible column the row
// y1 + round(t * dy / dx), ties away from y1. The start is computed exactly, so clipping never
// changes which pixels a column gets, and only visible columns are walked.
template <class Sink>
void raster_shallow(int64_t w, int64_t h, int64_t x1, int64_t y1, int64_t x2, int64_t y2, Sink&& sink)
{
    const int64_t xs = std::max<int64_t>(x1, 0), xe = std::min<int64_t>(x2, w - 1);
    if (xs > xe) return;
    const int64_t dx = x2 - x1, ady = std::llabs(y2 - y1), sy = y2 >= y1 ? 1 : -1;
    if (dx == 0) {
        if (y1 >= 0 && y1 < h) sink(x1, y1);
        return;
    }
    const int64_t den = 2 * dx;
    const Wide num = Wide(2) * (xs - x1) * ady + dx;
    int64_t y = y1 + sy * int64_t(num / den);
    int64_t rem = int64_t(num % den);
    for (int64_t x = xs; x <= xe; ++x) {
        if (y >= 0 && y < h) sink(x, y);
        else if ((sy > 0) == (y >= h)) break;  // already past the window
        rem += 2 * ady;
        if (rem >= den) { rem -= den; y += sy; }
    }
}

// Bresenham line clipped to w by h. Endpoints are put in a canonical order, so a line and its
// reverse give the same pixels.
template <class Sink>
void raster_line(int64_t w, int64_t h, int64_t x1, int64_t y1, int64_t x2, int64_t y2, Sink&& sink)
{
    const bool steep = std::llabs(y2 - y1) > std::llabs(x2 - x1);
    if (steep) {
        std::swap(x1, y1);
        std::swap(x2, y2);
        std::swap(w, h);
    }
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    raster_shallow(w, h, x1, y1, x2, y2, [&](int64_t a, int64_t b) { steep ? sink(b, a) : sink(a, b); });
}

template <class Sink>
void raster_row(int64_t w, int64_t h, int64_t xa, int64_t xb, int64_t y, Sink&& sink)
{
    if (y < 0 || y >= h) return;
    for (int64_t x = std::max<int64_t>(xa, 0), end = std::min<int64_t>(xb, w - 1); x <= end; ++x) sink(x, y);
}

template <class Sink>
void raster_column(int64_t w, int64_t h, int64_t x, int64_t ya, int64_t yb, Sink&& sink)
{
    if (x < 0 || x >= w) return;
    for (int64_t y = std::max<int64_t>(ya, 0), end = std::min<int64_t>(yb, h - 1); y <= end; ++y) sink(x, y);
}

// Outline of xmin..xmax by ymin..ymax: the two rows whole, the two columns without their ends,
// so a flat or thin box never yields a pixel twice.
template <class Sink>
void raster_rect(int64_t w, int64_t h, int64_t xmin, int64_t xmax, int64_t ymin, int64_t ymax, Sink&& sink)
{
    raster_row(w, h, xmin, xmax, ymax, sink);
    if (ymin != ymax) raster_row(w, h, xmin, xmax, ymin, sink);
    if (ymax - ymin < 2) return;
    raster_column(w, h, xmin, ymin + 1, ymax - 1, sink);
    if (xmax != xmin) raster_column(w, h, xmax, ymin + 1, ymax - 1, sink);
}

// The ellipse is worked in doubled offsets from its centre, u = 2x - (x0 + x1) and likewise v,
// so a half-pixel centre needs no fractions: the curve is (u / W)^2 + (v / H)^2 = 1 with W, H the
// box's sides, and valid offsets along an axis share the parity of its side.
// pick(a, b, t): the valid offset along the b axis nearest the curve at offset t along the a axis.
int64_t pick(int64_t a, int64_t b, int64_t t)
{
    const double c = double(b) * std::sqrt(double(a - t) * double(a + t)) / double(a);
    const int64_t parity = b & 1;
    const auto k = int64_t(std::floor((c - double(parity)) * 0.5 + 0.5));
    return std::clamp(parity + 2 * k, parity, b);
}

struct Box {
    int64_t x0, x1, y0, y1;  // inclusive, x0 < x1 and y0 < y1
};

// The outline is the union of each column's nearest row and each row's nearest column (the
// column picks alone leave gaps where the curve is steep, the row picks where it is flat). A row
// pick already given by its column is skipped and a zero offset is not mirrored, so every pixel
// comes once. Only visible columns and rows are visited, whatever the size of the box.
template <class Sink>
void raster_ellipse(int64_t w, int64_t h, const Box& b, Sink&& sink)
{
    const int64_t bw = b.x1 - b.x0, bh = b.y1 - b.y0, sx = b.x0 + b.x1, sy = b.y0 + b.y1;
    for (int64_t x = std::max<int64_t>(b.x0, 0), end = std::min<int64_t>(b.x1, w - 1); x <= end; ++x) {
        const int64_t v = pick(bw, bh, std::llabs(2 * x - sx));
        raster_column(w, h, x, (sy + v) / 2, (sy + v) / 2, sink);
        if (v != 0) raster_column(w, h, x, (sy - v) / 2, (sy - v) / 2, sink);
    }
    for (int64_t y = std::max<int64_t>(b.y0, 0), end = std::min<int64_t>(b.y1, h - 1); y <= end; ++y) {
        const int64_t v = std::llabs(2 * y - sy);
        const int64_t u = pick(bh, bw, v);
        if (pick(bw, bh, u) == v) continue;
        raster_row(w, h, (sx + u) / 2, (sx + u) / 2, y, sink);
        if (u != 0) raster_row(w, h, (sx - u) / 2, (sx - u) / 2, y, sink);
    }
}

// Runs a rasteriser straight into a pen on the surface, then reports what changed.
template <class Raster>
void draw_figure(DrawSurface& s, Raster&& raster)
{
    std::optional<Pen> pen = open_pen(s);
    if (!pen) return;
    raster(int64_t{pen->w}, int64_t{pen->h}, [&](int64_t x, int64_t y) { plot(*pen, x, y); });
    report_damage(s, *pen);
}

}  // namespace

void surface_activate(DrawSurface& s)
{
    s.width = s.image ? s.image->width() : 0;
    s.height = s.image ? s.image->height() : 0;
}

int surface_update_y(const DrawSurface& s, int y)
{
    return int(std::clamp<int64_t>(int64_t{s.height} - 1 - y, INT_MIN, INT_MAX));
}

void surface_clear(DrawSurface& s)
{
    if (!s.image || s.image->isNull()) return;
    s.image->fill(OPAQUE | (s.background & RGB_BITS));
    if (s.damaged) s.damaged(s.image->rect());
}

void surface_write_mode(DrawSurface& s, WriteMode mode) { s.mode = mode; }

void surface_foreground(DrawSurface& s, uint32_t rgb) { s.foreground = rgb & RGB_BITS; }

void surface_line(DrawSurface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    x1 = clamp_coord(x1), y1 = clamp_coord(y1), x2 = clamp_coord(x2), y2 = clamp_coord(y2);
    draw_figure(s, [&](int64_t w, int64_t h, auto&& sink) { raster_line(w, h, x1, y1, x2, y2, sink); });
}

void surface_rect(DrawSurface& s, int64_t xmin, int64_t xmax, int64_t ymin, int64_t ymax)
{
    xmin = clamp_coord(xmin), xmax = clamp_coord(xmax), ymin = clamp_coord(ymin), ymax = clamp_coord(ymax);
    if (xmin > xmax) std::swap(xmin, xmax);
    if (ymin > ymax) std::swap(ymin, ymax);
    draw_figure(s, [&](int64_t w, int64_t h, auto&& sink) { raster_rect(w, h, xmin, xmax, ymin, ymax, sink); });
}

void surface_arc(DrawSurface& s, int64_t xc, int64_t yc, int64_t w, int64_t h)
{
    xc = clamp_coord(xc), yc = clamp_coord(yc), w = clamp_coord(w), h = clamp_coord(h);
    if (w == 0 || h == 0) return;
    Box box{xc - w / 2, xc - w / 2 + w, yc - h / 2, yc - h / 2 + h};
    if (box.x0 > box.x1) std::swap(box.x0, box.x1);
    if (box.y0 > box.y1) std::swap(box.y0, box.y1);
    draw_figure(s, [&](int64_t cw, int64_t ch, auto&& sink) { raster_ellipse(cw, ch, box, sink); });
}

// The edges' pixels are gathered, sorted and made unique before the pen sees any, so vertices and
// the overlapping stretches of thin triangles are combined once.
void surface_closed_lines(DrawSurface& s, const int64_t* xs, const int64_t* ys, int n)
{
    if (n <= 0 || !xs || !ys) return;
    std::optional<Pen> pen = open_pen(s);
    if (!pen) return;
    const int64_t w = pen->w, h = pen->h;
    std::vector<uint64_t> pixels;
    pixels.reserve(size_t(std::min(n, 8)) * size_t(std::max(w, h)));
    auto gather = [&](int64_t x, int64_t y) { pixels.push_back(uint64_t(y * w + x)); };
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        raster_line(w, h, clamp_coord(xs[i]), clamp_coord(ys[i]), clamp_coord(xs[j]), clamp_coord(ys[j]), gather);
    }
    std::sort(pixels.begin(), pixels.end());
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    for (uint64_t i : pixels) plot(*pen, int64_t(i % uint64_t(w)), int64_t(i / uint64_t(w)));
    report_damage(s, *pen);
}
