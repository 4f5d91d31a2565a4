// The keys through real key events on the offscreen window: the menu shortcuts, the tool keys
// (the same trace lines as clicks), Esc in each gesture, Undo during a drag, and Delete on the
// highlighted figure.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "app/key_table.h"
#include "app/messages.h"
#include "canvas/canvas_context.h"
#include "canvas/interaction_state.h"
#include "toolkit/callbacks.h"

#include <QAction>
#include <QMainWindow>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <functional>
#include <vector>

using KeyboardTest = EditorTest;

// Guards: a key of the table bound to no item, bound twice (Qt then runs neither), or reaching
// another row's command; and a guide whose table of keys is not the one the editor has.
TEST_F(KeyboardTest, EveryKeyOfTheTableReachesItsOwnRowAndTheGuidesListIt)
{
    draw_rect(40, 40, 120, 90);
    draw_rect(140, 40, 220, 90);
    key(Qt::Key_Z, Qt::ControlModifier);  // so both Undo and Redo are offered
    static QObject* reached = nullptr;
    const ActionFn spy = [](QObject* item) {
        reached = item;
        return IUP_DEFAULT;
    };
    for (const Command& c : commands())
        if (c.text) set_function(c.name, spy);
    // From the last row, so that Exit, which also clears the history, comes after Undo and Redo.
    for (auto row = commands().rbegin(); row != commands().rend(); ++row) {
        const Command& c = *row;
        if (!c.text) continue;
        for (const QKeySequence& keys : keys_of(c)) {
            SCOPED_TRACE(keys.toString().toStdString() + " for " + c.text);
            reached = nullptr;
            QTest::keySequence(w.dialog, keys);
            ASSERT_NE(reached, nullptr);
            EXPECT_EQ(reached->property("COMMAND").toInt(), &c - commands().data());
        }
    }
    const std::string table = keys_help_text();
    for (const char* guide : {"/readme.txt", "/packaging/quadrix.1.in"})
        EXPECT_NE(read_all(QUADRIX_SOURCE_DIR + std::string(guide)).find(table), std::string::npos)
            << guide << " lacks the table of keys:\n" << table;
}

// Guards: a command without its usual key, a key bound to the wrong command, or a shortcut that
// works but is not shown in the menu.
TEST_F(KeyboardTest, MenuShortcutsRunTheirCommands)
{
    struct Case {
        QAction* item;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* shown;
        std::function<bool()> ran;
    };
    const std::vector<Case> cases = {
        {w.item_new, Qt::Key_N, Qt::ControlModifier, "Ctrl+N", [&] { return list_count(w.list) == 0; }},
        {w.item_open, Qt::Key_O, Qt::ControlModifier, "Ctrl+O",
         [&] { return dialogs_asked.size() == 1 && dialogs_asked[0].kind == FileDialogKind::Open; }},
        {w.item_save, Qt::Key_S, Qt::ControlModifier, "Ctrl+S",
         [&] { return dialogs_asked.size() == 1 && dialogs_asked[0].kind == FileDialogKind::Save; }},
        {w.item_save_as, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+S",
         [&] { return dialogs_asked.size() == 1 && dialogs_asked[0].kind == FileDialogKind::Save; }},
        {w.item_help, Qt::Key_F1, Qt::NoModifier, "F1",
         [&] { return messages == std::vector<std::string>{HELP_TEXT}; }},
        {w.item_undo, Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z", [&] { return list_count(w.list) == 0; }},
        {w.item_redo, Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y", [&] { return list_count(w.list) == 1; }},
        {w.item_grid, Qt::Key_G, Qt::ControlModifier, "Ctrl+G",
         [&] { return w.item_grid->isChecked() && count_pixels(image(), 0xC0C0C0) > 0; }},
        {w.item_snap, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+G",
         [&] { return w.item_snap->isChecked(); }},
        {w.item_exit, Qt::Key_Q, Qt::ControlModifier, "Ctrl+Q",
         [&] { return messages == std::vector<std::string>{FAREWELL} && !canvas_list(w.canvas); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        if (c.item != w.item_redo && list_count(w.list) == 0) draw_rect(40, 40, 120, 90);
        dialogs_asked.clear();
        messages.clear();
        EXPECT_TRUE(c.item->shortcuts().contains(QKeySequence(c.shown)));
        key(c.key, c.mods);
        EXPECT_TRUE(c.ran());
    }
}

// Guards: a tool key choosing the tool some other way than its toggle (other trace lines, another
// order, the toggle not shown on), and a key switching tools in the middle of a drag.
TEST_F(KeyboardTest, ToolKeysActAsClicksOnTheirToggles)
{
    TraceCapture trace;
    for (Qt::Key k : {Qt::Key_R, Qt::Key_E, Qt::Key_T, Qt::Key_D, Qt::Key_S, Qt::Key_S}) key(k);
    EXPECT_EQ(trace.take(),
              "\nSelecao, modo 0\nRectangulo, modo 1"
              "\nRectangulo, modo 0\nEllipse, modo 1"
              "\nEllipse, modo 0\nTriangulo, modo 1"
              "\nTriangulo, modo 0\nExclusão, modo 1 "
              "\nExclusão, modo 0 \nSelecao, modo 1"
              "\nSelecao, modo 1");
    EXPECT_TRUE(w.toggles[TOOL_SEL]->isChecked());

    key(Qt::Key_R);
    trace.take();
    press(Qt::LeftButton, 50, 50);
    key(Qt::Key_E);
    move(90, 90);
    release(Qt::LeftButton, 90, 90);
    EXPECT_EQ(trace.take(), "\n Insert rect [(50,203),(90,163)]");
    EXPECT_TRUE(w.toggles[TOOL_RECT]->isChecked());
}

// Guards: Esc leaving feedback or committed edges on the canvas, storing a figure, letting the
// release that follows commit one, moving the dragged figure, or printing when idle.
TEST_F(KeyboardTest, EscCancelsEachGestureAndLeavesTheCanvasAsDrawn)
{
    draw_rect(200, 100, 260, 160);
    const std::vector<std::pair<const char*, std::function<void()>>> gestures = {
        {"rectangle drag", [&] { choose(w.toggles[TOOL_RECT]); press(Qt::LeftButton, 20, 20); move(80, 70); }},
        {"ellipse drag", [&] { choose(w.toggles[TOOL_ELLIPSE]); press(Qt::LeftButton, 20, 20); move(80, 70); }},
        {"triangle, one vertex", [&] {
             choose(w.toggles[TOOL_TRIANG]);
             click(Qt::LeftButton, 20, 20);
             move(80, 70);
         }},
        {"triangle, two vertices", [&] {
             choose(w.toggles[TOOL_TRIANG]);
             click(Qt::LeftButton, 20, 20);
             click(Qt::LeftButton, 120, 20);
             move(80, 70);
         }},
        {"triangle, press held", [&] { choose(w.toggles[TOOL_TRIANG]); press(Qt::LeftButton, 20, 20); }},
        {"move", [&] { choose(w.toggles[TOOL_SEL]); press(Qt::LeftButton, 230, 130); move(300, 60); }},
        {"stretch", [&] { choose(w.toggles[TOOL_SEL]); press(Qt::RightButton, 230, 130); move(300, 60); }},
    };
    const int figures = list_count(w.list);
    const ShapeRecord kept = list_get(w.list, 0);
    for (const auto& [name, gesture] : gestures) {
        SCOPED_TRACE(name);
        gesture();
        TraceCapture trace;
        key(Qt::Key_Escape);
        EXPECT_EQ(trace.take(), "\nCancel.");
        EXPECT_TRUE(image() == redrawn_image());
        EXPECT_EQ(count_pixels(image(), COLOR_RED) + count_pixels(image(), COLOR_BLUE), 0);
        release(Qt::LeftButton, 300, 60);
        release(Qt::RightButton, 300, 60);
        move(7, 8);
        EXPECT_EQ(trace.take(), "<7,8>");
        EXPECT_EQ(list_count(w.list), figures);
        EXPECT_TRUE(same_record(list_get(w.list, 0), {kept.type, kept.x1, kept.x2, kept.x3, kept.y1, kept.y2, kept.y3}));
        key(Qt::Key_Escape);  // nothing left to cancel
        EXPECT_EQ(trace.take(), "");
    }
    // The next click starts a new triangle.
    choose(w.toggles[TOOL_TRIANG]);
    for (QPoint p : {QPoint(20, 20), QPoint(120, 20), QPoint(70, 80)}) click(Qt::LeftButton, p.x(), p.y());
    EXPECT_EQ(list_count(w.list), figures + 1);
    EXPECT_TRUE(same_record(list_get(w.list, figures), {2, 20, 120, 70, 233, 233, 173}));
}

// Guards: Undo during a drag taking back a committed change while the drag's feedback stays, and
// the cancelled drag's release committing a figure afterwards.
TEST_F(KeyboardTest, UndoDuringADragCancelsItFirst)
{
    draw_rect(40, 40, 120, 90);
    press(Qt::LeftButton, 200, 100);
    move(260, 160);
    TraceCapture trace;
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(trace.take(), "\nCancel.");
    EXPECT_EQ(list_count(w.list), 1);
    release(Qt::LeftButton, 260, 160);
    EXPECT_EQ(list_count(w.list), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(trace.take(), "\nUndo.");
    EXPECT_EQ(list_count(w.list), 0);
    EXPECT_EQ(count_non_white(image()), 0);
}

// Guards: Delete removing a figure that is not highlighted, or any figure when none is.
TEST_F(KeyboardTest, DeleteRemovesOnlyTheHighlightedFigure)
{
    draw_rect(40, 40, 120, 90);
    draw_rect(200, 40, 280, 90);
    key(Qt::Key_Delete);
    EXPECT_EQ(list_count(w.list), 2);  // nothing highlighted yet
    choose(w.toggles[TOOL_SEL]);
    click(Qt::LeftButton, 60, 60);
    key(Qt::Key_Delete);
    ASSERT_EQ(list_count(w.list), 1);
    EXPECT_EQ(list_get(w.list, 0).x1, 200);
    EXPECT_TRUE(image() == redrawn_image());
    key(Qt::Key_Backspace);  // the highlight went with the figure
    EXPECT_EQ(list_count(w.list), 1);
    click(Qt::LeftButton, 220, 60);
    key(Qt::Key_Backspace);
    EXPECT_EQ(list_count(w.list), 0);
    w.history->undo();
    EXPECT_EQ(list_count(w.list), 1);
}
