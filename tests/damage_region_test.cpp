// What a rubber-band step asks the screen to repaint: the canvas widget must update only the
// changed region (the erased and the new feedback figure, plus a pixel), never the whole canvas,
// so a step costs what the figure costs whatever the window size. The region is read twice: the
// widget's last update rectangle (the new figure), and the region of the paint events Qt then
// delivers (everything the step asked for, the erased figure too).
#include "tests/editor_fixture.h"

#include "canvas/interaction_state.h"
#include "toolkit/canvas_widget.h"

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QToolButton>

#include <utility>

namespace {

// Collects the region of every paint event the watched widget receives.
class PaintRegions : public QObject {
public:
    explicit PaintRegions(QWidget* target) { target->installEventFilter(this); }
    QRegion take() { return std::exchange(seen_, QRegion()); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) seen_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion seen_;
};

// Bounding box (image rows, top-left origin) of the pixels that differ between two images.
QRect changed_box(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// The pixels that differ between two images, as a region.
QRegion changed_pixels(const QImage& a, const QImage& b)
{
    QRegion region;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) region += QRect(x, y, 1, 1);
    return region;
}

}  // namespace

class DamageRegionTest : public EditorTest {
protected:
    // After the drag has begun: one motion step to a, then the measured step from a to b.
    void step(QPoint a, QPoint b)
    {
        settle();
        const QImage start = image().copy();
        move(a.x(), a.y());
        settle();
        const QImage before = image().copy();
        erased = changed_box(start, before);
        PaintRegions paints(w.canvas);
        move(b.x(), b.y());
        settle();
        const QImage after = image().copy();
        drawn = changed_box(start, after);
        changed = changed_pixels(before, after);
        painted = paints.take();
        last_update = w.canvas->last_update_rect();
    }

    // Everything the step changed reaches the screen, and nothing beyond the two figures' box.
    void expect_only_the_changed_region()
    {
        ASSERT_FALSE(erased.isEmpty());
        const QRect bound = (erased | drawn).adjusted(-1, -1, 1, 1);
        EXPECT_TRUE((painted - QRegion(bound)).isEmpty())
            << "painted " << painted.boundingRect().width() << "x" << painted.boundingRect().height();
        EXPECT_NE(painted.boundingRect(), w.canvas->rect());
        ASSERT_FALSE(drawn.isEmpty()) << "the new feedback figure is not on the canvas";
        EXPECT_TRUE((changed - painted).isEmpty()) << "changed pixels left off the screen";
        // The last update of the step is the new figure's own box.
        EXPECT_TRUE(drawn.adjusted(-1, -1, 1, 1).contains(last_update));
        EXPECT_TRUE(last_update.contains(drawn));
    }

    QRect erased;     // box of the feedback figure on the screen before the step
    QRect drawn;      // box of the one after it
    QRegion changed;  // pixels the step changed
    QRegion painted;  // what the step had Qt repaint
    QRect last_update;
};

// Guards: a rubber-band step updating the whole canvas, or missing the erased outline.
TEST_F(DamageRegionTest, RectangleStepRepaintsOnlyTheTwoOutlines)
{
    choose(w.toggles[TOOL_RECT]);
    press(Qt::LeftButton, 100, 60);
    step({250, 160}, {262, 171});
    expect_only_the_changed_region();
    release(Qt::LeftButton, 262, 171);
}

// Guards: the ellipse's update rectangle taken from the whole canvas instead of its box.
TEST_F(DamageRegionTest, EllipseStepRepaintsOnlyTheTwoOutlines)
{
    choose(w.toggles[TOOL_ELLIPSE]);
    press(Qt::LeftButton, 300, 40);
    step({420, 150}, {410, 170});
    expect_only_the_changed_region();
    release(Qt::LeftButton, 410, 170);
}

// Guards: the triangle's feedback line updating more than the two lines' box.
TEST_F(DamageRegionTest, TriangleStepRepaintsOnlyTheTwoLines)
{
    choose(w.toggles[TOOL_TRIANG]);
    click(Qt::LeftButton, 60, 200);
    step({200, 50}, {215, 40});
    expect_only_the_changed_region();
}

// Guards: a move step repainting the canvas (a redraw per motion) instead of the two outlines.
TEST_F(DamageRegionTest, MoveStepRepaintsOnlyTheTwoOutlines)
{
    choose(w.toggles[TOOL_RECT]);
    drag(Qt::LeftButton, 50, 50, 200, 150);
    choose(w.toggles[TOOL_SEL]);
    press(Qt::LeftButton, 120, 100);
    step({150, 120}, {165, 128});
    expect_only_the_changed_region();
    release(Qt::LeftButton, 165, 128);
}
