// Arrange on records, and its round trips. Guards: a centre or gap rounded towards zero below
// zero, a leftover pixel in the wrong gap, a turn the wrong way or about a point that creeps, a
// filler moved, a figure outside the selection touched, a distribution that changes when repeated.
#include "core/figure_arrangement.h"

#include "tests/export_support.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Figures = std::vector<ShapeRecord>;
using A = Arrangement;



Figures figures_of(const ObjectList& list) { return Figures(list.records, list.records + list.count); }

}  // namespace

TEST(FigureArrangement, EachCommandGivesTheRecordsExpected)
{
    const ShapeRecord aside = ellipse(-500, -500, -400, -450);  // never selected: must not move
    const struct {
        Figures figures;
        std::vector<int> places;
        Arrangement how;
        Figures expected;
    } cases[] = {
        {{rect(10, 0, 30, 20), aside, rect(60, 5, 50, 15)}, {0, 2}, A::AlignLeft,
         {rect(10, 0, 30, 20), aside, rect(20, 5, 10, 15)}},
        // Centres 23/2 -> 11, 9/2 -> 4, 43/2 -> 21.
        {{rect(0, 0, 9, 1), rect(20, 0, 23, 1)}, {0, 1}, A::AlignCentre, {rect(7, 0, 16, 1), rect(10, 0, 13, 1)}},
        // Negative: -10/2 -> -5 (already there), -5/2 -> -3, not -2.
        {{rect(-10, 0, 0, 1), rect(-4, 0, -1, 1)}, {1, 0}, A::AlignCentre, {rect(-10, 0, 0, 1), rect(-6, 0, -3, 1)}},
        {{triangle(0, 0, 10, 0, 5, 8), rect(20, 0, 40, 5)}, {0, 1}, A::AlignRight,
         {triangle(30, 0, 40, 0, 35, 8), rect(20, 0, 40, 5)}},
        {{rect(0, 0, 10, 10), ellipse(20, 30, 40, 35)}, {0, 1}, A::AlignTop, {rect(0, 25, 10, 35), ellipse(20, 30, 40, 35)}},
        {{rect(0, -10, 1, 0), rect(5, -4, 6, -1)}, {0, 1}, A::AlignMiddle, {rect(0, -10, 1, 0), rect(5, -6, 6, -3)}},
        {{rect(0, 0, 10, 10), ellipse(20, 30, 40, 35)}, {0, 1}, A::AlignBottom, {rect(0, 0, 10, 10), ellipse(20, 0, 40, 5)}},
        // Room 41 - 10 - 8 = 23 in two gaps: the first gets the odd pixel.
        {{rect(41, 0, 51, 5), rect(12, 0, 20, 5), rect(0, 0, 10, 5), aside}, {0, 1, 2}, A::DistributeHorizontally,
         {rect(41, 0, 51, 5), rect(22, 0, 30, 5), rect(0, 0, 10, 5), aside}},
        // Overlapping: room 49 - 20 - 40 = -11 in three gaps rounds down to -4 with one pixel over,
        // so gaps -3, -4, -4; the middle two go by their centres, not their drawing order.
        {{rect(10, 0, 30, 5), rect(0, 0, 20, 5), rect(4, 0, 24, 5), rect(49, 0, 69, 5)}, {0, 1, 2, 3},
         A::DistributeHorizontally, {rect(33, 0, 53, 5), rect(0, 0, 20, 5), rect(17, 0, 37, 5), rect(49, 0, 69, 5)}},
        // Vertically the first gap is the topmost: room 23 between tops 40 and 9.
        {{rect(0, -1, 5, 9), rect(0, 12, 5, 20), triangle(0, 40, 5, 40, 2, 50)}, {0, 1, 2}, A::DistributeVertically,
         {rect(0, -1, 5, 9), rect(0, 20, 5, 28), triangle(0, 40, 5, 40, 2, 50)}},
        {{rect(0, 0, 10, 10), triangle(20, 0, 30, 0, 25, 10), aside}, {0, 1}, A::FlipHorizontally,
         {rect(30, 0, 20, 10), triangle(10, 0, 0, 0, 5, 10), aside}},
        {{ellipse(0, -10, 5, -4), rect(0, 2, 1, 3)}, {0, 1}, A::FlipVertically, {ellipse(0, 3, 5, -3), rect(0, -9, 1, -10)}},
        // About (50, 30), clockwise as seen: the bottom-left corner goes to the top-left.
        {{rect(0, 0, 100, 60)}, {0}, A::TurnClockwise, {rect(20, 80, 80, -20)}},
        {{triangle(0, 0, 4, 0, 0, 2)}, {0}, A::TurnCounterClockwise, {triangle(3, -1, 3, 3, 1, -1)}},
        // Centre (1.5, 0) is turned about (2, 0), the neighbour whose x + y is even.
        {{rect(0, 0, 3, 0)}, {0}, A::TurnClockwise, {rect(2, 2, 2, -1)}},
        {{rect(INT_MIN, 0, INT_MAX, 0)}, {0}, A::TurnClockwise, {rect(0, INT_MAX, 0, -INT_MAX)}},  // held at the limit
    };
    for (const auto& c : cases) {
        const ObjectList list = list_of(c.figures);
        EXPECT_EQ(figures_of(arranged(&list, c.places, c.how)), c.expected) << static_cast<int>(c.how);
    }
}

// Commands done in a row: the result after all of them must equal the figures after the first
// back_to of them (0: as they were).
TEST(FigureArrangement, RoundTripsGiveTheFiguresBack)
{
    // Its box's centre, (49.5, 27), lies halfway along x; the two figures turned below, halfway along both.
    const Figures mixed{rect(3, -6, 104, 60), triangle(-5, 1, 30, 9, 12, 44), ellipse(50, 50, 61, 58)};
    const struct {
        Figures figures;
        std::vector<Arrangement> steps;
        size_t back_to;
    } cases[] = {
        {mixed, {A::FlipHorizontally, A::FlipHorizontally}, 0},
        {mixed, {A::FlipVertically, A::FlipVertically}, 0},
        {mixed, {A::TurnClockwise, A::TurnClockwise, A::TurnClockwise, A::TurnClockwise}, 0},
        {mixed, {A::TurnCounterClockwise, A::TurnCounterClockwise, A::TurnCounterClockwise, A::TurnCounterClockwise}, 0},
        {mixed, {A::TurnClockwise, A::TurnCounterClockwise}, 0},
        {mixed, {A::TurnCounterClockwise, A::TurnClockwise}, 0},
        {{rect(0, 0, 3, 1), ellipse(-8, 4, -2, 9)}, {A::TurnClockwise, A::TurnCounterClockwise}, 0},
        {mixed, {A::DistributeHorizontally, A::DistributeHorizontally}, 1},
        {mixed, {A::DistributeVertically, A::DistributeVertically}, 1},
        {{rect(10, 0, 30, 5), rect(0, 0, 20, 5), rect(4, 0, 24, 5), rect(49, 0, 69, 5)},
         {A::DistributeHorizontally, A::DistributeHorizontally}, 1},
        // A pile: equal gaps would carry the wide one past the narrow first, so nothing moves.
        {{rect(0, 0, 2, 1), rect(1, 0, 100, 1), rect(50, 0, 101, 1)}, {A::DistributeHorizontally}, 0},
    };
    for (const auto& c : cases) {
        const std::vector<int> all{0, 1, 2, 3};  // places past the list are ignored
        std::vector<ObjectList> states{list_of(c.figures)};
        for (Arrangement how : c.steps) states.push_back(arranged(&states.back(), all, how));
        EXPECT_EQ(figures_of(states.back()), figures_of(states[c.back_to])) << static_cast<int>(c.steps[0]);
        EXPECT_EQ(figures_of(states[c.back_to]) != c.figures, c.back_to > 0);  // the first steps did something
    }
}
