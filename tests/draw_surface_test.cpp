// Drawing surface, pixel for pixel: not-xor exactness of every primitive (the rubber band relies on
// it), ellipse and rectangle geometry, the y flip, clipping of huge coordinates, damage reports,
// clip windows and the banded redraw.
#include "toolkit/draw_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFFu;
constexpr uint32_t BLACK = 0xFF000000u;

using Figure = std::function<void(DrawSurface&)>;
using Pixels = std::set<std::pair<int, int>>;  // (x, image row)

// An image with a surface on it that records every damage report.
struct Canvas {
    QImage img;
    DrawSurface s;
    std::vector<QRect> damage;
    Canvas(int w, int h) : img(w, h, QImage::Format_RGB32)
    {
        s.image = &img;
        s.damaged = [this](const QRect& r) { damage.push_back(r); };
        surface_activate(s);
        surface_clear(s);
        damage.clear();
    }
    Canvas(const Canvas&) = delete;
    void draw(const Figure& f, WriteMode mode, uint32_t rgb = 0)
    {
        surface_write_mode(s, mode);
        surface_foreground(s, rgb);
        f(s);
    }
};

Pixels differing(const QImage& a, const QImage& b)
{
    Pixels out;
    for (int r = 0; r < a.height(); ++r)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, r) != b.pixel(x, r)) out.insert({x, r});
    return out;
}

QRect bounds(const Pixels& p)
{
    QRect r;
    for (auto [x, row] : p) r |= QRect(x, row, 1, 1);
    return r;
}

void fill_pattern(QImage& img)
{
    for (int r = 0; r < img.height(); ++r)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, r, 0xFF000000u | uint32_t(x * 2654435761u ^ r * 40503u));
}

// The figure's pixel set: what Replace-mode black changes on white.
Pixels replace_set(int w, int h, const Figure& f)
{
    Canvas c(w, h);
    const QImage white = c.img.copy();
    c.draw(f, WriteMode::Replace);
    return differing(white, c.img);
}

// One not-xor draw changes exactly the figure's pixels, inverting each (so none is combined twice),
// reports them in one damage rectangle (none when nothing shows), and a second draw restores the
// image bit for bit, on white and on a pattern.
void expect_not_xor_exact(int w, int h, const Figure& f)
{
    const Pixels figure = replace_set(w, h, f);
    for (bool pattern : {false, true}) {
        SCOPED_TRACE(pattern ? "on a pattern" : "on white");
        Canvas c(w, h);
        if (pattern) fill_pattern(c.img);
        const QImage before = c.img.copy();
        c.draw(f, WriteMode::NotXor);
        EXPECT_EQ(differing(before, c.img), figure);
        for (auto [x, r] : figure) ASSERT_EQ(c.img.pixel(x, r), BLACK | ~before.pixel(x, r));
        if (figure.empty()) EXPECT_TRUE(c.damage.empty());
        else EXPECT_EQ(c.damage, std::vector<QRect>{bounds(figure)});
        c.draw(f, WriteMode::NotXor);
        EXPECT_EQ(c.img, before);
    }
}

Figure line(int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    return [=](DrawSurface& s) { surface_line(s, x1, y1, x2, y2); };
}
Figure rect(int64_t xmin, int64_t xmax, int64_t ymin, int64_t ymax)
{
    return [=](DrawSurface& s) { surface_rect(s, xmin, xmax, ymin, ymax); };
}
Figure arc(int64_t xc, int64_t yc, int64_t w, int64_t h)
{
    return [=](DrawSurface& s) { surface_arc(s, xc, yc, w, h); };
}
Figure triangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t x3, int64_t y3)
{
    return [=](DrawSurface& s) {
        const int64_t xs[] = {x1, x2, x3}, ys[] = {y1, y2, y3};
        surface_closed_lines(s, xs, ys, 3);
    };
}

// Connected through the 8 neighbours of each pixel.
bool connected(const Pixels& p)
{
    if (p.empty()) return true;
    Pixels seen{*p.begin()};
    std::vector<std::pair<int, int>> todo{*p.begin()};
    while (!todo.empty()) {
        auto [x, r] = todo.back();
        todo.pop_back();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dr = -1; dr <= 1; ++dr)
                if (p.count({x + dx, r + dr}) && seen.insert({x + dx, r + dr}).second) todo.push_back({x + dx, r + dr});
    }
    return seen.size() == p.size();
}

}  // namespace

// Pixels combined twice (or skipped) by a primitive leave rubber-band debris or holes.
TEST(NotXorExactness, LinesInEveryOctant)
{
    for (int i = 0; i < 48; ++i) {
        const double a = i * 3.14159265358979 / 24;
        const auto x2 = int64_t(32 + std::lround(40 * std::cos(a))), y2 = int64_t(24 + std::lround(30 * std::sin(a)));
        SCOPED_TRACE(i);
        expect_not_xor_exact(64, 48, line(32, 24, x2, y2));
    }
    expect_not_xor_exact(64, 48, line(7, 7, 7, 7));
}

TEST(NotXorExactness, Rectangles)
{
    for (const auto& f : {rect(5, 40, 6, 30), rect(5, 5, 3, 9), rect(4, 20, 8, 8), rect(9, 9, 9, 9), rect(3, 4, 10, 11),
                          rect(40, 5, 30, 6), rect(-10, 80, -5, 60), rect(10, 70, 5, 20)})
        expect_not_xor_exact(64, 48, f);
}

TEST(NotXorExactness, Ellipses)
{
    for (const auto& f : {arc(30, 20, 1, 1), arc(30, 20, 2, 1), arc(15, 20, 11, 20), arc(32, 24, 60, 3), arc(32, 24, 3, 40),
                          arc(31, 23, 63, 47), arc(32, 24, 40, 40), arc(0, 0, 50, 30), arc(60, 40, 31, 25)})
        expect_not_xor_exact(64, 48, f);
}

TEST(NotXorExactness, ClosedTriangles)
{
    for (const auto& f : {triangle(5, 5, 50, 10, 20, 40), triangle(5, 5, 60, 6, 5, 7), triangle(10, 10, 10, 10, 10, 10),
                          triangle(-20, 5, 80, 30, 30, 70), triangle(2, 40, 60, 2, 61, 3)})
        expect_not_xor_exact(64, 48, f);
}

// Thin and sharp triangles overlap their own edges; the closing edge must still be drawn.
TEST(ClosedLines, RandomThinTrianglesAreTheUnionOfTheirEdgesOnce)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> coord(-10, 73), near(-3, 3);
    for (int i = 0; i < 300; ++i) {
        const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
        const bool sharp = i % 2 == 0;  // third vertex near the first, or near the middle of the first edge
        const int x3 = (sharp ? x1 : (x1 + x2) / 2) + near(rng), y3 = (sharp ? y1 : (y1 + y2) / 2) + near(rng);
        SCOPED_TRACE(i);
        Pixels edges;
        for (const auto& e : {line(x1, y1, x2, y2), line(x2, y2, x3, y3), line(x3, y3, x1, y1)}) {
            const Pixels p = replace_set(64, 48, e);
            edges.insert(p.begin(), p.end());
        }
        const Figure t = triangle(x1, y1, x2, y2, x3, y3);
        ASSERT_EQ(replace_set(64, 48, t), edges);
        expect_not_xor_exact(64, 48, t);
    }
}

// Lines must be plain Bresenham: one pixel per step of the major axis, ends included, the same
// pixels either way round.
TEST(LineGeometry, OnePixelPerMajorStepAndReversible)
{
    for (auto [x1, y1, x2, y2] : {std::array{3, 4, 50, 20}, std::array{10, 2, 14, 45}, std::array{60, 40, 2, 1}, std::array{5, 30, 40, 30}}) {
        const Pixels p = replace_set(64, 48, line(x1, y1, x2, y2));
        EXPECT_EQ(p.size(), size_t(std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1));
        EXPECT_TRUE(p.count({x1, 47 - y1}) && p.count({x2, 47 - y2}));
        EXPECT_EQ(p, replace_set(64, 48, line(x2, y2, x1, y1)));
        EXPECT_TRUE(connected(p));
    }
    // Rounded to the nearest row, not truncated: (0,0)-(6,2) steps at x = 2 and x = 5.
    EXPECT_EQ(replace_set(64, 48, line(0, 0, 6, 2)), (Pixels{{0, 47}, {1, 47}, {2, 46}, {3, 46}, {4, 46}, {5, 45}, {6, 45}}));
}

// Each column and row of a small ellipse must take the pixel nearest the curve.
TEST(EllipseGeometry, SmallEllipsesTakeTheNearestPixels)
{
    const std::vector<std::string> circle{"...###...", ".##...##.", ".#.....#.", "#.......#", "#.......#",
                                          "#.......#", ".#.....#.", ".##...##.", "...###..."};
    const std::vector<std::string> oval{"...######...", ".##......##.", "#..........#", "#..........#",
                                        "#..........#", ".##......##.", "...######..."};
    for (const auto& picture : {circle, oval}) {
        const int w = int(picture[0].size()), h = int(picture.size());
        Pixels expected;
        for (int r = 0; r < h; ++r)
            for (int x = 0; x < w; ++x)
                if (picture[r][x] == '#') expected.insert({x, r});
        EXPECT_EQ(replace_set(w, h, arc((w - 1) / 2, (h - 1) / 2, w - 1, h - 1)), expected);
    }
}

// An ellipse that spills out of its box, misses a side, has gaps or leans to one side looks wrong.
TEST(EllipseGeometry, StaysInsideItsBoxTouchingEverySide)
{
    struct Case { int iw, ih, xc, yc, w, h; };
    for (Case c : {Case{320, 40, 160, 20, 300, 3}, Case{660, 40, 330, 20, 640, 13}, Case{64, 48, 15, 20, 11, 20}}) {
        const Pixels p = replace_set(c.iw, c.ih, arc(c.xc, c.yc, c.w, c.h));
        const int x0 = c.xc - c.w / 2, y0 = c.yc - c.h / 2;
        EXPECT_EQ(bounds(p), QRect(QPoint(x0, c.ih - 1 - (y0 + c.h)), QPoint(x0 + c.w, c.ih - 1 - y0)));
        EXPECT_TRUE(connected(p));
    }
}

TEST(EllipseGeometry, EverySmallSizeIsConnectedSymmetricAndBoxed)
{
    for (int w = 1; w <= 40; w += 3)
        for (int h = 1; h <= 40; h += 2) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
            const Pixels p = replace_set(64, 48, arc(30, 22, w, h));
            const QRect box(QPoint(30 - w / 2, 47 - (22 - h / 2 + h)), QPoint(30 - w / 2 + w, 47 - (22 - h / 2)));
            ASSERT_EQ(bounds(p), box);
            ASSERT_TRUE(connected(p));
            for (auto [x, r] : p) ASSERT_TRUE(p.count({box.left() + box.right() - x, r}) && p.count({x, box.top() + box.bottom() - r}));
        }
}

TEST(EllipseGeometry, ZeroWidthOrHeightDrawsNothing)
{
    for (const auto& f : {arc(20, 20, 0, 10), arc(20, 20, 10, 0), arc(20, 20, 0, 0)}) {
        Canvas c(64, 48);
        c.draw(f, WriteMode::Replace);
        EXPECT_EQ(differing(c.img, Canvas(64, 48).img), Pixels{});
        EXPECT_TRUE(c.damage.empty());
    }
}

// Degenerate rectangles must still show, as the line they collapse to.
TEST(RectGeometry, ZeroWidthIsAVerticalLineOfTheFullLength)
{
    Pixels column;
    for (int y = 3; y <= 9; ++y) column.insert({5, 47 - y});
    EXPECT_EQ(replace_set(64, 48, rect(5, 5, 3, 9)), column);
    EXPECT_EQ(replace_set(64, 48, rect(2, 6, 8, 8)), (Pixels{{2, 39}, {3, 39}, {4, 39}, {5, 39}, {6, 39}}));
    EXPECT_EQ(replace_set(64, 48, rect(9, 9, 9, 9)), (Pixels{{9, 38}}));
}

// Drawing y counts up from the bottom row; a stale size after a resize would misplace everything.
TEST(YAxis, DrawingYZeroIsTheBottomRowAfterEveryActivation)
{
    Canvas c(64, 48);
    EXPECT_EQ(surface_update_y(c.s, 0), 47);
    c.draw(line(3, 0, 3, 0), WriteMode::Replace);
    EXPECT_EQ(c.img.pixel(3, 47), BLACK);
    c.img = QImage(100, 50, QImage::Format_RGB32);
    surface_activate(c.s);
    surface_clear(c.s);
    EXPECT_EQ(c.s.width, 100);
    EXPECT_EQ(surface_update_y(c.s, 10), 39);
    c.draw(line(90, 0, 90, 0), WriteMode::Replace);
    EXPECT_EQ(c.img.pixel(90, 49), BLACK);
}

// Drawing with the size of an image since shrunk would write past its end.
TEST(YAxis, NothingIsDrawnUntilTheNewSizeIsRead)
{
    Canvas c(64, 48);
    c.img = QImage(10, 5, QImage::Format_RGB32);
    c.img.fill(WHITE);
    c.draw(rect(0, 63, 0, 47), WriteMode::Replace);
    EXPECT_EQ(c.img.pixel(0, 0), WHITE);
    EXPECT_TRUE(c.damage.empty());
    surface_activate(c.s);
    c.draw(rect(0, 63, 0, 47), WriteMode::Replace);
    EXPECT_EQ(c.img.pixel(0, 0), BLACK);
}

// Coordinates far outside the canvas must neither overflow nor cost nor change the visible pixels.
TEST(Clipping, HugeFiguresAreExactAndRestored)
{
    const int64_t lo = INT32_MIN, hi = INT32_MAX;
    for (const auto& f : {rect(lo, hi, lo, hi), rect(lo, 10, lo, 10), line(lo, lo, hi, hi), line(lo, 10, hi, 30),
                          line(INT64_MIN, 5, INT64_MAX, 5), line(INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX),
                          arc(hi + 11, 24, int64_t{1} << 32, 30), arc(32, lo, (int64_t{1} << 32) + 48, (int64_t{1} << 32) + 48),
                          arc(0, 0, INT64_MAX, INT64_MAX), triangle(lo, lo, hi, 0, 0, hi), triangle(INT64_MIN, 0, INT64_MAX, 1, 3, INT64_MAX)})
        expect_not_xor_exact(64, 48, f);
    EXPECT_EQ(replace_set(64, 48, rect(lo, hi, lo, hi)), Pixels{});
    EXPECT_EQ(replace_set(64, 48, rect(lo, 10, lo, 10)), replace_set(64, 48, rect(-1, 10, -1, 10)));
    Pixels diagonal;
    for (int i = 0; i < 48; ++i) diagonal.insert({i, 47 - i});
    EXPECT_EQ(replace_set(64, 48, line(lo, lo, hi, hi)), diagonal);
    const Pixels tip = replace_set(64, 48, arc(hi + 11, 24, int64_t{1} << 32, 30));
    EXPECT_EQ(bounds(tip).left(), 10);
    EXPECT_TRUE(connected(tip));
}

TEST(Clipping, TheVisiblePartOfALineDoesNotDependOnTheWindow)
{
    const Pixels whole = replace_set(2100, 1600, line(0, 0, 2000, 1500));
    const Pixels part = replace_set(64, 48, line(-1000, -700, 1000, 800));
    Pixels expected;
    for (auto [x, r] : whole)
        if (x >= 1000 && x < 1064 && r >= 1600 - 700 - 48 && r < 1600 - 700) expected.insert({x - 1000, r - (1600 - 700 - 48)});
    EXPECT_EQ(part, expected);
}

// A damage report for pixels that did not change makes the canvas repaint for nothing.
TEST(Damage, NothingChangedNothingReported)
{
    Canvas c(64, 48);
    c.draw(rect(5, 40, 6, 30), WriteMode::NotXor, 0xFFFFFF);  // not-xor with white leaves every pixel
    c.draw(rect(100, 200, 100, 200), WriteMode::Replace);
    EXPECT_TRUE(c.damage.empty());
    c.draw(rect(5, 40, 6, 30), WriteMode::Replace);
    c.damage.clear();
    c.draw(rect(5, 40, 6, 30), WriteMode::Replace);  // already black
    EXPECT_TRUE(c.damage.empty());
}

// The pen's colour must reach the image as 0xFFRRGGBB, and not-xor must show it on white.
TEST(Colour, ReplaceAndNotXorShowTheForeground)
{
    Canvas c(64, 48);
    c.draw(line(1, 1, 1, 1), WriteMode::Replace, 0x0000FF);
    c.draw(line(2, 1, 2, 1), WriteMode::NotXor, 0xFF0000);
    EXPECT_EQ(c.img.pixel(1, 46), 0xFF0000FFu);
    EXPECT_EQ(c.img.pixel(2, 46), 0xFFFF0000u);
}

// Clearing in not-xor mode would invert instead of wipe.
TEST(Clear, FillsWhiteInEitherModeAndDamagesEverything)
{
    for (WriteMode mode : {WriteMode::Replace, WriteMode::NotXor}) {
        Canvas c(64, 48);
        fill_pattern(c.img);
        c.draw([](DrawSurface& s) { surface_clear(s); }, mode, 0xFF0000);
        EXPECT_EQ(c.img, Canvas(64, 48).img);
        EXPECT_EQ(c.img.pixel(0, 0), WHITE);
        EXPECT_EQ(c.damage, std::vector<QRect>{QRect(0, 0, 64, 48)});
    }
}

namespace {

// Every primitive in its awkward cases: octants, long shallow and steep lines, thin and huge boxes,
// ellipses cut by any row, thin triangles.
std::vector<Figure> clip_cases()
{
    const int64_t lo = INT32_MIN, hi = INT32_MAX;
    std::vector<Figure> out{line(3, 4, 60, 20), line(10, 2, 14, 45), line(60, 40, 2, 1), line(5, 30, 40, 30),
                            line(-1000, -700, 1000, 800), line(lo, 10, hi, 30), line(20, lo, 30, hi),
                            line(INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX), line(7, 7, 7, 7),
                            rect(5, 40, 6, 30), rect(5, 5, 3, 9), rect(4, 20, 8, 8), rect(lo, 10, lo, 10), rect(-10, 80, -5, 60),
                            triangle(5, 5, 50, 10, 20, 40), triangle(2, 40, 60, 2, 61, 3), triangle(lo, lo, hi, 0, 0, hi)};
    for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {11, 20}, {60, 3}, {3, 40}, {63, 47}, {40, 41}, {90, 70}})
        for (auto [xc, yc] : {std::pair{32, 24}, {31, 23}, {0, 47}})
            out.push_back(arc(xc, yc, w, h));
    out.push_back(arc(hi + 11, 24, int64_t{1} << 32, 30));
    out.push_back(arc(32, lo, (int64_t{1} << 32) + 48, (int64_t{1} << 32) + 48));
    return out;
}

// The clip windows of a grid: rows of the given height, the columns split at x (none when 0).
std::vector<QRect> cells(int w, int h, int rows, int x)
{
    std::vector<QRect> out;
    for (int top = 0; top < h; top += rows)
        for (auto [left, right] : {std::pair{0, x}, {x, w}})
            if (left < right) out.push_back(QRect(left, top, right - left, std::min(rows, h - top)));
    return out;
}

}  // namespace

// Guards: a rasteriser that moves, drops or repeats a pixel where a clip window cuts the figure,
// which a banded redraw would show as seams and a not-xor figure as debris.
TEST(ClipWindow, AFigureDrawnPieceByPieceEqualsTheFigureDrawnAtOnce)
{
    const std::vector<Figure> figures = clip_cases();
    for (size_t i = 0; i < figures.size(); ++i)
        for (WriteMode mode : {WriteMode::Replace, WriteMode::NotXor})
            for (auto [rows, x] : {std::pair{1, 0}, {5, 0}, {16, 0}, {7, 29}}) {
                SCOPED_TRACE(testing::Message() << "figure " << i << " mode " << int(mode) << " rows " << rows << " split " << x);
                Canvas whole(64, 48), pieces(64, 48);
                fill_pattern(whole.img);
                fill_pattern(pieces.img);
                whole.draw(figures[i], mode, 0x123456);
                for (const QRect& cell : cells(64, 48, rows, x)) {
                    surface_clip(pieces.s, cell);
                    pieces.draw(figures[i], mode, 0x123456);
                }
                ASSERT_EQ(differing(pieces.img, whole.img), Pixels{});
            }
}

// Guards: pixels drawn outside the clip window, or damage reported for pixels the window kept
// from changing.
TEST(ClipWindow, OnlyTheWindowChangesAndOnlyItsChangesAreReported)
{
    const QRect window(10, 12, 30, 9);
    for (const Figure& f : clip_cases()) {
        Canvas full(64, 48), clipped(64, 48);
        full.draw(f, WriteMode::NotXor);
        surface_clip(clipped.s, window);
        clipped.draw(f, WriteMode::NotXor);
        Pixels inside;
        for (auto [x, r] : differing(Canvas(64, 48).img, full.img))
            if (window.contains(x, r)) inside.insert({x, r});
        ASSERT_EQ(differing(Canvas(64, 48).img, clipped.img), inside);
        if (inside.empty()) EXPECT_TRUE(clipped.damage.empty());
        else EXPECT_EQ(clipped.damage, std::vector<QRect>{bounds(inside)});
    }
}

// Guards: a clip window left partly outside the image (drawing off its end), and a null clip not
// meaning the whole image again.
TEST(ClipWindow, ClearsTheWindowWithinTheImageAndANullClipLiftsIt)
{
    Canvas c(64, 48);
    fill_pattern(c.img);
    const QImage before = c.img.copy();
    surface_clip(c.s, QRect(50, 40, 100, 100));
    c.draw([](DrawSurface& s) { surface_clear(s); }, WriteMode::NotXor);
    EXPECT_EQ(c.damage, std::vector<QRect>{QRect(50, 40, 14, 8)});
    EXPECT_EQ(bounds(differing(before, c.img)), QRect(50, 40, 14, 8));
    EXPECT_EQ(c.img.pixel(50, 40), WHITE);
    c.draw(rect(0, 63, 0, 47), WriteMode::Replace);
    EXPECT_EQ(c.img.pixel(0, 0), before.pixel(0, 0));
    EXPECT_EQ(c.img.pixel(63, 47), BLACK);
    surface_clip(c.s, QRect());
    c.draw(rect(0, 63, 0, 47), WriteMode::Replace);
    EXPECT_EQ(c.img.pixel(0, 0), BLACK);
}

// Guards: a banded redraw whose bands miss rows, overlap, or keep their clip afterwards, and one
// that reports the bands' pieces instead of the whole image once.
TEST(Redraw, BandByBandEqualsAClearAndOneDrawAndDamagesTheImageOnce)
{
    const int w = 2048, h = 700;  // several bands of rows at this width
    const std::vector<Figure> figures{rect(5, 2000, 6, 690), arc(1000, 350, 1900, 680), line(0, 0, 2047, 699),
                                      line(3, 690, 2040, 2), triangle(10, 10, 2000, 300, 40, 690), arc(300, 200, 41, 500)};
    auto draw_all = [&](DrawSurface& s) {
        for (const Figure& f : figures) f(s);
    };
    Canvas once(w, h), banded(w, h);
    fill_pattern(once.img);
    fill_pattern(banded.img);
    surface_clear(once.s);
    draw_all(once.s);
    std::vector<QRect> clips;
    surface_redraw(banded.s, [&](DrawSurface& s) {
        clips.push_back(s.clip);
        draw_all(s);
    });
    EXPECT_EQ(banded.img, once.img);
    EXPECT_EQ(banded.damage, std::vector<QRect>{QRect(0, 0, w, h)});
    EXPECT_TRUE(banded.s.clip.isNull());
    ASSERT_GT(clips.size(), size_t{1});
    QRegion covered;
    for (const QRect& r : clips) {
        EXPECT_EQ(r.width(), w);
        EXPECT_TRUE((covered & r).isEmpty()) << "bands overlap";
        covered += r;
    }
    EXPECT_EQ(covered, QRegion(0, 0, w, h));
}
