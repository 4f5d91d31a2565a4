// The layout a listener learns: relations of boxes, reading order and the nearest figure in a
// direction, each one pass over the list.
#include "core/figure_layout.h"

#include "core/figure_box.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

static_assert(static_cast<int>(Relation::Right) - static_cast<int>(Relation::Above) == SIDE_COUNT - 1,
              "the relations beside come in the order of the sides");

namespace {

// Open intervals meet: the two share more than an end.
bool overlap(int64_t lo1, int64_t hi1, int64_t lo2, int64_t hi2) { return lo1 < hi2 && lo2 < hi1; }

bool within(const FigureBox& a, const FigureBox& b)
{
    return b.left <= a.left && a.right <= b.right && b.bottom <= a.bottom && a.top <= b.top;
}

// Figure a (box ba) lies inside figure b; of identical boxes, the later drawn inside the earlier.
bool lies_inside(const FigureBox& ba, int a, const FigureBox& bb, int b)
{
    return within(ba, bb) && (ba != bb || a > b);
}

bool cross(const FigureBox& a, const FigureBox& b)
{
    return overlap(a.left, a.right, b.left, b.right) && overlap(a.bottom, a.top, b.bottom, b.top);
}

// Under 2^64 for any int32 box.
uint64_t area(const FigureBox& b) { return uint64_t(box_width(b)) * uint64_t(box_height(b)); }

// How far box b is on the given side of box a (Above: b lies below a), or -1 when it is not there:
// not overlapping it across the other axis.
int64_t gap_on(Side side, const FigureBox& a, const FigureBox& b)
{
    const bool vertical = side == Side::Above || side == Side::Below;
    if (vertical ? !overlap(a.left, a.right, b.left, b.right) : !overlap(a.bottom, a.top, b.bottom, b.top))
        return -1;
    switch (side) {
    case Side::Above: return a.bottom - b.top;
    case Side::Below: return b.bottom - a.top;
    case Side::Left: return b.left - a.right;
    case Side::Right: return a.left - b.right;
    }
    return -1;
}

// Takes figure j beside i on each side where it is nearer than the one found so far; j comes in
// drawing order, so the earlier of equals stays.
void note_beside(FigureRelations& r, std::array<int64_t, SIDE_COUNT>& best, const FigureBox& a,
                 const FigureBox& b, int j)
{
    for (int s = 0; s < SIDE_COUNT; ++s) {
        const int64_t gap = gap_on(static_cast<Side>(s), a, b);
        if (gap < 0 || gap > BESIDE_GAP || (r.beside[s] >= 0 && gap >= best[s])) continue;
        r.beside[s] = j;
        best[s] = gap;
    }
}

// A box's centre doubled, so it stays whole.
std::pair<int64_t, int64_t> centre2(const FigureBox& b) { return {b.left + b.right, b.bottom + b.top}; }

void changes_of(std::vector<RelationChange>& out, Relation relation, int before, int after, bool began)
{
    const int figure = began ? after : before;
    if (before != after && figure >= 0) out.push_back({relation, figure, began});
}

void changes_of(std::vector<RelationChange>& out, Relation relation, const std::vector<int>& before,
                const std::vector<int>& after, bool began)
{
    const std::vector<int>& now = began ? after : before;
    const std::vector<int>& then = began ? before : after;
    for (int figure : now)
        if (!std::binary_search(then.begin(), then.end(), figure)) out.push_back({relation, figure, began});
}

}  // namespace

FigureRelations figure_relations(const ObjectList* list, int i)
{
    FigureRelations r;
    std::array<int64_t, SIDE_COUNT> best{};
    uint64_t inside_area = 0;
    const FigureBox a = figure_box(list_get(list, i));
    for (int j = 0; j < list_count(list); ++j) {
        if (j == i) continue;
        const FigureBox b = figure_box(list_get(list, j));
        if (lies_inside(a, i, b, j)) {
            if (r.inside < 0 || area(b) <= inside_area) r.inside = j, inside_area = area(b);
        } else if (lies_inside(b, j, a, i)) {
            r.contains.push_back(j);
        } else if (cross(a, b)) {
            r.crosses.push_back(j);
        } else {
            note_beside(r, best, a, b, j);
        }
    }
    return r;
}

std::vector<RelationChange> relation_changes(const FigureRelations& before, const FigureRelations& after)
{
    std::vector<RelationChange> out;
    for (bool began : {true, false}) {
        changes_of(out, Relation::Inside, before.inside, after.inside, began);
        changes_of(out, Relation::Contains, before.contains, after.contains, began);
        changes_of(out, Relation::Crosses, before.crosses, after.crosses, began);
        for (int s = 0; s < SIDE_COUNT; ++s)
            changes_of(out, static_cast<Relation>(static_cast<int>(Relation::Above) + s), before.beside[s],
                       after.beside[s], began);
    }
    return out;
}

std::vector<int> reading_order(const ObjectList* list, std::vector<int> places)
{
    std::sort(places.begin(), places.end(), [list](int p, int q) {
        const FigureBox a = figure_box(list_get(list, p)), b = figure_box(list_get(list, q));
        return std::make_tuple(-a.top, a.left, p) < std::make_tuple(-b.top, b.left, q);
    });
    return places;
}

int nearest_in_direction(const ObjectList* list, int from, Direction d)
{
    const auto [fx, fy] = centre2(figure_box(list_get(list, from)));
    const bool vertical = d == Direction::Up || d == Direction::Down;
    const bool forward = d == Direction::Up || d == Direction::Right;
    int nearest = -1;
    int64_t best = 0;
    for (int j = 0; j < list_count(list); ++j) {
        if (j == from) continue;
        const auto [x, y] = centre2(figure_box(list_get(list, j)));
        const int64_t along = (vertical ? y - fy : x - fx) * (forward ? 1 : -1);
        const int64_t across = vertical ? std::llabs(x - fx) : std::llabs(y - fy);
        const int64_t score = along + 2 * across;
        if (along > 0 && (nearest < 0 || score < best)) nearest = j, best = score;
    }
    return nearest;
}

int first_from_edge(const ObjectList* list, Direction d)
{
    // How far a box is from the edge it is entered from, the smaller the nearer.
    auto depth = [d](const FigureBox& b) {
        switch (d) {
        case Direction::Right: return b.left;
        case Direction::Left: return -b.right;
        case Direction::Up: return b.bottom;
        case Direction::Down: return -b.top;
        }
        return int64_t{0};
    };
    int first = -1;
    int64_t best = 0;
    for (int j = 0; j < list_count(list); ++j) {
        const int64_t v = depth(figure_box(list_get(list, j)));
        if (first < 0 || v < best) first = j, best = v;
    }
    return first;
}
