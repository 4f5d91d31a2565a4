// The select and delete tools through real pointer events on the offscreen window: which figure is
// grabbed, what its record becomes, what the highlight and the feedback leave on the canvas, and
// drags that end in unexpected ways. Positions below are drawing coordinates (y up).
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "app/canvas_callbacks.h"
#include "canvas/canvas_context.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/select_tool.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QToolButton>
#include <algorithm>
#include <climits>
#include <cstddef>

namespace {

// The image with its black pixels inside the drawing box (xa, ya)-(xb, yb) turned to rgb.
QImage recoloured(QImage image, int xa, int ya, int xb, int yb, uint32_t rgb)
{
    const int h = image.height();
    const int left = std::max(0, std::min(xa, xb)), right = std::min(image.width() - 1, std::max(xa, xb));
    const int top = std::max(0, h - 1 - std::max(ya, yb)), bottom = std::min(h - 1, h - 1 - std::min(ya, yb));
    for (int x = left; x <= right; ++x)
        for (int row = top; row <= bottom; ++row)
            if ((image.pixel(x, row) & 0xFFFFFF) == 0) image.setPixel(x, row, 0xFF000000 | rgb);
    return image;
}

// The image with a not-xor black pen applied once where the figure image has black pixels inside the box:
// one feedback outline of that figure over whatever is there.
QImage xored(QImage image, const QImage& figure, int xa, int ya, int xb, int yb)
{
    const QImage mask = recoloured(figure, xa, ya, xb, yb, 0x123456);  // a colour nothing draws
    for (int row = 0; row < image.height(); ++row)
        for (int x = 0; x < image.width(); ++x)
            if ((mask.pixel(x, row) & 0xFFFFFF) == 0x123456)
                image.setPixel(x, row, ~image.pixel(x, row) | 0xFF000000);  // NOT(black XOR pixel)
    return image;
}

}  // namespace

class SelectionTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        choose(w.toggles[TOOL_SEL]);
    }
    int row(int y) const { return canvas_height() - 1 - y; }
    void dpress(Qt::MouseButton b, int x, int y) { press(b, x, row(y)); }
    void drelease(Qt::MouseButton b, int x, int y) { release(b, x, row(y)); }
    void dmove(int x, int y) { move(x, row(y)); }
    // Press, three moves on the way, release: each move redraws the feedback.
    void ddrag(Qt::MouseButton b, int x1, int y1, int x2, int y2)
    {
        dpress(b, x1, y1);
        dmove((x1 + x2) / 2, y1);
        dmove(x2, (y1 + y2) / 2);
        dmove(x2, y2);
        drelease(b, x2, y2);
    }
    void show_list() { redraw_all(w.canvas, w.list); }
};

// Guards: the bottom figure grabbed or deleted where figures overlap; a deleted highlight left drawn.
TEST_F(SelectionTest, TopMostOfOverlappingFiguresIsMovedThenDeleted)
{
    list_add_rect(w.list, 50, 50, 150, 150);
    list_add_rect(w.list, 100, 100, 200, 200);
    show_list();
    ddrag(Qt::LeftButton, 120, 120, 140, 130);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 50, 150, -1, 50, 150, -1}));
    EXPECT_TRUE(same_record(list_get(w.list, 1), {0, 120, 220, -1, 110, 210, -1}));
    EXPECT_EQ(focused_figure(), 1);
    choose(w.toggles[TOOL_DEL]);
    click(Qt::LeftButton, 130, row(130));  // inside both: the moved, highlighted one goes
    ASSERT_EQ(list_count(w.list), 1);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 50, 150, -1, 50, 150, -1}));
    EXPECT_EQ(focused_figure(), -1);
    EXPECT_EQ(count_pixels(image(), COLOR_RED), 0);
    EXPECT_TRUE(image() == redrawn_image());
}

// Guards: the middle button highlighting, dragging, or leaving a motion handler behind.
TEST_F(SelectionTest, MiddleButtonLeavesNoHighlightAndNoMotionHandler)
{
    list_add_ellipse(w.list, 100, 50, 200, 150);
    show_list();
    click(Qt::LeftButton, 150, row(100));  // highlighted first, so the middle press must remove it
    ASSERT_GT(count_pixels(image(), COLOR_RED), 0);
    dpress(Qt::MiddleButton, 150, 100);
    EXPECT_EQ(focused_figure(), -1);
    EXPECT_EQ(find_motion("motion_act"), motion_trace);
    dmove(180, 60);
    drelease(Qt::MiddleButton, 180, 60);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {1, 100, 200, -1, 50, 150, -1}));
    EXPECT_TRUE(image() == redrawn_image());
}

// Guards: stretching by the nearest corner instead of the second point; blue drawn off the figure.
TEST_F(SelectionTest, StretchKeepsTheFirstCornerAndMovesTheSecondByTheDisplacement)
{
    list_add_rect(w.list, 300, 40, 100, 200);
    show_list();
    const QImage clean = image().copy();
    dpress(Qt::RightButton, 290, 50);  // next to the first corner, far from the second
    EXPECT_TRUE(image() == recoloured(clean, 100, 40, 300, 200, COLOR_BLUE));
    EXPECT_EQ(find_motion("motion_act"), stretch_motion);
    dmove(310, 40);
    dmove(320, 30);
    drelease(Qt::RightButton, 320, 30);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 300, 130, -1, 40, 180, -1}));
    EXPECT_TRUE(image() == recoloured(redrawn_image(), 130, 40, 300, 180, COLOR_BLUE));
    EXPECT_EQ(find_motion("motion_act"), motion_trace);
}

// Guards: a stretched triangle moving its first vertex, or only one of the other two.
TEST_F(SelectionTest, StretchingATriangleMovesVerticesTwoAndThree)
{
    list_add_triangle(w.list, 50, 50, 250, 60, 150, 200);
    show_list();
    ddrag(Qt::RightButton, 150, 100, 180, 90);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {2, 50, 280, 180, 50, 50, 190}));
    EXPECT_TRUE(image() == recoloured(redrawn_image(), 0, 0, 509, 253, COLOR_BLUE));
}

// Guards: a click without motion skipping the rewrite, the redraw or the highlight.
TEST_F(SelectionTest, MoveByZeroRewritesTheFigureRedrawsAndKeepsItHighlighted)
{
    list_add_rect(w.list, 20, 20, 80, 90);
    list_add_rect(w.list, 300, 100, 400, 200);
    show_list();
    image().setPixel(450, 10, 0xFF00FF00);  // a stray pixel only a full redraw removes
    click(Qt::LeftButton, 350, row(150));
    EXPECT_TRUE(same_record(list_get(w.list, 1), {0, 300, 400, -1, 100, 200, -1}));
    EXPECT_EQ(focused_figure(), 1);
    EXPECT_EQ(focused_figure(), 1);
    EXPECT_TRUE(image() == recoloured(redrawn_image(), 300, 100, 400, 200, COLOR_RED));
}

// Guards: red missing from or spilling off the figure, feedback left behind, old highlights kept.
TEST_F(SelectionTest, RedHighlightCoversExactlyTheFigureAndOnlyTheMovedOneStaysColoured)
{
    list_add_rect(w.list, 20, 20, 80, 90);
    list_add_ellipse(w.list, 200, 50, 300, 120);
    show_list();
    click(Qt::LeftButton, 50, row(50));  // the rectangle is highlighted first
    const QImage clean = redrawn_image();
    dpress(Qt::LeftButton, 250, 80);
    const QImage highlighted = recoloured(clean, 200, 50, 300, 120, COLOR_RED);
    EXPECT_TRUE(image() == highlighted);
    dmove(260, 100);
    dmove(320, 150);
    dmove(330, 160);
    const QImage mid_drag = image().copy();
    drelease(Qt::LeftButton, 330, 160);
    EXPECT_TRUE(same_record(list_get(w.list, 1), {1, 280, 380, -1, 130, 200, -1}));
    const QImage after = redrawn_image();
    EXPECT_TRUE(mid_drag == xored(highlighted, after, 280, 130, 380, 200));  // one outline, crossing the red
    EXPECT_TRUE(image() == recoloured(after, 280, 130, 380, 200, COLOR_RED));
}

// Guards: a moved triangle leaving a trail of outlines, or any feedback after the release.
TEST_F(SelectionTest, MovedTriangleShowsOneOutlineAndLeavesNoTrail)
{
    list_add_triangle(w.list, 20, 20, 120, 20, 70, 100);
    show_list();
    const QImage highlighted = recoloured(image().copy(), 20, 20, 120, 100, COLOR_RED);
    dpress(Qt::LeftButton, 70, 50);
    for (int x = 80; x <= 300; x += 20) dmove(x, 50 + (x - 70) / 2);
    dmove(330, 100);
    const QImage mid_drag = image().copy();
    drelease(Qt::LeftButton, 330, 100);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {2, 280, 380, 330, 70, 70, 150}));
    const QImage after = redrawn_image();
    EXPECT_TRUE(mid_drag == xored(highlighted, after, 280, 70, 380, 150));  // the red original, one outline
    EXPECT_TRUE(image() == recoloured(after, 280, 70, 380, 150, COLOR_RED));
}

// Guards: a repaint mid-drag making the motion or the release use index -1, or leaving the drag on.
TEST_F(SelectionTest, RepaintMidDragEndsTheDragWithoutChangingAnyFigure)
{
    struct GuardedList {  // the slot before the first, readable as index -1
        ShapeRecord before;
        ObjectList list;
    } guarded{};
    static_assert(offsetof(GuardedList, list) == sizeof(ShapeRecord));
    guarded.before = {SHAPE_RECT, 5, 60, -1, 5, 60, -1};
    guarded.list.count = 1;
    guarded.list.records[0] = {SHAPE_RECT, 100, 200, -1, 100, 200, -1};
    guarded.list.records[1] = {SHAPE_RECT, 300, 400, -1, 30, 90, -1};  // stale, past the count
    set_pointer_attribute(w.canvas, "objetos", &guarded.list);
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        redraw_all(w.canvas, &guarded.list);
        dpress(b, 150, 150);
        dmove(160, 170);
        repaint_act(w.canvas);
        dmove(170, 180);
        dmove(20, 20);
        EXPECT_TRUE(image() == redrawn_image());  // the motion drew nothing after the repaint
        drelease(b, 20, 20);
        EXPECT_TRUE(same_record(guarded.before, {0, 5, 60, -1, 5, 60, -1}));
        EXPECT_TRUE(same_record(guarded.list.records[0], {0, 100, 200, -1, 100, 200, -1}));
        EXPECT_TRUE(same_record(guarded.list.records[1], {0, 300, 400, -1, 30, 90, -1}));
        EXPECT_EQ(find_motion("motion_act"), motion_trace);
        EXPECT_EQ(focused_figure(), -1);
        EXPECT_TRUE(image() == redrawn_image());  // no feedback, no highlight
    }
    set_pointer_attribute(w.canvas, "objetos", w.list);
}

// Guards: a release of another button, or a stray release, committing a drag it did not start.
TEST_F(SelectionTest, OnlyTheReleaseOfTheGrabbingButtonEndsTheDrag)
{
    list_add_rect(w.list, 100, 100, 200, 200);
    show_list();
    dpress(Qt::LeftButton, 150, 150);
    dpress(Qt::RightButton, 160, 160);  // a second button grabs nothing
    dmove(170, 120);
    drelease(Qt::RightButton, 170, 120);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 100, 200, -1, 100, 200, -1}));
    EXPECT_EQ(find_motion("motion_act"), move_motion);
    drelease(Qt::LeftButton, 160, 140);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 110, 210, -1, 90, 190, -1}));
    ddrag(Qt::RightButton, 150, 150, 160, 160);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 110, 220, -1, 90, 200, -1}));
    const QImage settled = image().copy();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) drelease(b, 400, 20);  // no press
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 110, 220, -1, 90, 200, -1}));
    EXPECT_TRUE(image() == settled);
}

// Guards: displacements wrapping around at the int32 limits (undefined, and a figure flung away).
TEST(ShapeDisplacement, SumsBeyondInt32AreClampedToItsLimits)
{
    ObjectList list{};
    list.count = 2;
    list.records[0] = {SHAPE_RECT, 0, INT_MAX - 1, -1, 0, INT_MIN + 1, -1};
    list.records[1] = {SHAPE_TRIANGLE, 7, INT_MAX - 1, INT_MAX - 2, 7, INT_MIN + 1, INT_MIN + 2};
    anchor_x = -2'000'000'000;
    anchor_y = 2'000'000'000;
    const int px = 2'000'000'000, py = -2'000'000'000;  // the difference itself exceeds int32
    EXPECT_TRUE(same_record(shape_translate(&list, 0, px, py),
                            {0, INT_MAX, INT_MAX, -1, INT_MIN, INT_MIN, -1}));
    EXPECT_TRUE(same_record(shape_stretch(&list, 0, px, py), {0, 0, INT_MAX, -1, 0, INT_MIN, -1}));
    EXPECT_TRUE(same_record(shape_stretch(&list, 1, px, py), {2, 7, INT_MAX, INT_MAX, 7, INT_MIN, INT_MIN}));
    EXPECT_TRUE(same_record(list.records[0], {0, 0, INT_MAX - 1, -1, 0, INT_MIN + 1, -1}));  // unchanged
    reset_interaction_state();
    forget_selection();
}

// Guards: a figure reaching the int32 limits by real drags wrapping round, or leaving feedback.
TEST_F(SelectionTest, FiguresNearTheInt32LimitsAreHeldAtThem)
{
    list_add_rect(w.list, INT_MIN + 3, INT_MIN + 3, INT_MAX - 3, INT_MAX - 3);  // covers the canvas
    show_list();
    ddrag(Qt::LeftButton, 100, 100, 110, 90);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, INT_MIN + 13, INT_MAX, -1, INT_MIN, INT_MAX - 13, -1}));
    list_clear(w.list);
    list_add_triangle(w.list, 100, 100, INT_MIN + 2, INT_MAX - 2, INT_MAX - 2, INT_MIN + 2);
    show_list();
    ddrag(Qt::RightButton, 50, 50, 45, 55);  // x2 -5 and y2 +5 reach the limits
    EXPECT_TRUE(same_record(list_get(w.list, 0), {2, 100, INT_MIN, INT_MAX - 7, 100, INT_MAX, INT_MIN + 7}));
    EXPECT_TRUE(image() == recoloured(redrawn_image(), 0, 0, 509, 253, COLOR_BLUE));
}

// Guards: a press on empty canvas doing more than drop the highlight; a delete miss removing anything.
TEST_F(SelectionTest, ClicksOnEmptyCanvasOnlyDropTheHighlight)
{
    list_add_rect(w.list, 100, 100, 200, 200);
    show_list();
    click(Qt::LeftButton, 150, row(150));
    dpress(Qt::LeftButton, 400, 30);
    EXPECT_EQ(focused_figure(), -1);
    EXPECT_EQ(grabbed_index, -1);
    TraceCapture trace;
    dmove(420, 40);
    EXPECT_EQ(trace.take(), "<420,213>");  // the pointer traced as ever, while a band follows it
    drelease(Qt::LeftButton, 420, 40);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 100, 200, -1, 100, 200, -1}));
    EXPECT_TRUE(image() == redrawn_image());
    choose(w.toggles[TOOL_DEL]);
    const QImage before = image().copy();
    click(Qt::LeftButton, 400, row(30));
    click(Qt::RightButton, 150, row(150));  // only the left button deletes
    EXPECT_EQ(list_count(w.list), 1);
    EXPECT_TRUE(image() == before);
}

// Guards: handlers reading the list after Exit freed it (the attribute is null then).
TEST_F(SelectionTest, MissingListMakesEveryHandlerDoNothing)
{
    list_add_rect(w.list, 100, 100, 200, 200);
    show_list();
    dpress(Qt::LeftButton, 150, 150);  // a drag under way when the list goes
    const QImage before = image().copy();
    set_pointer_attribute(w.canvas, "objetos", nullptr);
    dmove(170, 170);
    drelease(Qt::LeftButton, 170, 170);
    ddrag(Qt::RightButton, 150, 150, 170, 170);
    choose(w.toggles[TOOL_DEL]);
    click(Qt::LeftButton, 150, row(150));
    EXPECT_TRUE(image() == before);
    set_pointer_attribute(w.canvas, "objetos", w.list);
    EXPECT_EQ(list_count(w.list), 1);
    EXPECT_TRUE(same_record(list_get(w.list, 0), {0, 100, 200, -1, 100, 200, -1}));
}
