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

// A box in drawing coordinates, both ends inclusive: the window a pen may draw in, or the bounds
// of a figure.
struct Box {
    int64_t x0, x1, y0, y1;
};

Box transposed(const Box& w) { return {w.y0, w.y1, w.x0, w.x1}; }

bool inside(const Box& w, int64_t x, int64_t y) { return x >= w.x0 && x <= w.x1 && y >= w.y0 && y <= w.y1; }

// The clip window in image coordinates: the image, narrowed by the surface's clip when it has one.
QRect clip_rect(const DrawSurface& s, QSize size)
{
    const QRect all(QPoint(0, 0), size);
    return s.clip.isNull() ? all : s.clip & all;
}

// The active image, the pen's colour and mode, the window it may draw in and the bounds of the
// pixels changed so far. The bounds are 64-bit so the 32-bit pixel stores cannot alias them and
// they stay in registers through a figure.
struct Pen {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int64_t w = 0;
    int64_t h = 0;
    Box win{};
    bool not_xor = false;
    uint32_t colour = 0;
    int64_t xmin = INT_MAX, xmax = -1, rmin = INT_MAX, rmax = -1;
};

// The clip window in drawing coordinates, from the size surface_activate read; empty (x0 > x1)
// when nothing can be drawn.
Box drawing_window(const DrawSurface& s)
{
    const QRect clip = clip_rect(s, QSize(s.width, s.height));
    if (clip.isEmpty()) return {0, -1, 0, -1};
    return {clip.left(), clip.right(), int64_t{s.height} - 1 - clip.bottom(), int64_t{s.height} - 1 - clip.top()};
}

// A pen on the surface's image, or none when there is nothing to draw on: no image, not 32 bits
// a pixel, an empty clip window, or a size that surface_activate has not re-read yet (drawing
// would run off the image).
std::optional<Pen> open_pen(const DrawSurface& s)
{
    QImage* img = s.image;
    if (!img || img->depth() != 32 || s.width <= 0 || s.height <= 0) return std::nullopt;
    if (img->width() != s.width || img->height() != s.height) return std::nullopt;
    const Box win = drawing_window(s);
    if (win.x0 > win.x1) return std::nullopt;
    Pen p;
    p.bits = img->bits();
    p.stride = img->bytesPerLine();
    p.w = s.width;
    p.h = s.height;
    p.win = win;
    p.not_xor = s.mode == WriteMode::NotXor;
    p.colour = s.foreground & RGB_BITS;
    return p;
}

// Combines one visible pixel (drawing coordinates) with the pen. Inlined into every rasteriser's
// loop: it is the inner step of all drawing.
inline __attribute__((always_inline)) void plot(Pen& p, int64_t x, int64_t y)
{
    const int64_t row = p.h - 1 - y;
    auto* px = reinterpret_cast<uint32_t*>(p.bits + row * p.stride) + x;
    const uint32_t old = *px;
    const uint32_t now = OPAQUE | (p.not_xor ? ~(p.colour ^ old) & RGB_BITS : p.colour);
    if (now == old) return;
    *px = now;
    p.xmin = std::min(p.xmin, x);
    p.xmax = std::max(p.xmax, x);
    p.rmin = std::min(p.rmin, row);
    p.rmax = std::max(p.rmax, row);
}

void report_damage(const DrawSurface& s, const Pen& p)
{
    if (p.xmax < 0 || !s.damaged) return;
    s.damaged(QRect(QPoint(int(p.xmin), int(p.rmin)), QPoint(int(p.xmax), int(p.rmax))));
}

// Whether a figure within box can show in the window at all.
bool meets(const Box& win, const Box& box)
{
    return box.x0 <= win.x1 && box.x1 >= win.x0 && box.y0 <= win.y1 && box.y1 >= win.y0;
}

// The first offset t >= 0 from x1 at which the shallow line below has stepped k >= 1 rows from y1:
// floor((2 t ady + dx) / 2 dx) >= k. Beyond int64 when it never gets there within its length.
Wide first_step_to(int64_t k, int64_t dx, int64_t ady)
{
    if (ady == 0) return Wide(INT64_MAX);
    const Wide num = (Wide(2) * k - 1) * dx, den = Wide(2) * ady;
    return (num + den - 1) / den;
}

// Line with |slope| <= 1 and x1 <= x2 in a window: for each visible column the row
// y1 + round(t * dy / dx), ties away from y1. The start is computed exactly, so clipping never
// changes which pixels a column gets, and only the columns whose rows can show are walked.
template <class Sink>
void raster_shallow(const Box& win, int64_t x1, int64_t y1, int64_t x2, int64_t y2, Sink&& sink)
{
    const int64_t dx = x2 - x1, ady = std::llabs(y2 - y1), sy = y2 >= y1 ? 1 : -1;
    if (dx == 0) {
        if (inside(win, x1, y1)) sink(x1, y1);
        return;
    }
    int64_t xs = std::max(x1, win.x0);
    const int64_t xe = std::min(x2, win.x1);
    const int64_t rows_before = sy > 0 ? win.y0 - y1 : y1 - win.y1;  // rows to go before the window
    if (rows_before > 0) {
        const Wide first = Wide(x1) + first_step_to(rows_before, dx, ady);
        if (first > xe) return;
        xs = std::max(xs, int64_t(first));
    }
    if (xs > xe) return;
    const int64_t den = 2 * dx;
    const Wide num = Wide(2) * (xs - x1) * ady + dx;
    int64_t y = y1 + sy * int64_t(num / den);
    int64_t rem = int64_t(num % den);
    for (int64_t x = xs; x <= xe; ++x) {
        if (y >= win.y0 && y <= win.y1) sink(x, y);
        else if ((sy > 0) == (y > win.y1)) break;  // already past the window
        rem += 2 * ady;
        if (rem >= den) { rem -= den; y += sy; }
    }
}

// Bresenham line clipped to the window. Endpoints are put in a canonical order, so a line and its
// reverse give the same pixels.
template <class Sink>
void raster_line(const Box& win, int64_t x1, int64_t y1, int64_t x2, int64_t y2, Sink&& sink)
{
    const bool steep = std::llabs(y2 - y1) > std::llabs(x2 - x1);
    if (steep) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (steep) raster_shallow(transposed(win), x1, y1, x2, y2, [&](int64_t a, int64_t b) { sink(b, a); });
    else raster_shallow(win, x1, y1, x2, y2, sink);
}

template <class Sink>
void raster_row(const Box& win, int64_t xa, int64_t xb, int64_t y, Sink&& sink)
{
    if (y < win.y0 || y > win.y1) return;
    for (int64_t x = std::max(xa, win.x0), end = std::min(xb, win.x1); x <= end; ++x) sink(x, y);
}

template <class Sink>
void raster_column(const Box& win, int64_t x, int64_t ya, int64_t yb, Sink&& sink)
{
    if (x < win.x0 || x > win.x1) return;
    for (int64_t y = std::max(ya, win.y0), end = std::min(yb, win.y1); y <= end; ++y) sink(x, y);
}

// Outline of xmin..xmax by ymin..ymax: the two rows whole, the two columns without their ends,
// so a flat or thin box never yields a pixel twice.
template <class Sink>
void raster_rect(const Box& win, int64_t xmin, int64_t xmax, int64_t ymin, int64_t ymax, Sink&& sink)
{
    raster_row(win, xmin, xmax, ymax, sink);
    if (ymin != ymax) raster_row(win, xmin, xmax, ymin, sink);
    if (ymax - ymin < 2) return;
    raster_column(win, xmin, ymin + 1, ymax - 1, sink);
    if (xmax != xmin) raster_column(win, xmax, ymin + 1, ymax - 1, sink);
}

// std::floor for the values pick meets (finite, far inside the int64 range), without a call into
// the maths library.
int64_t floor_int(double d)
{
    const auto i = int64_t(d);
    return double(i) > d ? i - 1 : i;
}

// The ellipse is worked in doubled offsets from its centre, u = 2x - (x0 + x1) and likewise v,
// so a half-pixel centre needs no fractions: the curve is (u / W)^2 + (v / H)^2 = 1 with W, H the
// box's sides, and valid offsets along an axis share the parity of its side.
// pick(a, b, t): the valid offset along the b axis nearest the curve at offset t along the a axis.
int64_t pick(int64_t a, int64_t b, int64_t t)
{
    const double c = double(b) * std::sqrt(double(a - t) * double(a + t)) / double(a);
    const int64_t parity = b & 1;
    const auto k = floor_int((c - double(parity)) * 0.5 + 0.5);
    return std::clamp(parity + 2 * k, parity, b);
}

// The picks pick(a, b, t) along one axis of an ellipse, each computed once: the column picks are
// asked again by the row pass and the search for a window's columns, the row picks by the mirrored
// half. Too wide a box computes every pick afresh.
struct Picks {
    int64_t a, b;
    std::vector<int64_t> memo;  // by t / 2; -1 until computed

    Picks(int64_t a_, int64_t b_) : a(a_), b(b_)
    {
        if (a <= MEMO_LIMIT) memo.assign(size_t(a / 2 + 1), -1);
    }
    int64_t operator()(int64_t t)
    {
        if (memo.empty()) return pick(a, b, t);
        int64_t& m = memo[size_t(t / 2)];
        if (m < 0) m = pick(a, b, t);
        return m;
    }
    static constexpr int64_t MEMO_LIMIT = 1 << 14;
};

// A run of valid offsets lo, lo + 2, ..., hi; empty when lo > hi.
struct Span {
    int64_t lo, hi;
};

// The valid offsets along an axis of side a (those of a's parity in 0..a) within lo..hi.
Span offsets(int64_t a, int64_t lo, int64_t hi)
{
    const int64_t parity = a & 1;
    lo = std::max(lo, parity), hi = std::min(hi, a);
    if ((lo - parity) & 1) ++lo;
    if ((hi - parity) & 1) --hi;
    return {lo, hi};
}

// The first offset of s where a predicate that stays true once true holds; s.hi + 2 if none.
template <class Pred>
int64_t first_offset(Span s, Pred&& holds)
{
    if (s.lo > s.hi || holds(s.lo)) return s.lo;
    if (!holds(s.hi)) return s.hi + 2;
    int64_t lo = 0, hi = (s.hi - s.lo) / 2;  // by index: fails at lo, holds at hi
    while (hi - lo > 1) {
        const int64_t mid = lo + (hi - lo) / 2;
        (holds(s.lo + 2 * mid) ? hi : lo) = mid;
    }
    return s.lo + 2 * hi;
}

// The offsets of s whose column pick lies in vmin..vmax. Picks never rise with t, so they are one
// run, found by halving: a window of rows costs a few picks, not a pass over every column.
Span picks_between(Picks& pk, Span s, int64_t vmin, int64_t vmax)
{
    const int64_t lo = first_offset(s, [&](int64_t t) { return pk(t) <= vmax; });
    const int64_t end = first_offset(s, [&](int64_t t) { return pk(t) < vmin; });
    return {lo, end - 2};
}

// Each column's nearest rows, by offset t from the centre: right and left of it (t = 0 once),
// above and below (v = 0 once). Only the offsets whose pixels fall in the window are visited.
template <class Sink>
void ellipse_columns(const Box& win, const Box& b, Picks& pk, Sink&& sink)
{
    const int64_t bw = b.x1 - b.x0, sx = b.x0 + b.x1, sy = b.y0 + b.y1;
    for (const int64_t side : {1, -1}) {
        const Span cols = side > 0 ? offsets(bw, 2 * win.x0 - sx, 2 * win.x1 - sx)
                                   : offsets(bw, std::max<int64_t>(sx - 2 * win.x1, 1), sx - 2 * win.x0);
        for (const int64_t half : {1, -1}) {
            const int64_t vmin = half > 0 ? 2 * win.y0 - sy : std::max<int64_t>(sy - 2 * win.y1, 1);
            const int64_t vmax = half > 0 ? 2 * win.y1 - sy : sy - 2 * win.y0;
            const Span run = picks_between(pk, cols, vmin, vmax);
            for (int64_t t = run.lo; t <= run.hi; t += 2) sink((sx + side * t) / 2, (sy + half * pk(t)) / 2);
        }
    }
}

// The outline is the union of each column's nearest row and each row's nearest column (the
// column picks alone leave gaps where the curve is steep, the row picks where it is flat). A row
// pick already given by its column is skipped and a zero offset is not mirrored, so every pixel
// comes once. Only visible columns and rows are visited, whatever the size of the box.
template <class Sink>
void raster_ellipse(const Box& win, const Box& b, Sink&& sink)
{
    const int64_t bw = b.x1 - b.x0, bh = b.y1 - b.y0, sx = b.x0 + b.x1, sy = b.y0 + b.y1;
    Picks pk(bw, bh), row_pick(bh, bw);
    ellipse_columns(win, b, pk, sink);
    for (int64_t y = std::max(b.y0, win.y0), end = std::min(b.y1, win.y1); y <= end; ++y) {
        const int64_t v = std::llabs(2 * y - sy);
        const int64_t u = row_pick(v);
        if (pk(u) == v) continue;
        raster_row(win, (sx + u) / 2, (sx + u) / 2, y, sink);
        if (u != 0) raster_row(win, (sx - u) / 2, (sx - u) / 2, y, sink);
    }
}

// Runs a rasteriser straight into a pen on the surface, then reports what changed. A figure whose
// box misses the window is dropped before any set-up: a banded redraw offers every band every figure.
template <class Raster>
void draw_figure(DrawSurface& s, const Box& box, Raster&& raster)
{
    if (!meets(drawing_window(s), box)) return;
    std::optional<Pen> pen = open_pen(s);
    if (!pen) return;
    raster(pen->win, [&](int64_t x, int64_t y) { plot(*pen, x, y); });
    report_damage(s, *pen);
}

// Fills r (image coordinates) with one pixel value, through a view of those pixels so a window
// gets the same vectorised fill as the whole image. A window of an image that is not 32 bits a
// pixel is left alone, as drawing leaves such an image.
void fill_rect(QImage& img, const QRect& r, uint32_t pixel)
{
    if (r == img.rect()) {
        img.fill(pixel);
        return;
    }
    if (img.depth() != 32) return;
    uchar* first = img.bits() + r.top() * img.bytesPerLine() + r.left() * 4;
    QImage(first, r.width(), r.height(), img.bytesPerLine(), img.format()).fill(pixel);
}

// Rows per band of a redraw: a band of about 2 MB stays in a core's cache from its clear to its
// last figure, while larger bands spill and smaller ones cut and set up each figure more often.
constexpr qsizetype BAND_BYTES = qsizetype{2} << 20;

int band_rows(const QImage& img)
{
    return int(std::max<qsizetype>(16, BAND_BYTES / std::max<qsizetype>(img.bytesPerLine(), 1)));
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
    const QRect r = clip_rect(s, s.image->size());
    if (r.isEmpty()) return;
    fill_rect(*s.image, r, OPAQUE | (s.background & RGB_BITS));
    if (s.damaged) s.damaged(r);
}

void surface_clip(DrawSurface& s, const QRect& rect) { s.clip = rect; }

// The damage reports of the bands' clears and figures are held back: the whole window changed,
// and one report of it spares the screen hundreds of small ones.
void surface_redraw(DrawSurface& s, const std::function<void(DrawSurface&)>& draw)
{
    if (!s.image || s.image->isNull()) return;
    const QRect saved = s.clip, window = clip_rect(s, s.image->size());
    std::function<void(const QRect&)> damaged = std::exchange(s.damaged, nullptr);
    const int rows = band_rows(*s.image);
    for (int top = window.top(); top <= window.bottom(); top += rows) {
        surface_clip(s, QRect(window.left(), top, window.width(), std::min(rows, window.bottom() + 1 - top)));
        surface_clear(s);
        draw(s);
    }
    s.clip = saved;
    s.damaged = std::move(damaged);
    if (s.damaged && !window.isEmpty()) s.damaged(window);
}

void surface_write_mode(DrawSurface& s, WriteMode mode) { s.mode = mode; }

void surface_foreground(DrawSurface& s, uint32_t rgb) { s.foreground = rgb & RGB_BITS; }

void surface_line(DrawSurface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    x1 = clamp_coord(x1), y1 = clamp_coord(y1), x2 = clamp_coord(x2), y2 = clamp_coord(y2);
    const Box box{std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
    draw_figure(s, box, [&](const Box& win, auto&& sink) { raster_line(win, x1, y1, x2, y2, sink); });
}

void surface_rect(DrawSurface& s, int64_t xmin, int64_t xmax, int64_t ymin, int64_t ymax)
{
    xmin = clamp_coord(xmin), xmax = clamp_coord(xmax), ymin = clamp_coord(ymin), ymax = clamp_coord(ymax);
    if (xmin > xmax) std::swap(xmin, xmax);
    if (ymin > ymax) std::swap(ymin, ymax);
    draw_figure(s, {xmin, xmax, ymin, ymax}, [&](const Box& win, auto&& sink) { raster_rect(win, xmin, xmax, ymin, ymax, sink); });
}

void surface_arc(DrawSurface& s, int64_t xc, int64_t yc, int64_t w, int64_t h)
{
    xc = clamp_coord(xc), yc = clamp_coord(yc), w = clamp_coord(w), h = clamp_coord(h);
    if (w == 0 || h == 0) return;
    Box box{xc - w / 2, xc - w / 2 + w, yc - h / 2, yc - h / 2 + h};
    if (box.x0 > box.x1) std::swap(box.x0, box.x1);
    if (box.y0 > box.y1) std::swap(box.y0, box.y1);
    draw_figure(s, box, [&](const Box& win, auto&& sink) { raster_ellipse(win, box, sink); });
}

// The edges' pixels are gathered, sorted and made unique before the pen sees any, so vertices and
// the overlapping stretches of thin triangles are combined once.
void surface_closed_lines(DrawSurface& s, const int64_t* xs, const int64_t* ys, int n)
{
    if (n <= 0 || !xs || !ys) return;
    std::optional<Pen> pen = open_pen(s);
    if (!pen) return;
    const Box win = pen->win;
    const int64_t w = pen->w;
    std::vector<uint64_t> pixels;
    pixels.reserve(size_t(std::min(n, 8)) * size_t(std::max(win.x1 - win.x0, win.y1 - win.y0) + 1));
    auto gather = [&](int64_t x, int64_t y) { pixels.push_back(uint64_t(y * w + x)); };
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        raster_line(win, clamp_coord(xs[i]), clamp_coord(ys[i]), clamp_coord(xs[j]), clamp_coord(ys[j]), gather);
    }
    std::sort(pixels.begin(), pixels.end());
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    for (uint64_t i : pixels) plot(*pen, int64_t(i % uint64_t(w)), int64_t(i / uint64_t(w)));
    report_damage(s, *pen);
}

void surface_grid(DrawSurface& s, int spacing)
{
    std::optional<Pen> pen = open_pen(s);
    if (!pen || spacing < 1) return;
    const Box& win = pen->win;  // never below 0: the image's own pixels
    const int64_t x0 = (win.x0 + spacing - 1) / spacing * spacing, y0 = (win.y0 + spacing - 1) / spacing * spacing;
    if (x0 > win.x1 || y0 > win.y1) return;
    const uint32_t pixel = OPAQUE | pen->colour;
    for (int64_t y = y0; y <= win.y1; y += spacing) {
        auto* row = reinterpret_cast<uint32_t*>(pen->bits + (pen->h - 1 - y) * pen->stride);
        for (int64_t x = x0; x <= win.x1; x += spacing) row[x] = pixel;
    }
    const int64_t x_last = x0 + (win.x1 - x0) / spacing * spacing, y_last = y0 + (win.y1 - y0) / spacing * spacing;
    if (s.damaged) s.damaged(QRect(QPoint(int(x0), int(pen->h - 1 - y_last)), QPoint(int(x_last), int(pen->h - 1 - y0))));
}
