// The figure list: slot operations, the append operations with their trace, and the capacity limit.
#include "core/shape_list.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

bool same(ShapeRecord a, ShapeRecord b) { return std::memcmp(&a, &b, sizeof a) == 0; }

ShapeRecord rect_in_record_order(int x1, int x2, int y1, int y2) { return ShapeRecord{SHAPE_RECT, x1, x2, -1, y1, y2, -1}; }

// A list of n rectangles whose x1 is the index, so moved slots can be recognised.
ObjectList numbered(int n)
{
    ObjectList list{};
    for (int i = 0; i < n; ++i) list_set(&list, i, SHAPE_RECT, i, 0, -1, 0, 0, -1);
    list.count = n;
    return list;
}

std::vector<int> x1s(const ObjectList& list)
{
    std::vector<int> out;
    for (int i = 0; i < list_count(&list); ++i) out.push_back(shape_x1(list_get(&list, i)));
    return out;
}

}  // namespace

// Deleting must close the gap in order, wherever the deleted figure was.
TEST(ListDelete, FromTheMiddleKeepsOrder)
{
    ObjectList list = numbered(5);
    list_delete(&list, 2);
    EXPECT_EQ(x1s(list), (std::vector<int>{0, 1, 3, 4}));
}

TEST(ListDelete, FromTheFrontMovesTheOthersDown)
{
    ObjectList list = numbered(3);
    list_delete(&list, 0);
    EXPECT_EQ(x1s(list), (std::vector<int>{1, 2}));
}

TEST(ListDelete, OfTheLastOnlyDecrementsCount)
{
    ObjectList list = numbered(3);
    const ObjectList before = list;
    list_delete(&list, 2);
    EXPECT_EQ(list_count(&list), 2);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(same(list_get(&list, i), list_get(&before, i))) << i;
}

// Clearing must really empty the list, so the next figure lands in slot 0.
TEST(ListClear, ThenAddReusesSlotZero)
{
    ObjectList list = numbered(4);
    TraceCapture trace;
    list_clear(&list);
    EXPECT_EQ(list_count(&list), 0);
    EXPECT_EQ(list_add_rect(&list, 7, 8, 9, 10), 1);
    EXPECT_EQ(list_count(&list), 1);
    EXPECT_TRUE(same(list_get(&list, 0), rect_in_record_order(7, 9, 8, 10)));
}

// A 201st figure must be refused without a trace and without touching memory past the slots.
TEST(ListCapacity, TheTwoHundredAndFirstFigureIsRefused)
{
    struct Guarded {
        ObjectList list;
        unsigned char tail[64];
    } block;
    std::memset(&block, 0xA5, sizeof block);
    block.list.count = 0;
    TraceCapture trace;
    for (int i = 0; i < LIST_CAPACITY; ++i) ASSERT_EQ(list_add_rect(&block.list, i, 0, i, 1), 1);
    trace.take();
    const Guarded before = block;

    EXPECT_EQ(list_add_rect(&block.list, 1, 2, 3, 4), 0);
    EXPECT_EQ(list_add_ellipse(&block.list, 1, 2, 3, 4), 0);
    EXPECT_EQ(list_add_triangle(&block.list, 1, 2, 3, 4, 5, 6), 0);
    EXPECT_EQ(trace.take(), "");
    EXPECT_EQ(list_count(&block.list), LIST_CAPACITY);
    EXPECT_TRUE(list_full(&block.list));
    EXPECT_EQ(std::memcmp(&block, &before, sizeof block), 0);
}

// The insert lines are read by people and scripts alike: byte for byte, no trailing newline.
TEST(ListTrace, InsertLinesAreExact)
{
    ObjectList list{};
    TraceCapture trace;
    list_add_rect(&list, 1, 2, 3, 4);
    EXPECT_EQ(trace.take(), "\n Insert rect [(1,2),(3,4)]");
    list_add_ellipse(&list, -5, 6, 70, 0);
    EXPECT_EQ(trace.take(), "\n Insert ellipse [(-5,6),(70,0)]");
    list_add_triangle(&list, 1, 2, 3, 4, 5, 6);
    EXPECT_EQ(trace.take(), "\n Insert triang [(1,2),(3,4),(5,6)]");
}

// Files hold records verbatim, so the field order and the -1 fillers must be exactly these.
TEST(ListRecord, FieldsAreStoredInDragOrderAllXFirst)
{
    ObjectList list{};
    TraceCapture trace;
    list_add_rect(&list, 30, 40, 10, 20);     // dragged from top-right to bottom-left
    list_add_ellipse(&list, 5, 6, 1, 2);
    list_add_triangle(&list, 1, 2, 3, 4, 5, 6);
    EXPECT_TRUE(same(list_get(&list, 0), ShapeRecord{SHAPE_RECT, 30, 10, -1, 40, 20, -1}));
    EXPECT_TRUE(same(list_get(&list, 1), ShapeRecord{SHAPE_ELLIPSE, 5, 1, -1, 6, 2, -1}));
    EXPECT_TRUE(same(list_get(&list, 2), ShapeRecord{SHAPE_TRIANGLE, 1, 3, 5, 2, 4, 6}));
    EXPECT_EQ(list_count(&list), 3);
}
