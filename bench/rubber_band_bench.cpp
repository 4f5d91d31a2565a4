// One rubber-band step of each drag, through the real tool handlers: the motion handler erases the
// outstanding feedback figure, draws the new one and marks both changed regions for the screen
// (the canvas widget's update). The pointer alternates between two positions, so every step
// erases and draws a figure of about 300 by 200 pixels in the middle of the canvas. The "+paint"
// variants also let Qt repaint what the step marked (the widget's paint event copying the changed
// part of the image to the window's backing store), so they cost a step as the user sees it.
#include "bench/bench_canvas.h"

#include "canvas/canvas_context.h"
#include "canvas/creation_tools.h"
#include "canvas/rubber_band.h"
#include "canvas/select_tool.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int FIGURE_W = 300;
constexpr int FIGURE_H = 200;

// Where a drag starts, in toolkit coordinates (y down): the figure's top-left corner.
struct Start {
    int x;
    int y;
};

// The press of a rectangle or ellipse drag: anchor and motion handler, as the tool sets them.
void press_rect(BenchCanvas& c, Start s) { rect_button(c.widget, '1', 1, s.x, s.y); }
void press_ellipse(BenchCanvas& c, Start s) { ellipse_button(c.widget, '1', 1, s.x, s.y); }

// The first vertex clicked: the feedback line now runs from it to the pointer.
void click_first_vertex(BenchCanvas& c, Start s)
{
    triangle_button(c.widget, '1', 1, s.x, s.y);
    triangle_button(c.widget, '1', 0, s.x, s.y);
}

// A 300 by 200 rectangle on the canvas, grabbed in its middle with the left button: highlighted,
// selected, anchored, with move_motion registered.
void grab_rectangle(BenchCanvas& c, Start s)
{
    const int height = c.widget->height();
    const int x1 = s.x, x2 = s.x + FIGURE_W, y1 = height - 1 - s.y, y2 = y1 - FIGURE_H;
    list_set(c.list, 0, SHAPE_RECT, x1, x2, -1, y1, y2, -1);
    c.list->count = 1;
    redraw_all(c.widget, c.list);
    select_button(c.widget, '1', 1, s.x + FIGURE_W / 2, s.y + FIGURE_H / 2);
}

struct Drag {
    const char* name;
    void (*start)(BenchCanvas&, Start);
    MotionFn motion;
    int dx[2];  // the two pointer positions, relative to the start
    int dy[2];
};

// A creation drag's pointer is the figure's far corner; a move's pointer sits inside the figure
// and shifts it by a few pixels.
const Drag DRAGS[] = {
    {"rect_motion", press_rect, rect_motion, {FIGURE_W, FIGURE_W - 3}, {FIGURE_H, FIGURE_H - 2}},
    {"ellipse_motion", press_ellipse, ellipse_motion, {FIGURE_W, FIGURE_W - 3}, {FIGURE_H, FIGURE_H - 2}},
    {"triangle_motion", click_first_vertex, triangle_motion, {FIGURE_W, FIGURE_W - 3}, {FIGURE_H, FIGURE_H - 2}},
    {"move_motion", grab_rectangle, move_motion,
     {FIGURE_W / 2 + 20, FIGURE_W / 2 + 23}, {FIGURE_H / 2 + 10, FIGURE_H / 2 + 12}},
};

void rubber_step(benchmark::State& state, const Drag& drag, CanvasSize size, bool paint)
{
    BenchCanvas c(size.width, size.height);
    if (!c.ready) {
        state.SkipWithError("the canvas did not get the asked size");
        return;
    }
    const Start s{size.width / 2 - FIGURE_W / 2, size.height / 2 - FIGURE_H / 2};
    drag.start(c, s);
    if (find_motion("motion_act") != drag.motion) {
        state.SkipWithError("the press did not start the drag");
        return;
    }
    drain_events();  // the press's own drawing is on the screen before the steps begin
    int k = 0;
    for (auto _ : state) {
        drag.motion(c.widget, s.x + drag.dx[k], s.y + drag.dy[k]);
        k ^= 1;
        if (paint) QApplication::processEvents();
    }
    if (c.widget->last_update_rect().width() < FIGURE_W - 10) state.SkipWithError("the steps drew no figure");
}

}  // namespace

void register_rubber_band_benchmarks()
{
    for (bool paint : {false, true})
        for (const Drag& drag : DRAGS)
            for (const CanvasSize& size : BENCH_SIZES) {
                const std::string name = std::string(drag.name) + (paint ? "+paint/" : "/") + size.label;
                benchmark::RegisterBenchmark(name.c_str(), [&drag, size, paint](benchmark::State& st) {
                    rubber_step(st, drag, size, paint);
                })->Unit(benchmark::kMicrosecond);
            }
}
