// Arrange: each command is a map of the selected figures' points, worked out in 64 bits from
// their boxes and held at the int32 limits when stored.
#include "core/figure_arrangement.h"

#include "core/figure_box.h"

#include <algorithm>
#include <bitset>
#include <limits>
#include <tuple>
#include <utility>

namespace {

using Places = std::bitset<LIST_CAPACITY>;
using Point = std::pair<int64_t, int64_t>;

// Division rounded down, also for a negative a (b > 0): C++'s own rounds towards zero.
int64_t floor_div(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

int64_t floor_half(int64_t a) { return floor_div(a, 2); }

bool odd(int64_t a) { return (a & 1) != 0; }

int32_t held(int64_t v)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

Places chosen(const ObjectList* list, const std::vector<int>& places)
{
    Places set;
    for (int p : places)
        if (p >= 0 && p < list_count(list)) set.set(p);
    return set;
}

FigureBox selection_box(const ObjectList* list, const Places& set)
{
    FigureBox box{};
    bool first = true;
    for (int i = 0; i < list_count(list); ++i) {
        if (!set[i]) continue;
        const FigureBox b = figure_box(list_get(list, i));
        box = first ? b : box_union(box, b);
        first = false;
    }
    return box;
}

// Figure r with map applied to every point it uses; the fillers of a non-triangle stay -1.
template <class Map>
ShapeRecord mapped(ShapeRecord r, Map map)
{
    auto put = [&map](int32_t& x, int32_t& y) {
        const Point p = map(int64_t{x}, int64_t{y});
        x = held(p.first), y = held(p.second);
    };
    put(r.x1, r.y1);
    put(r.x2, r.y2);
    if (uses_third_point(r)) put(r.x3, r.y3);
    return r;
}

Point alignment_shift(Arrangement how, const FigureBox& s, const FigureBox& b)
{
    switch (how) {
    case Arrangement::AlignLeft: return {s.left - b.left, 0};
    case Arrangement::AlignCentre: return {floor_half(s.left + s.right) - floor_half(b.left + b.right), 0};
    case Arrangement::AlignRight: return {s.right - b.right, 0};
    case Arrangement::AlignTop: return {0, s.top - b.top};
    case Arrangement::AlignMiddle: return {0, floor_half(s.bottom + s.top) - floor_half(b.bottom + b.top)};
    case Arrangement::AlignBottom: return {0, s.bottom - b.bottom};
    default: return {0, 0};
    }
}

// A figure's extent along the axis of a distribution, low end first: x for horizontal, -y for
// vertical, so that the first gaps are the topmost, as a page is read.
struct Span {
    int64_t lo;
    int64_t hi;
    int place;
};

Span span_of(const FigureBox& b, bool horizontal, int place)
{
    return horizontal ? Span{b.left, b.right, place} : Span{-b.top, -b.bottom, place};
}

// The new low end of each span (same order), equal gaps between the two outermost.
std::vector<int64_t> spaced(const std::vector<Span>& spans)
{
    std::vector<int64_t> lo;
    for (const Span& s : spans) lo.push_back(s.lo);
    const int n = static_cast<int>(spans.size());
    if (n < 3) return lo;
    std::vector<int> order(n);
    for (int k = 0; k < n; ++k) order[k] = k;
    // The first: lowest low end (then the narrower, then the earlier drawn); the last, of the
    // others: highest high end (then the narrower, then the earlier drawn).
    const auto first = std::min_element(order.begin(), order.end(), [&](int a, int b) {
        const Span &p = spans[a], &q = spans[b];
        return std::tie(p.lo, p.hi, p.place) < std::tie(q.lo, q.hi, q.place);
    });
    std::iter_swap(order.begin(), first);
    const auto last = std::min_element(order.begin() + 1, order.end(), [&](int a, int b) {
        const Span &p = spans[a], &q = spans[b];
        return std::make_tuple(-p.hi, -p.lo, p.place) < std::make_tuple(-q.hi, -q.lo, q.place);
    });
    std::iter_swap(order.end() - 1, last);
    std::sort(order.begin() + 1, order.end() - 1, [&](int a, int b) {
        const Span &p = spans[a], &q = spans[b];
        return std::make_pair(p.lo + p.hi, p.place) < std::make_pair(q.lo + q.hi, q.place);
    });

    int64_t room = spans[order[n - 1]].lo - spans[order[0]].hi;
    for (int k = 1; k < n - 1; ++k) room -= spans[order[k]].hi - spans[order[k]].lo;
    // Rounded down, so the leftover is 0 to n - 2 pixels even when the room is negative.
    const int64_t gap = floor_div(room, n - 1), extra = room - gap * (n - 1);
    int64_t at = spans[order[0]].hi;
    for (int k = 1; k < n - 1; ++k) {
        const Span& s = spans[order[k]];
        at += gap + (k - 1 < extra ? 1 : 0);
        lo[order[k]] = at;
        at += s.hi - s.lo;
    }
    return lo;
}

ObjectList distributed_once(const ObjectList* list, const Places& set, bool horizontal)
{
    std::vector<Span> spans;
    for (int i = 0; i < list_count(list); ++i)
        if (set[i]) spans.push_back(span_of(figure_box(list_get(list, i)), horizontal, i));
    const std::vector<int64_t> lo = spaced(spans);
    ObjectList out = *list;
    for (size_t k = 0; k < spans.size(); ++k) {
        const int64_t d = lo[k] - spans[k].lo;
        const int i = spans[k].place;
        out.records[i] = figure_moved_by(list_get(list, i), horizontal ? d : 0, horizontal ? 0 : -d);
    }
    return out;
}

bool same_records(const ObjectList& a, const ObjectList& b)
{
    return std::equal(a.records, a.records + a.count, b.records);
}

// Done twice: what the second pass would still move means the first did not settle (figures
// overlapping past the kept ones, or points held at the limits), and then nothing is done, so
// that doing it again never changes anything.
ObjectList distributed(const ObjectList* list, const Places& set, bool horizontal)
{
    const ObjectList once = distributed_once(list, set, horizontal);
    return same_records(distributed_once(&once, set, horizontal), once) ? once : *list;
}

// The integer point a turn goes about: the selection box's centre when that is a whole point.
// When it lies halfway between points, plain rounding down would not do: the turned box's centre
// would round to another point, and the opposite turn would not bring the figures back. The
// neighbour is chosen so that a turn about it maps the centre to one that rounds to it again:
// halfway along one axis, the neighbour whose x + y is even; halfway along both, the neighbour
// whose x and y are both even. Each is at most half a pixel off the centre on each axis.
Point turn_pivot(const FigureBox& s)
{
    const int64_t sx = s.left + s.right, sy = s.bottom + s.top;
    int64_t cx = floor_half(sx), cy = floor_half(sy);
    if (odd(sx) && odd(sy)) {
        cx += odd(cx), cy += odd(cy);
    } else if (odd(sx) || odd(sy)) {
        (odd(sx) ? cx : cy) += odd(cx + cy);
    }
    return {cx, cy};
}

ShapeRecord arranged_figure(ShapeRecord r, Arrangement how, const FigureBox& s)
{
    // Plain copies, not a structured binding: clang 14 cannot capture one in a lambda.
    const Point pivot = turn_pivot(s);
    const int64_t cx = pivot.first, cy = pivot.second;
    switch (how) {
    case Arrangement::FlipHorizontally:
        return mapped(r, [&](int64_t x, int64_t y) { return Point{s.left + s.right - x, y}; });
    case Arrangement::FlipVertically:
        return mapped(r, [&](int64_t x, int64_t y) { return Point{x, s.bottom + s.top - y}; });
    case Arrangement::TurnClockwise:  // y is up: east of the pivot goes south
        return mapped(r, [&](int64_t x, int64_t y) { return Point{cx + (y - cy), cy - (x - cx)}; });
    case Arrangement::TurnCounterClockwise:
        return mapped(r, [&](int64_t x, int64_t y) { return Point{cx - (y - cy), cy + (x - cx)}; });
    default: {
        const auto [dx, dy] = alignment_shift(how, s, figure_box(r));
        return figure_moved_by(r, dx, dy);
    }
    }
}

}  // namespace

int arrangement_minimum(Arrangement how)
{
    switch (how) {
    case Arrangement::DistributeHorizontally:
    case Arrangement::DistributeVertically: return 3;
    case Arrangement::FlipHorizontally:
    case Arrangement::FlipVertically:
    case Arrangement::TurnClockwise:
    case Arrangement::TurnCounterClockwise: return 1;
    default: return 2;
    }
}

ObjectList arranged(const ObjectList* list, const std::vector<int>& places, Arrangement how)
{
    const Places set = chosen(list, places);
    if (how == Arrangement::DistributeHorizontally || how == Arrangement::DistributeVertically)
        return distributed(list, set, how == Arrangement::DistributeHorizontally);
    ObjectList out = *list;
    if (set.none()) return out;
    const FigureBox s = selection_box(list, set);
    for (int i = 0; i < list_count(list); ++i)
        if (set[i]) out.records[i] = arranged_figure(list_get(list, i), how, s);
    return out;
}
