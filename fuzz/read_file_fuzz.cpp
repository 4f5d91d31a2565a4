// Fuzz target for the path a user's file takes: the bytes become a file on disk, Open's reader
// loads it into the list, the hit test picks at a few points, the select tool moves and stretches
// figures through its real handlers, the delete tool removes one, and the whole drawing is drawn
// on an offscreen canvas. Besides crashes, sanitizer reports, leaks and hangs, a broken promise of
// the reader, the hit test or the displacement aborts: those are findings too.
// Start reading at LLVMFuzzerTestOneInput at the bottom.
#include "canvas/canvas_context.h"
#include "fuzz/fuzz_support.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/select_tool.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "core/hit_test.h"
#include "core/shape_file.h"
#include "core/shape_list.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QApplication>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int RECORD_BYTES = sizeof(ShapeRecord);
// Pointer positions a captured drag can deliver: the window system's coordinates are 16-bit.
constexpr int POINTER_LIMIT = 32767;

// Everything that lives from LLVMFuzzerInitialize to the end of the run.
struct FuzzWorld {
    int argc = 1;
    char name[16] = "read_file_fuzz";
    char* argv[2] = {name, nullptr};  // QApplication keeps both for its lifetime
    QApplication* app = nullptr;
    CanvasWidget* canvas = nullptr;
    ObjectList* list = nullptr;
    std::string path;  // the one scratch file every input is written to
};

FuzzWorld& world()
{
    static FuzzWorld w;
    return w;
}

void remove_scratch_file() { unlink(world().path.c_str()); }

int32_t le32(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                                uint32_t{p[3]} << 24);
}

ShapeRecord record_of_bytes(const uint8_t* p)
{
    return {le32(p), le32(p + 4), le32(p + 8), le32(p + 12), le32(p + 16), le32(p + 20), le32(p + 24)};
}

// A regular file yields its whole records, at most 200, each exactly as its bytes say.
void check_read(const ObjectList* list, const uint8_t* data, size_t size, int n)
{
    const size_t whole = std::min<size_t>(size / RECORD_BYTES, LIST_CAPACITY);
    require(n == static_cast<int>(whole), "the reader keeps every whole record up to 200");
    require(list_count(list) == n, "count is the number of records read");
    for (int i = 0; i < n; ++i)
        require(list_get(list, i) == record_of_bytes(data + i * RECORD_BYTES),
                "records are loaded verbatim, little-endian");
}

int contains(ShapeRecord r, int px, int py)
{
    const int c = shape_contains(r, px, py);
    require(c == 0 || c == 1, "shape_contains answers 0 or 1");
    require(c == 1 || (r.type >= SHAPE_RECT && r.type <= SHAPE_TRIANGLE), "an unknown type is never hit");
    return c;
}

// The pick is the top-most figure containing the point: it hits, and nothing above it does.
void check_pick(const ObjectList* list, int px, int py)
{
    const int d = list_pick(list, px, py);
    require(d >= -1 && d < list_count(list), "a pick is -1 or a used slot");
    for (int i = list_count(list) - 1; i > d; --i)
        require(contains(list_get(list, i), px, py) == 1, "no figure above the pick contains the point");
    if (d >= 0) require(contains(list_get(list, d), px, py) == 0, "the picked figure contains the point");
}

int mid(int a, int b) { return static_cast<int>((int64_t{a} + b) / 2); }

// Fixed points on and off the canvas, and the corners, centre and third point of a few figures.
void check_picks(const ObjectList* list)
{
    const int fixed[][2] = {{0, 0}, {255, 127}, {509, 253}, {-1, 254}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
    for (const auto& p : fixed) check_pick(list, p[0], p[1]);
    const int n = list_count(list);
    for (int i : {0, 1, 2, 3, n - 1}) {
        if (i < 0 || i >= n) continue;
        const ShapeRecord r = list_get(list, i);
        check_pick(list, r.x1, r.y1);
        check_pick(list, r.x2, r.y2);
        check_pick(list, r.x3, r.y3);
        check_pick(list, mid(r.x1, r.x2), mid(r.y1, r.y2));
    }
}

int32_t held(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// Every point moves by the pointer's distance from the anchor, held at the int32 limits; a
// stretch keeps the first point; only a triangle's third point ever moves.
ShapeRecord expected_displacement(ShapeRecord r, int64_t dx, int64_t dy, bool first_too)
{
    const int64_t dx1 = first_too ? dx : 0, dy1 = first_too ? dy : 0;
    const bool triangle = r.type == SHAPE_TRIANGLE;
    return {r.type, held(r.x1 + dx1), held(r.x2 + dx), held(triangle ? r.x3 + dx : r.x3),
            held(r.y1 + dy1), held(r.y2 + dy), held(triangle ? r.y3 + dy : r.y3)};
}

void check_displacement(const ObjectList* list, int ax, int ay, int px, int py)
{
    anchor_x = ax;
    anchor_y = ay;
    const int64_t dx = int64_t{px} - ax, dy = int64_t{py} - ay;
    for (int i = 0; i < list_count(list); ++i) {
        const ShapeRecord r = list_get(list, i);
        require(shape_translate(list, i, px, py) == expected_displacement(r, dx, dy, true),
                "shape_translate moves every point by the pointer's displacement");
        require(shape_stretch(list, i, px, py) == expected_displacement(r, dx, dy, false),
                "shape_stretch keeps the first point and moves the others");
        require(list_get(list, i) == r, "displacing a figure leaves the list as it was");
    }
}

void check_displacements(const ObjectList* list)
{
    check_displacement(list, 0, 0, 0, 0);
    check_displacement(list, INT_MIN, INT_MAX, INT_MAX, INT_MIN);
    const int n = list_count(list);
    if (n == 0) return;
    const ShapeRecord first = list_get(list, 0), last = list_get(list, n - 1);
    check_displacement(list, mid(first.x1, first.x2), mid(first.y1, first.y2), last.x2, last.y2);
}

int pointer(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -POINTER_LIMIT, POINTER_LIMIT)); }

// Stands in for the motion trace between drags, so the run does not flood standard output.
int idle_motion(CanvasWidget*, int, int) { return IUP_DEFAULT; }

void motion(CanvasWidget* canvas, int x, int y)
{
    if (MotionFn fn = find_motion("motion_act")) fn(canvas, x, y);
}

// A select drag through the real handlers: press on the figure's centre (toolkit coordinates),
// a small move, a move far off the canvas, release elsewhere.
void drag_figure(int button, ShapeRecord r)
{
    CanvasWidget* canvas = world().canvas;
    set_function("motion_act", idle_motion);
    const int x = pointer(mid(r.x1, r.x2));
    const int y = canvas_y(canvas, pointer(mid(r.y1, r.y2)));
    select_button(canvas, button, 1, x, y);
    motion(canvas, x + 7, y - 5);
    motion(canvas, -POINTER_LIMIT, POINTER_LIMIT);
    select_button(canvas, button, 0, x - 13, y + 29);
}

// A delete click removes exactly the figure a pick finds there, or nothing.
void delete_at(ObjectList* list, int px, int py)
{
    const int before = list_count(list);
    const int hit = list_pick(list, px, py);
    delete_button(world().canvas, '1', 1, px, canvas_y(world().canvas, py));
    require(list_count(list) == before - (hit >= 0 ? 1 : 0), "a delete click removes the picked figure only");
}

void exercise_tools(ObjectList* list)
{
    const int n = list_count(list);
    if (n == 0) return;
    drag_figure('1', list_get(list, n - 1));
    drag_figure('3', list_get(list, n / 2));
    drag_figure('2', list_get(list, 0));
    require(list_count(list) == n, "a select drag neither adds nor removes figures");
    const ShapeRecord r = list_get(list, 0);
    delete_at(list, pointer(mid(r.x1, r.x2)), pointer(mid(r.y1, r.y2)));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    FuzzWorld& w = world();
    w.app = new QApplication(w.argc, w.argv);
    w.canvas = new CanvasWidget;
    canvas_context_create(w.canvas);
    w.list = list_create();
    require(w.list != nullptr, "the list is created");
    set_pointer_attribute(w.canvas, "objetos", w.list);
    w.path = make_scratch_file("read_file_fuzz");
    std::atexit(remove_scratch_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWorld& w = world();
    reset_interaction_state();
    forget_selection();
    write_scratch_file(w.path, data, size);
    const int n = list_read_file(w.path, w.list);
    check_read(w.list, data, size, n);
    require(redraw_all(w.canvas, w.list) == n, "redraw_all draws every figure");
    check_picks(w.list);
    check_displacements(w.list);
    exercise_tools(w.list);
    require(redraw_all(w.canvas, w.list) == list_count(w.list), "redraw_all draws every figure");
    return 0;
}
