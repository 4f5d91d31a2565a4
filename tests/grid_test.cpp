// The grid and its snapping through the View menu's real items and keys on the offscreen window:
// the records each gesture stores, the trace, and the grid's pixels under the figures.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

class GridTest : public EditorTest {
protected:
    void set_spacing(int spacing)  // typed into the real dialog
    {
        QTimer::singleShot(0, [spacing] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_TRUE(dialog && dialog->windowTitle() == "Espaçamento da grade");
            QTest::keyClicks(dialog->focusWidget(), QString::number(spacing));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        w.item_grid_spacing->trigger();
    }
    void snapping(bool on) { if (w.item_snap->isChecked() != on) key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier); }
};

// Guards: a point off the grid or on the wrong one (rounded the wrong way, counted from the top), a
// move that puts another point than the grabbed figure's first on it, Ctrl not freeing a gesture,
// insert lines printing other points than those stored, motion lines printing snapped points.
TEST_F(GridTest, EachGesturePlacesItsPointsOnTheGridUnlessCtrlIsHeld)
{
    using M = Qt::KeyboardModifiers;
    using Records = std::vector<ShapeRecord>;
    const auto a = [&] { draw_rect(23, 192, 93, 236); };  // (23,61) to (93,17), y up
    const auto sel = [&] { choose(w.toggles[TOOL_SEL]); };
    const auto r = [](int type, int x1, int x2, int y1, int y2) { return ShapeRecord{type, x1, x2, -1, y1, y2, -1}; };
    struct Gesture {
        std::function<void()> before;  // snapping off
        std::function<void(M)> act;    // Ctrl held in the fourth column
        Records off, at10, at7;        // with Ctrl: as off, or for a key as at 10
        bool pointer = true;
    };
    const std::vector<Gesture> gestures = {
        {[&] { choose(w.toggles[TOOL_RECT]); }, [&](M m) { drag(Qt::LeftButton, 33, 41, 118, 97, m); },
         {r(0, 33, 118, 212, 156)}, {r(0, 30, 120, 210, 160)}, {r(0, 35, 119, 210, 154)}},
        {[&] { choose(w.toggles[TOOL_ELLIPSE]); }, [&](M m) { drag(Qt::LeftButton, 33, 41, 118, 97, m); },
         {r(1, 33, 118, 212, 156)}, {r(1, 30, 120, 210, 160)}, {r(1, 35, 119, 210, 154)}},
        {[&] { choose(w.toggles[TOOL_TRIANG]); }, [&](M m) { for (int x : {33, 118, 74}) click(1, x, x == 74 ? 97 : 41, m); },
         {{2, 33, 118, 74, 212, 212, 156}}, {{2, 30, 120, 70, 210, 210, 160}}, {{2, 35, 119, 77, 210, 210, 154}}},
        {[&] { a(); sel(); }, [&](M m) { drag(Qt::LeftButton, 50, 213, 84, 190, m); },  // a move
         {r(0, 57, 127, 84, 40)}, {r(0, 60, 130, 80, 36)}, {r(0, 56, 126, 84, 40)}},
        {[&] { a(); draw_rect(203, 152, 263, 202); sel(); key(Qt::Key_A, Qt::ControlModifier); },  // the second grabbed
         [&](M m) { drag(Qt::LeftButton, 230, 173, 264, 150, m); }, {r(0, 57, 127, 84, 40), r(0, 237, 297, 124, 74)},
         {r(0, 60, 130, 80, 36), r(0, 240, 300, 120, 70)}, {r(0, 58, 128, 86, 42), r(0, 238, 298, 126, 76)}},
        {[&] { a(); sel(); }, [&](M m) { drag(Qt::RightButton, 50, 213, 84, 190, m); },  // a stretch
         {r(0, 23, 127, 61, 40)}, {r(0, 23, 130, 61, 40)}, {r(0, 23, 126, 61, 42)}},
        {[&] { key(Qt::Key_R); }, [&](M) { key(Qt::Key_Return); },
         {r(0, 205, 305, 156, 96)}, {r(0, 210, 310, 160, 100)}, {r(0, 203, 303, 154, 94)}, false},
    };
    const int spacings[] = {0, 10, 7, 10};  // 0: snapping off
    for (const Gesture& g : gestures)
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE("row " + std::to_string(&g - gestures.data()) + ", column " + std::to_string(column));
            key(Qt::Key_N, Qt::ControlModifier);
            snapping(false);
            g.before();
            if (spacings[column]) set_spacing(spacings[column]);
            snapping(spacings[column] != 0);
            TraceCapture trace;
            const M mods = column == 3 ? M(Qt::ControlModifier) : M(Qt::NoModifier);
            g.act(mods);
            move(7, 8, mods);
            const Records expected[] = {g.off, g.at10, g.at7, g.pointer ? g.off : g.at10};
            EXPECT_EQ(Records(w.list->records, w.list->records + w.list->count), expected[column]);
            const std::string out = trace.take(), inserted = figure_points_text(list_get(w.list, 0));
            EXPECT_TRUE(out.ends_with((out.find(" Insert ") == std::string::npos ? "" : inserted) + "<7,8>")) << out;
        }
}

// Guards: grid points off the multiples or counted from the top, the grid over the figures, the
// feedback not showing the snapped figure or not restoring the grid, an erased figure leaving a
// hole in it, and a toggle that traces or is an undo step.
TEST_F(GridTest, TheGridLiesUnderTheFiguresAndComesBackWhereOneWent)
{
    TraceCapture trace;
    key(Qt::Key_G, Qt::ControlModifier);
    set_spacing(7);
    snapping(true);
    EXPECT_TRUE(trace.take().empty() && w.history->count() == 0);
    for (int y = 0; y < canvas_height(); ++y)
        for (int x = 0; x < image().width(); ++x)
            ASSERT_EQ(image().pixel(x, y) & 0xFFFFFF, x % 7 || (253 - y) % 7 ? 0xFFFFFFu : 0xC0C0C0u) << x << "," << y;
    const QImage grid = image();
    choose(w.toggles[TOOL_RECT]);
    press(Qt::LeftButton, 34, 44);
    move(118, 98);  // the feedback's corners are (35,210) and (119,154), grid points
    EXPECT_EQ(image().pixel(119, 99) & 0xFFFFFF, 0x3F3F3Fu);
    key(Qt::Key_Escape);
    EXPECT_TRUE(image() == grid);
    drag(Qt::LeftButton, 34, 44, 118, 98);
    EXPECT_EQ(image().pixel(35, 43) & 0xFFFFFF, 0u);  // black over the grid point
    choose(w.toggles[TOOL_DEL]);
    click(Qt::LeftButton, 70, 70);
    EXPECT_TRUE(list_count(w.list) == 0 && image() == grid);
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(count_non_white(image()), 0);
}
