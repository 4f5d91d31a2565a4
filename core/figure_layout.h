// The layout a listener learns: which figure another lies inside, contains, overlaps or sits
// beside, the drawing in reading order, and the nearest figure in a direction. All of it is
// measured on bounding boxes (core/figure_box.h) in the drawing's coordinates, y up, over every
// record of the list; a figure is named by its place in the drawing order. Pure: the sentences
// are made elsewhere.
#pragma once

#include "core/shape_list.h"

#include <array>
#include <cstdint>
#include <vector>

// A figure's side as its sentence says it: Above is "acima de X", X lying just below it.
enum class Side { Above, Below, Left, Right };
constexpr int SIDE_COUNT = 4;
// The farthest a figure may be from another and still be said to be beside it, in pixels.
constexpr int64_t BESIDE_GAP = 20;

// How boxes relate, edges included. Box a lies inside box b when every edge of a is on or within
// b's; of two identical boxes, the later drawn lies inside the earlier, as it is drawn on top of
// it. Two boxes cross when they overlap by more than an edge on both axes and neither lies inside
// the other. A box is beside another when the two neither cross nor lie one inside the other,
// overlap by more than an edge across the other axis, and are 0 (touching) to BESIDE_GAP pixels
// apart.
struct FigureRelations {
    int inside = -1;              // the smallest box it lies inside; of equal areas the later drawn,
                                  // so a figure on a stack of equal boxes lies inside the top one
    std::vector<int> contains;    // the boxes lying inside this one, in drawing order
    std::vector<int> crosses;     // in drawing order
    std::array<int, SIDE_COUNT> beside{-1, -1, -1, -1};  // by Side: the nearest (of equal gaps, the earlier drawn)

    friend bool operator==(const FigureRelations&, const FigureRelations&) = default;
};

// Figure i's relations to every other figure of the list: one pass over it.
FigureRelations figure_relations(const ObjectList* list, int i);

// What a change did to a figure's relations, for "agora acima de Retângulo 1" or "não está mais
// dentro de Retângulo 1": those that began (in after, not in before) first, then those that
// ended, each group in the order of the fields above.
enum class Relation { Inside, Contains, Crosses, Above, Below, Left, Right };
struct RelationChange {
    Relation relation;
    int figure;
    bool began;

    friend bool operator==(const RelationChange&, const RelationChange&) = default;
};
std::vector<RelationChange> relation_changes(const FigureRelations& before, const FigureRelations& after);

// places as a page is read: top to bottom by box top (the higher top first, y being up), then
// left to right by box left, then in drawing order.
std::vector<int> reading_order(const ObjectList* list, std::vector<int> places);

enum class Direction { Up, Down, Left, Right };
// The figure nearest in direction d from figure from's box centre, or -1: only figures whose box
// centre lies beyond from's in that direction count, scored by the distance along the direction
// plus twice the distance across it, so one straight ahead beats a nearer one off to the side.
// Of equal scores, the earlier drawn.
int nearest_in_direction(const ObjectList* list, int from, Direction d);
// With no figure to start from: the figure nearest the edge opposite d (for Right, the one with
// the leftmost left edge), of equals the earlier drawn; -1 for an empty list.
int first_from_edge(const ObjectList* list, Direction d);
