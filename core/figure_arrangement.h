// Arrange: align, distribute, flip and turn the selected figures. Everything is measured on the
// figures' bounding boxes (core/figure_box.h), in the drawing's integer coordinates, y up, and on
// the box of the whole selection. Pure: a list in, the arranged list out; the commands hand the
// result to the door as one undo step.
#pragma once

#include "core/shape_list.h"

#include <vector>

enum class Arrangement {
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignTop,
    AlignMiddle,
    AlignBottom,
    DistributeHorizontally,
    DistributeVertically,
    FlipHorizontally,
    FlipVertically,
    TurnClockwise,         // as seen on the screen
    TurnCounterClockwise,
};

// The fewest selected figures for which the command means something (its item is greyed below):
// two to align, three to distribute, one to flip or turn.
int arrangement_minimum(Arrangement how);

// The list with the figures at places arranged; places may come in any order, and those outside
// the list are ignored. Every other figure, the drawing order and the -1 fillers stay as they are,
// and a figure an alignment or a distribution finds in place keeps its record. A flip or a turn
// changes records even where the picture looks the same: a lone rectangle flipped trades its two
// points. Points are held at the int32 limits rather than wrapped.
// - Align moves each figure, keeping its size, so its box's edge (or centre, the sum of its two
//   edges halved and rounded down) meets the selection box's.
// - Distribute keeps the figure with the leftmost left edge and the one with the rightmost right
//   edge (vertically: the topmost top, the bottommost bottom), places the others between them in
//   the order of their box centres with equal gaps, and gives the pixels that do not divide to the
//   first gaps (from the left, or from the top), one each. The gaps may be negative when the
//   figures are wider than the room between the two kept ones. When figures overlap so much that
//   equal gaps would carry one past a kept figure or out of order (overlaps deeper than the
//   narrowest figure is wide), the result would not repeat itself; such a selection is left as
//   it is.
// - A flip mirrors every point about the selection box's middle line (x becomes left + right - x).
// - A turn rotates every point by 90 degrees about one integer point near the selection box's
//   centre (see figure_arrangement.cpp for which), so four turns, or a turn and its opposite,
//   give back the figures exactly.
ObjectList arranged(const ObjectList* list, const std::vector<int>& places, Arrangement how);
