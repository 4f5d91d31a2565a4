// The undo history through real key events on the offscreen window: each kind of change taken
// back and brought again (figures, count and file name), what is not a step, the bound on its
// memory, and a new change after an undo dropping what could have been redone.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "app/undo_history.h"
#include "canvas/door.h"
#include "canvas/interaction_state.h"
#include "core/shape_file.h"
#include "toolkit/canvas_widget.h"

#include <QAction>
#include <QMainWindow>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <vector>

namespace {

// What a step must bring back: every record, the count and the file name.
struct Snapshot {
    std::vector<std::string> records;
    std::string file_name;
    bool operator==(const Snapshot&) const = default;
};

}  // namespace

class UndoHistoryTest : public EditorTest {
protected:
    Snapshot snapshot() const
    {
        Snapshot s{{}, current_file_name()};
        for (int i = 0; i < list_count(w.list); ++i) {
            const ShapeRecord r = list_get(w.list, i);
            s.records.push_back(le32(r.type) + le32(r.x1) + le32(r.x2) + le32(r.x3) + le32(r.y1) +
                                le32(r.y2) + le32(r.y3));
        }
        return s;
    }

    void undo() { key(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }


    // The file written by Save, for Open to read.
    std::string saved_drawing(const std::vector<ShapeRecord>& records)
    {
        ObjectList* list = list_create();
        for (const ShapeRecord& r : records)
            list_set(list, list->count++, r.type, r.x1, r.x2, r.x3, r.y1, r.y2, r.y3);
        const std::string name = dir.file("drawing.edt");
        EXPECT_EQ(list_write_file(name, list), int(records.size()));
        list_free(list);
        return name;
    }

    TempDir dir;
};

// Guards: a kind of change missing from the history, a step restoring only part of the drawing
// (the count, the records or the file name), or the canvas not following the list.
TEST_F(UndoHistoryTest, EveryKindOfChangeIsUndoneAndRedoneWhole)
{
    struct Case {
        const char* name;
        std::function<void()> change;
    };
    const std::vector<Case> cases = {
        {"rectangle", [&] { draw_rect(300, 30, 400, 90); }},
        {"ellipse", [&] { choose(w.toggles[TOOL_ELLIPSE]); drag(Qt::LeftButton, 320, 120, 420, 200); }},
        {"triangle", [&] {
             choose(w.toggles[TOOL_TRIANG]);
             click(Qt::LeftButton, 300, 240);
             click(Qt::LeftButton, 380, 240);
             click(Qt::LeftButton, 340, 160);
         }},
        {"move", [&] { choose(w.toggles[TOOL_SEL]); drag(Qt::LeftButton, 60, 60, 90, 100); }},
        {"stretch", [&] { choose(w.toggles[TOOL_SEL]); drag(Qt::RightButton, 60, 60, 20, 30); }},
        {"delete tool", [&] { choose(w.toggles[TOOL_DEL]); click(Qt::LeftButton, 60, 60); }},
        {"delete key", [&] {
             choose(w.toggles[TOOL_SEL]);
             click(Qt::LeftButton, 60, 60);
             key(Qt::Key_Delete);
         }},
        {"new", [&] { w.item_new->trigger(); }},
        {"open", [&] {
             dialog_answers.push_back(saved_drawing({{SHAPE_TRIANGLE, 5, 50, 25, 5, 5, 40}}));
             w.item_open->trigger();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.item_new->trigger();
        save_drawing(w.list, "/earlier/name.edt");  // a name whose write fails
        draw_rect(40, 40, 120, 90);
        const Snapshot before = snapshot();
        const int steps = w.history->count();
        c.change();
        const Snapshot after = snapshot();
        ASSERT_NE(after, before);
        EXPECT_EQ(w.history->count(), steps + 1);

        TraceCapture trace;
        undo();
        EXPECT_EQ(trace.take(), "\nUndo.");
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(image() == redrawn_image());
        redo();
        EXPECT_EQ(trace.take(), "\nRedo.");
        EXPECT_EQ(snapshot(), after);
        EXPECT_TRUE(image() == redrawn_image());
        EXPECT_EQ(focused_figure(), -1);  // the highlight is dropped either way
    }
}

// Guards: a step recorded for what changes nothing of the drawing, which would make Undo seem to
// do nothing, or the Edit items not greyed when there is nothing to take back or bring again.
TEST_F(UndoHistoryTest, WhatIsNotAStepLeavesTheHistoryAlone)
{
    EXPECT_FALSE(w.item_undo->isEnabled());
    EXPECT_FALSE(w.item_redo->isEnabled());
    draw_rect(40, 40, 120, 90);
    EXPECT_TRUE(w.item_undo->isEnabled());
    const int steps = w.history->count();
    const std::vector<std::pair<const char*, std::function<void()>>> quiet = {
        {"save", [&] { dialog_answers.push_back(dir.file("a.edt")); w.item_save->trigger(); }},
        {"failed open", [&] { dialog_answers.push_back(dir.file("missing.edt")); w.item_open->trigger(); }},
        {"cancelled open", [&] { dialog_answers.push_back(std::nullopt); w.item_open->trigger(); }},
        {"tool choice", [&] { choose(w.toggles[TOOL_ELLIPSE]); key(Qt::Key_S); }},
        {"highlight", [&] { choose(w.toggles[TOOL_SEL]); click(Qt::RightButton, 40, 50); }},
        {"move by zero", [&] { click(Qt::LeftButton, 60, 60); }},
        {"delete on nothing", [&] { choose(w.toggles[TOOL_DEL]); click(Qt::LeftButton, 400, 200); }},
    };
    for (const auto& [name, action] : quiet) {
        SCOPED_TRACE(name);
        action();
        EXPECT_EQ(w.history->count(), steps);
    }
    // A figure refused at the limit.
    for (int i = list_count(w.list); i < LIST_CAPACITY; ++i)
        list_set(w.list, w.list->count++, SHAPE_RECT, 1, 2, -1, 1, 2, -1);
    draw_rect(10, 10, 20, 20);
    EXPECT_EQ(w.history->count(), steps);
}

// Guards: redo steps surviving a new change (redo would then rewrite a drawing the user has
// moved on from), and a history that grows without bound.
TEST_F(UndoHistoryTest, ANewChangeDropsTheRedoStepsAndMemoryIsBounded)
{
    draw_rect(40, 40, 120, 90);
    draw_rect(140, 40, 220, 90);
    undo();
    EXPECT_TRUE(w.item_redo->isEnabled());
    draw_rect(240, 40, 320, 90);
    EXPECT_FALSE(w.item_redo->isEnabled());
    EXPECT_EQ(list_count(w.list), 2);

    w.item_new->trigger();
    // Twenty figures, then more moves of the last one than a bounded history may keep.
    for (int i = 0; i < 20; ++i) draw_rect(10 + 20 * i, 10, 25 + 20 * i, 30);
    choose(w.toggles[TOOL_SEL]);
    const int moves = 1000;  // 16 MiB of history would hold about 850 steps of the largest size
    for (int i = 0; i < moves; ++i) drag(Qt::LeftButton, 395 + i % 2, 20, 396 - i % 2, 20);
    EXPECT_GT(w.history->count(), 500);  // a long afternoon of drawing
    EXPECT_LT(w.history->count(), moves);
    while (w.history->canUndo()) w.history->undo();
    // The oldest steps are gone: the drawing stops where the kept history begins.
    EXPECT_EQ(list_count(w.list), 20);
}

// Guards: Exit leaving the history behind (memory, or a step that restores into the freed list).
TEST_F(UndoHistoryTest, ExitFreesTheHistoryAndLaterKeysDoNothing)
{
    draw_rect(40, 40, 120, 90);
    w.item_exit->trigger();
    EXPECT_EQ(w.history->count(), 0);
    TraceCapture trace;
    for (Qt::Key k : {Qt::Key_Z, Qt::Key_Y, Qt::Key_Escape, Qt::Key_Delete, Qt::Key_R})
        key(k, k == Qt::Key_Z || k == Qt::Key_Y ? Qt::ControlModifier : Qt::NoModifier);
    EXPECT_EQ(trace.take().find("Undo"), std::string::npos);
}

// Guards: Save writing over another file than the one the last Save As or Open chose, because an
// undo or redo of an older step brought that step's file name back; and a change of the file name
// alone not being a step of its own.
TEST_F(UndoHistoryTest, SaveWritesTheFileLastChosenWhateverIsUndone)
{
    const std::string first = dir.file("first.edt"), second = dir.file("second.edt");
    auto save_as = [&](const std::string& name) { dialog_answers.push_back(name); w.item_save_as->trigger(); };
    auto open = [&](const std::string& name) { dialog_answers.push_back(name); w.item_open->trigger(); };
    auto figures_in = [](const std::string& name) { return int(read_all(name).size() / sizeof(ShapeRecord)); };
    struct Case {
        const char* name;
        std::function<void()> steps;
        const std::string& saved_to;  // where Ctrl+S must write, asking nothing
        int figures;                  // how many it writes there
        int first_figures;            // what first.edt holds in the end
    };
    const std::vector<Case> cases = {
        {"save as twice, undo", [&] {
             draw_rect(10, 10, 30, 30); save_as(first);
             draw_rect(40, 10, 60, 30); draw_rect(70, 10, 90, 30); save_as(second);
             undo();
         }, second, 2, 1},
        {"open, save as, undo", [&] {
             draw_rect(10, 10, 30, 30); save_as(first); w.item_new->trigger(); open(first);
             draw_rect(40, 10, 60, 30); draw_rect(70, 10, 90, 30); save_as(second);
             undo();
         }, second, 2, 1},
        {"save as twice, undo, redo", [&] {
             draw_rect(10, 10, 30, 30); save_as(first);
             draw_rect(40, 10, 60, 30); draw_rect(70, 10, 90, 30); save_as(second);
             undo(); redo();
         }, second, 3, 1},
        {"first save as after the undone change", [&] {
             draw_rect(10, 10, 30, 30); draw_rect(40, 10, 60, 30); save_as(first);
             undo();
         }, first, 1, 1},
        {"new undone after save as", [&] {
             draw_rect(10, 10, 30, 30); save_as(first); w.item_new->trigger();
             undo();
         }, first, 1, 1},
        // Only the name changes: the same figures opened from another file, then taken back.
        {"open of equal figures undone", [&] {
             draw_rect(10, 10, 30, 30); save_as(first); save_as(second);
             std::remove(second.c_str());  // written again only if Save goes back to its name
             open(first);
             undo();
         }, second, 1, 1},
        {"new of an empty named drawing undone", [&] {
             save_as(first); w.item_new->trigger();
             undo();
         }, first, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.item_new->trigger();
        std::remove(first.c_str());
        std::remove(second.c_str());
        c.steps();
        const std::size_t asked = dialogs_asked.size();
        key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(dialogs_asked.size(), asked);
        EXPECT_EQ(figures_in(c.saved_to), c.figures);
        EXPECT_EQ(figures_in(first), c.first_figures);
    }
}
