// The hit test: filled figures, inclusive and strict boundaries, degenerate and extreme figures.
#include "core/hit_test.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <climits>

namespace {


}  // namespace

// Rectangles are inclusive of their border, whichever corner was dragged first.
TEST(HitRect, BorderAndInsideHitOutsideMisses)
{
    const ShapeRecord r = rect(10, 20, 30, 40);
    EXPECT_EQ(shape_contains(r, 20, 30), HIT);
    EXPECT_EQ(shape_contains(r, 10, 20), HIT);
    EXPECT_EQ(shape_contains(r, 30, 35), HIT);
    EXPECT_EQ(shape_contains(r, 20, 40), HIT);
    EXPECT_EQ(shape_contains(r, 31, 30), MISS);
    EXPECT_EQ(shape_contains(r, 20, 19), MISS);
}

TEST(HitRect, ReversedCornersHitAsTheNormalisedBox)
{
    const ShapeRecord normal = rect(10, 20, 30, 40);
    const ShapeRecord reversed = rect(30, 40, 10, 20);
    for (int x = 5; x <= 35; ++x)
        for (int y = 15; y <= 45; ++y)
            ASSERT_EQ(shape_contains(reversed, x, y), shape_contains(normal, x, y)) << x << "," << y;
}

// Ellipses are inclusive of their boundary; degenerate ones have no inside at all.
TEST(HitEllipse, BoundaryCountsAsInside)
{
    const ShapeRecord e = ellipse(0, 0, 10, 20);
    EXPECT_EQ(shape_contains(e, 5, 10), HIT);
    EXPECT_EQ(shape_contains(e, 10, 10), HIT);
    EXPECT_EQ(shape_contains(e, 5, 20), HIT);
    EXPECT_EQ(shape_contains(e, 10, 20), MISS);
    EXPECT_EQ(shape_contains(e, 0, 0), MISS);
    EXPECT_EQ(shape_contains(ellipse(10, 20, 0, 0), 10, 10), HIT);
}

TEST(HitEllipse, ZeroWidthOrHeightNeverHits)
{
    EXPECT_EQ(shape_contains(ellipse(5, 0, 5, 20), 5, 10), MISS);   // the centre of the segment
    EXPECT_EQ(shape_contains(ellipse(5, 0, 5, 20), 5, 0), MISS);
    EXPECT_EQ(shape_contains(ellipse(0, 7, 20, 7), 10, 7), MISS);
    EXPECT_EQ(shape_contains(ellipse(0, 7, 20, 7), 10, 8), MISS);
    EXPECT_EQ(shape_contains(ellipse(3, 3, 3, 3), 3, 3), MISS);
}

// Triangles are strict: edges, vertices and collinear triangles are outside, in either winding.
TEST(HitTriangle, EdgesAndVerticesMiss)
{
    const ShapeRecord t = triangle(0, 0, 10, 0, 0, 10);
    EXPECT_EQ(shape_contains(t, 2, 2), HIT);
    EXPECT_EQ(shape_contains(t, 5, 0), MISS);     // on an edge
    EXPECT_EQ(shape_contains(t, 5, 5), MISS);     // on the hypotenuse
    EXPECT_EQ(shape_contains(t, 0, 0), MISS);     // a vertex
    EXPECT_EQ(shape_contains(t, 10, 0), MISS);
    EXPECT_EQ(shape_contains(t, 6, 6), MISS);
}

TEST(HitTriangle, EitherWindingHits)
{
    EXPECT_EQ(shape_contains(triangle(0, 0, 10, 0, 0, 10), 2, 3), HIT);  // counter-clockwise
    EXPECT_EQ(shape_contains(triangle(0, 0, 0, 10, 10, 0), 2, 3), HIT);  // clockwise
}

TEST(HitTriangle, DegenerateTriangleNeverHits)
{
    const ShapeRecord t = triangle(0, 0, 5, 5, 10, 10);
    EXPECT_EQ(shape_contains(t, 3, 3), MISS);
    EXPECT_EQ(shape_contains(t, 3, 4), MISS);
    EXPECT_EQ(shape_contains(triangle(4, 4, 4, 4, 4, 4), 4, 4), MISS);
}

// Types other than the three are kept in files but must never be picked.
TEST(HitOther, UnknownTypeNeverHits)
{
    for (int type : {-1, 3, INT_MIN, INT_MAX}) {
        const ShapeRecord r{type, 0, 10, 5, 0, 10, 5};
        EXPECT_EQ(shape_contains(r, 5, 5), MISS) << type;
    }
}

// Figures loaded from a file may hold any int32: the answers must still be the geometric ones.
TEST(HitExtreme, FiguresAtTheInt32LimitsGiveDefinedResults)
{
    EXPECT_EQ(shape_contains(rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, 0), HIT);
    EXPECT_EQ(shape_contains(rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN), INT_MIN, INT_MAX), HIT);
    EXPECT_EQ(shape_contains(ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, 0), HIT);
    EXPECT_EQ(shape_contains(ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX), INT_MIN, INT_MIN), MISS);
    EXPECT_EQ(shape_contains(ellipse(INT_MAX, 0, INT_MAX, 10), INT_MAX, 5), MISS);
    const ShapeRecord t = triangle(INT_MIN, INT_MIN, INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    EXPECT_EQ(shape_contains(t, 0, -2), HIT);
    EXPECT_EQ(shape_contains(t, 0, INT_MIN), MISS);   // on the long bottom edge
    EXPECT_EQ(shape_contains(t, -1, 0), MISS);        // on the hypotenuse, 2^32 long
    EXPECT_EQ(shape_contains(t, -1, -1), HIT);        // just inside it
    EXPECT_EQ(shape_contains(t, INT_MAX, INT_MIN), MISS);
}

// The top-most figure (the one drawn last) must win an overlap.
TEST(ListPick, OverlapPicksTheHigherIndex)
{
    ObjectList list{};
    list_set(&list, 0, SHAPE_RECT, 0, 20, -1, 0, 20, -1);
    list_set(&list, 1, SHAPE_RECT, 10, 30, -1, 10, 30, -1);
    list_set(&list, 2, SHAPE_RECT, 100, 120, -1, 100, 120, -1);
    list.count = 3;
    EXPECT_EQ(list_pick(&list, 15, 15), 1);
    EXPECT_EQ(list_pick(&list, 5, 5), 0);
    EXPECT_EQ(list_pick(&list, 25, 25), 1);
    EXPECT_EQ(list_pick(&list, 50, 50), -1);
}

TEST(ListPick, EmptyListAndStaleSlotsPickNothing)
{
    ObjectList list{};
    list_set(&list, 0, SHAPE_RECT, 0, 20, -1, 0, 20, -1);   // stale: beyond count
    list.count = 0;
    EXPECT_EQ(list_pick(&list, 5, 5), -1);
}
