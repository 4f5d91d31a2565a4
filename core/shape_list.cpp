// The figure list: creation, the slot operations and the three append operations with their trace.
#include "core/shape_list.h"

#include "core/trace.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <new>

namespace {

// Figures and pointers may lie anywhere in int32: sum wide and hold the result at the limits.
int32_t clamped_sum(int32_t v, int64_t d)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + d, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

ShapeRecord figure_moved_by(ShapeRecord r, int64_t dx, int64_t dy, bool first_stays)
{
    const int64_t dx1 = first_stays ? 0 : dx, dy1 = first_stays ? 0 : dy;
    const bool third = uses_third_point(r);
    const int64_t dx3 = third ? dx : 0, dy3 = third ? dy : 0;
    return {shape_type(r), clamped_sum(shape_x1(r), dx1), clamped_sum(shape_x2(r), dx),
            clamped_sum(shape_x3(r), dx3), clamped_sum(shape_y1(r), dy1), clamped_sum(shape_y2(r), dy),
            clamped_sum(shape_y3(r), dy3)};
}

ObjectList* list_create()
{
    auto* list = new (std::nothrow) ObjectList;
    if (!list) {
        trace("Nao tem memoria para criar lista de objetos!\n");
        return nullptr;
    }
    list->count = 0;
    return list;
}

void list_free(ObjectList* list) { delete list; }

void list_clear(ObjectList* list) { list->count = 0; }

int list_count(const ObjectList* list) { return list->count; }

bool list_full(const ObjectList* list) { return list->count >= LIST_CAPACITY; }

ShapeRecord list_get(const ObjectList* list, int i) { return list->records[i]; }

void list_set(ObjectList* list, int i, int type, int x1, int x2, int x3, int y1, int y2, int y3)
{
    list->records[i] = ShapeRecord{type, x1, x2, x3, y1, y2, y3};
}

void list_delete(ObjectList* list, int i)
{
    for (int j = i; j < list->count - 1; ++j) list->records[j] = list->records[j + 1];
    list->count -= 1;
}

// Stores a record in the next free slot; refuses (0) at capacity so nothing is written past it.
static int list_append(ObjectList* list, const ShapeRecord& record)
{
    if (list_full(list)) return 0;
    list->records[list->count] = record;
    list->count += 1;
    return 1;
}

std::string figure_points_text(ShapeRecord r)
{
    char text[96];  // three points of two 11-character numbers each, and the brackets
    if (uses_third_point(r))
        std::snprintf(text, sizeof text, "[(%d,%d),(%d,%d),(%d,%d)]", shape_x1(r), shape_y1(r), shape_x2(r),
                      shape_y2(r), shape_x3(r), shape_y3(r));
    else
        std::snprintf(text, sizeof text, "[(%d,%d),(%d,%d)]", shape_x1(r), shape_y1(r), shape_x2(r), shape_y2(r));
    return text;
}

int list_add_rect(ObjectList* list, int xa, int ya, int xb, int yb)
{
    const ShapeRecord r{SHAPE_RECT, xa, xb, -1, ya, yb, -1};
    if (!list_append(list, r)) return 0;
    trace("\n Insert rect %s", figure_points_text(r).c_str());
    return 1;
}

int list_add_ellipse(ObjectList* list, int xa, int ya, int xb, int yb)
{
    const ShapeRecord r{SHAPE_ELLIPSE, xa, xb, -1, ya, yb, -1};
    if (!list_append(list, r)) return 0;
    trace("\n Insert ellipse %s", figure_points_text(r).c_str());
    return 1;
}

int list_add_triangle(ObjectList* list, int xa, int ya, int xb, int yb, int xc, int yc)
{
    const ShapeRecord r{SHAPE_TRIANGLE, xa, xb, xc, ya, yb, yc};
    if (!list_append(list, r)) return 0;
    trace("\n Insert triang %s", figure_points_text(r).c_str());
    return 1;
}
