// The layout a listener learns, on small drawings. Guards: y taken as down, a touching or corner-
// only box taken as crossing or beside, the gap's limit off by one, a container that is not the
// smallest, a tie going to the other figure, a near diagonal figure beating one straight ahead.
#include "core/figure_layout.h"

#include "tests/export_support.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Figures = std::vector<ShapeRecord>;



// A house, its roof resting on it and its door inside, the door's bottom on the house's.
const Figures HOUSE{rect(60, 30, 200, 130), triangle(60, 130, 200, 130, 130, 180), rect(110, 30, 140, 80)};
// Nested boxes; the last is the same box as the first.
const Figures NESTED{rect(0, 0, 100, 100), rect(10, 10, 90, 90), rect(20, 20, 30, 30), rect(100, 100, 0, 0)};
// One box crossing two, one of which only touches it.
const Figures CROSSED{rect(0, 0, 20, 20), rect(10, 10, 30, 30), rect(20, 0, 40, 20)};
// Above the first at 20 pixels, right of it at 21, and one touching only its corner.
const Figures SPACED{rect(0, 0, 10, 10), rect(0, 30, 10, 40), rect(31, 0, 40, 10), rect(10, 10, 20, 20)};
// Over a long box: two at 5 pixels (a tie) and one at 8.
const Figures STACKED{rect(0, 15, 10, 20), rect(0, 0, 30, 10), rect(20, 15, 30, 20), rect(12, 18, 18, 25)};

}  // namespace

TEST(FigureLayout, RelationsOfAFigure)
{
    const struct {
        const Figures& figures;
        int i;
        FigureRelations expected;  // inside, contains, crosses, beside {above, below, left, right}
    } cases[] = {
        {HOUSE, 0, {-1, {2}, {}, {-1, 1, -1, -1}}},
        {HOUSE, 1, {-1, {}, {}, {0, -1, -1, -1}}},  // touching counts: the roof is "acima de" the house
        {HOUSE, 2, {0, {}, {}, {-1, -1, -1, -1}}},
        {NESTED, 2, {1, {}, {}, {-1, -1, -1, -1}}},
        {NESTED, 1, {3, {2}, {}, {-1, -1, -1, -1}}},  // two equal containers: the later drawn
        {NESTED, 3, {0, {1, 2}, {}, {-1, -1, -1, -1}}},
        {NESTED, 0, {-1, {1, 2, 3}, {}, {-1, -1, -1, -1}}},
        {CROSSED, 0, {-1, {}, {1}, {-1, -1, 2, -1}}},
        {CROSSED, 1, {-1, {}, {0, 2}, {-1, -1, -1, -1}}},
        {SPACED, 0, {-1, {}, {}, {-1, 1, -1, -1}}},
        {STACKED, 1, {-1, {}, {}, {-1, 0, -1, -1}}},
        {STACKED, 3, {-1, {}, {}, {1, -1, 2, 0}}},  // and 2 pixels from each of the two beside it
    };
    for (const auto& c : cases) {
        const ObjectList list = list_of(c.figures);
        const FigureRelations r = figure_relations(&list, c.i);
        EXPECT_EQ(r.inside, c.expected.inside) << c.i;
        EXPECT_EQ(r.contains, c.expected.contains) << c.i;
        EXPECT_EQ(r.crosses, c.expected.crosses) << c.i;
        EXPECT_EQ(r.beside, c.expected.beside) << c.i;
    }
}

TEST(FigureLayout, NearestInADirection)
{
    // From the first: one straight above at 100, one nearer (85) diagonally up and right.
    const Figures around{rect(0, 0, 10, 10), rect(0, 100, 10, 110), rect(60, 60, 70, 70)};
    const Figures tied{rect(0, 0, 10, 10), rect(20, 50, 30, 60), rect(-20, 50, -10, 60)};
    const struct {
        const Figures& figures;
        int from;  // -1: no figure focused
        Direction d;
        int expected;
    } cases[] = {
        {around, 0, Direction::Up, 1},      {around, 0, Direction::Right, 2}, {around, 0, Direction::Down, -1},
        {around, 1, Direction::Down, 0},    {around, 1, Direction::Left, -1}, {tied, 0, Direction::Up, 1},
        {around, -1, Direction::Right, 0},  {around, -1, Direction::Left, 2}, {around, -1, Direction::Down, 1},
        {around, -1, Direction::Up, 0},
    };
    for (const auto& c : cases) {
        const ObjectList list = list_of(c.figures);
        const int got = c.from < 0 ? first_from_edge(&list, c.d) : nearest_in_direction(&list, c.from, c.d);
        EXPECT_EQ(got, c.expected) << c.from << " " << static_cast<int>(c.d);
    }
}

TEST(FigureLayout, ReadingOrderAndWhatAChangeDid)
{
    const ObjectList list =
        list_of({rect(0, 0, 10, 10), rect(50, 20, 60, 30), rect(20, 20, 30, 30), rect(30, 5, 20, 30)});
    EXPECT_EQ(reading_order(&list, {0, 1, 2, 3}), (std::vector<int>{2, 3, 1, 0}));

    const FigureRelations before{0, {}, {3}, {-1, -1, -1, -1}}, after{-1, {}, {3, 4}, {1, -1, -1, -1}};
    using C = std::vector<RelationChange>;
    EXPECT_EQ(relation_changes(before, after), (C{{Relation::Crosses, 4, true}, {Relation::Above, 1, true}, {Relation::Inside, 0, false}}));
    EXPECT_EQ(relation_changes(after, before), (C{{Relation::Inside, 0, true}, {Relation::Crosses, 4, false}, {Relation::Above, 1, false}}));
    EXPECT_TRUE(relation_changes(after, after).empty());
}
