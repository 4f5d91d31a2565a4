// Drawing figures with the rectangle, ellipse and triangle tools through real pointer events on
// the offscreen window: what is stored, what is traced, what stays on the canvas.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "canvas/canvas_context.h"
#include "canvas/canvas_messages.h"
#include "canvas/selection.h"
#include "canvas/interaction_state.h"
#include "canvas/shape_drawing.h"
#include "toolkit/canvas_widget.h"

#include <QTest>
#include <QToolButton>

class CreationToolsTest : public EditorTest {
protected:
    int dy(int y) const { return canvas_height() - 1 - y; }  // toolkit row to drawing y
};

// Guards: corners normalised or swapped, y not flipped, rubber bands left on the canvas.
TEST_F(CreationToolsTest, RectangleInAllFourDirectionsKeepsPressPointFirst)
{
    choose(w.toggles[TOOL_RECT]);
    const int drags[4][4] = {{50, 40, 150, 100}, {150, 100, 50, 40}, {50, 100, 150, 40}, {150, 40, 50, 100}};
    for (const auto& d : drags) {
        TraceCapture trace;
        drag(Qt::LeftButton, d[0], d[1], d[2], d[3]);
        ShapeRecord r = list_get(w.list, list_count(w.list) - 1);
        EXPECT_TRUE(same_record(r, {0, d[0], d[2], -1, dy(d[1]), dy(d[3]), -1}));
        char expected[80];
        std::snprintf(expected, sizeof expected, "\n Insert rect [(%d,%d),(%d,%d)]", d[0], dy(d[1]), d[2], dy(d[3]));
        EXPECT_EQ(trace.take(), expected);
        // All four drags give the same box, drawn once in black with nothing else around it.
        EXPECT_EQ(count_pixels(image(), 0x000000), 2 * 101 + 2 * 61 - 4);
        EXPECT_EQ(count_non_white(image()), 2 * 101 + 2 * 61 - 4);
    }
    TraceCapture idle;
    move(7, 8);  // the drag is over: motion only traces
    EXPECT_EQ(idle.take(), "<7,8>");
}

// Guards: the ellipse tool storing centre and size instead of the dragged corners, or leftovers.
TEST_F(CreationToolsTest, EllipseStoresDraggedCornersAndLeavesOneOutline)
{
    choose(w.toggles[TOOL_ELLIPSE]);
    TraceCapture trace;
    drag(Qt::LeftButton, 200, 30, 120, 90);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {1, 200, 120, -1, dy(30), dy(90), -1}));
    EXPECT_EQ(trace.take(), "\n Insert ellipse [(200,223),(120,163)]");
    EXPECT_GT(count_pixels(image(), 0x000000), 100);
    EXPECT_TRUE(image() == redrawn_image());
}

// Guards: other buttons starting a drag, and a click without motion being dropped.
TEST_F(CreationToolsTest, OnlyTheLeftButtonDrawsAndAClickStoresADegenerateFigure)
{
    choose(w.toggles[TOOL_RECT]);
    TraceCapture trace;
    drag(Qt::RightButton, 10, 10, 60, 60);
    drag(Qt::MiddleButton, 10, 10, 60, 60);
    EXPECT_EQ(list_count(w.list), 0);
    std::string quiet = trace.take();
    EXPECT_EQ(quiet.find("Insert"), std::string::npos);
    EXPECT_EQ(quiet.find("Botao"), std::string::npos);
    click(Qt::LeftButton, 30, 40);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 30, 30, -1, dy(40), dy(40), -1}));
    EXPECT_EQ(count_non_white(image()), 1);
}

// Guards: vertices taken from releases, edges not committed one by one, the state not reset.
TEST_F(CreationToolsTest, TriangleVerticesAreThePressPositions)
{
    choose(w.toggles[TOOL_TRIANG]);
    TraceCapture trace;
    press(Qt::LeftButton, 20, 200);
    release(Qt::LeftButton, 25, 190);  // releases elsewhere are ignored
    move(100, 100);
    EXPECT_EQ(trace.take(), "");  // the triangle owns the motion: a feedback line, no trace
    EXPECT_FALSE(image() == redrawn_image());
    press(Qt::LeftButton, 200, 200);
    release(Qt::LeftButton, 210, 220);
    EXPECT_GT(count_pixels(image(), 0x000000), 150);  // the first edge is committed
    move(150, 60);
    press(Qt::LeftButton, 110, 30);
    release(Qt::LeftButton, 0, 0);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {2, 20, 200, 110, dy(200), dy(200), dy(30)}));
    EXPECT_EQ(trace.take(), "\n Insert triang [(20,53),(200,53),(110,223)]");
    EXPECT_TRUE(image() == redrawn_image());
    move(5, 6);
    EXPECT_EQ(trace.take(), "<5,6>");
}

// Guards: a double-click counting once (the second press must place a vertex as well).
TEST_F(CreationToolsTest, DoubleClickPlacesTwoVerticesAtOnePoint)
{
    choose(w.toggles[TOOL_TRIANG]);
    click(Qt::LeftButton, 40, 40);
    // What Qt delivers for a real double-click: press, release, double-click, release.
    click(Qt::LeftButton, 80, 80);
    QTest::mouseDClick(w.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(80, 80));
    release(Qt::LeftButton, 80, 80);
    ASSERT_EQ(list_count(w.list), 1);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {2, 40, 80, 80, dy(40), dy(80), dy(80)}));
}

// Guards: switching tools mid-triangle losing it or leaving an exclusive-or artefact.
TEST_F(CreationToolsTest, TriangleSurvivesAToolChangeWithoutArtefacts)
{
    choose(w.toggles[TOOL_TRIANG]);
    click(Qt::LeftButton, 30, 30);
    move(90, 90);  // feedback line outstanding
    choose(w.toggles[TOOL_RECT]);
    drag(Qt::LeftButton, 300, 20, 400, 120);  // its feedback erases the line, not a rectangle
    EXPECT_TRUE(image() == redrawn_image());
    choose(w.toggles[TOOL_TRIANG]);
    click(Qt::LeftButton, 60, 200);
    click(Qt::LeftButton, 120, 200);
    ASSERT_EQ(list_count(w.list), 2);
    EXPECT_TRUE(same_record(list_get(w.list, 1), {2, 30, 60, 120, dy(30), dy(200), dy(200)}));
}

// Guards: tool choices in the wrong order or with the wrong state.
TEST_F(CreationToolsTest, ToolChoiceTracesTurnedOffToolThenChosenOne)
{
    TraceCapture trace;
    click(Qt::LeftButton, 5, 5);  // Sel shows on, but no tool action has run yet
    EXPECT_EQ(trace.take(), "\nBotao 1 pressionado em (5, 5)\nBotao 1 solto em (5, 5)\n");
    choose(w.toggles[TOOL_RECT]);
    EXPECT_EQ(trace.take(), "\nSelecao, modo 0\nRectangulo, modo 1");
    choose(w.toggles[TOOL_RECT]);
    EXPECT_EQ(trace.take(), "\nRectangulo, modo 1");
    choose(w.toggles[TOOL_DEL]);
    choose(w.toggles[TOOL_ELLIPSE]);
    choose(w.toggles[TOOL_TRIANG]);
    choose(w.toggles[TOOL_SEL]);
    EXPECT_EQ(trace.take(),
              "\nRectangulo, modo 0\nExclusão, modo 1 \nExclusão, modo 0 \nEllipse, modo 1"
              "\nEllipse, modo 0\nTriangulo, modo 1\nTriangulo, modo 0\nSelecao, modo 1");
}

// Guards: a 201st figure overwriting the count, or staying drawn although it was not stored.
TEST_F(CreationToolsTest, FullListRefusesNewFiguresAndTellsTheUser)
{
    for (int i = 0; i < LIST_CAPACITY; ++i) list_add_rect(w.list, 1, 1, 2, 2);
    redraw_all(w.canvas, w.list);
    QImage before = image().copy();
    choose(w.toggles[TOOL_RECT]);
    TraceCapture trace;
    drag(Qt::LeftButton, 100, 100, 200, 150);
    choose(w.toggles[TOOL_TRIANG]);
    click(Qt::LeftButton, 300, 30);
    click(Qt::LeftButton, 400, 30);
    click(Qt::LeftButton, 350, 100);
    EXPECT_EQ(list_count(w.list), LIST_CAPACITY);
    EXPECT_EQ(trace.take().find("Insert"), std::string::npos);
    EXPECT_EQ(messages, std::vector<std::string>(2, LIMIT_MESSAGE));
    EXPECT_TRUE(image() == before);
    EXPECT_EQ(tri_clicks, 0);
}

// Guards: drags far outside the canvas (the pointer is captured) being clipped or crashing.
TEST_F(CreationToolsTest, ReleaseFarOutsideTheCanvasIsStoredAsItIs)
{
    choose(w.toggles[TOOL_RECT]);
    drag(Qt::LeftButton, 100, 100, -3000, 5000);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 100, -3000, -1, dy(100), dy(5000), -1}));
    EXPECT_TRUE(image() == redrawn_image());
}

// Guards: a repaint while a triangle is being built leaving the finished triangle without edges.
TEST_F(CreationToolsTest, RepaintDuringATriangleStillShowsTheWholeTriangle)
{
    choose(w.toggles[TOOL_TRIANG]);
    click(Qt::LeftButton, 20, 20);
    click(Qt::LeftButton, 200, 20);  // first edge committed
    w.canvas->repaint();             // the window system redraws the drawing: no edge yet
    click(Qt::LeftButton, 100, 150);
    ASSERT_EQ(list_count(w.list), 1);
    EXPECT_TRUE(image() == redrawn_image());
}
