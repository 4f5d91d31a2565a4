// The document: one ObjectList of at most 200 ShapeRecords, in drawing order (slot 0 bottom-most).
// A record's memory image is also its file format, hence the fixed layout checked below.
// Pure code: nothing here knows of Qt or of drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum ShapeType : int32_t { SHAPE_RECT = 0, SHAPE_ELLIPSE = 1, SHAPE_TRIANGLE = 2 };

// One figure. All x first, then all y: files hold these 28 bytes verbatim.
struct ShapeRecord {
    int32_t type;   // ShapeType; any other value is kept but never drawn or hit
    int32_t x1;
    int32_t x2;
    int32_t x3;     // triangle only; -1 for the others
    int32_t y1;
    int32_t y2;
    int32_t y3;     // triangle only; -1 for the others

    friend bool operator==(const ShapeRecord&, const ShapeRecord&) = default;
};
static_assert(sizeof(ShapeRecord) == 28, "a record is 28 bytes on disk");
static_assert(offsetof(ShapeRecord, x3) == 12 && offsetof(ShapeRecord, y1) == 16,
              "field order is type, x1, x2, x3, y1, y2, y3");

constexpr int LIST_CAPACITY = 200;

struct ObjectList {
    ShapeRecord records[LIST_CAPACITY];  // slots at and beyond count are stale and never read
    int32_t count;
};

// A new empty list, or null (after printing why) when memory is short.
ObjectList* list_create();
void list_free(ObjectList* list);
void list_clear(ObjectList* list);
int list_count(const ObjectList* list);
bool list_full(const ObjectList* list);
ShapeRecord list_get(const ObjectList* list, int i);
void list_set(ObjectList* list, int i, int type, int x1, int x2, int x3, int y1, int y2, int y3);
// Removes slot i, keeping the order of the others.
void list_delete(ObjectList* list, int i);
// Append and trace a figure; 1 when stored, 0 (nothing stored, nothing printed) when the list is full.
int list_add_rect(ObjectList* list, int xa, int ya, int xb, int yb);
int list_add_ellipse(ObjectList* list, int xa, int ya, int xb, int yb);
int list_add_triangle(ObjectList* list, int xa, int ya, int xb, int yb, int xc, int yc);

inline int shape_type(ShapeRecord r) { return r.type; }
inline int shape_x1(ShapeRecord r) { return r.x1; }
inline int shape_x2(ShapeRecord r) { return r.x2; }
inline int shape_x3(ShapeRecord r) { return r.x3; }
inline int shape_y1(ShapeRecord r) { return r.y1; }
inline int shape_y2(ShapeRecord r) { return r.y2; }
inline int shape_y3(ShapeRecord r) { return r.y3; }
// Only a triangle has a third point; the others hold -1 fillers there, never moved or measured.
inline bool uses_third_point(ShapeRecord r) { return shape_type(r) == SHAPE_TRIANGLE; }
// The figure's points as its insert line prints them: "[(x1,y1),(x2,y2)]", a third for a triangle.
std::string figure_points_text(ShapeRecord r);
// Figure r moved by (dx, dy): every point it uses, or all but the first when first_stays (a
// stretch); the -1 fillers stay. Held at the int32 limits rather than wrapping.
ShapeRecord figure_moved_by(ShapeRecord r, int64_t dx, int64_t dy, bool first_stays = false);
