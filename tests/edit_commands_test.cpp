// The Edit menu's editing commands and the keys on the highlighted figure, through real key events
// on the offscreen window: the 200-figure limit of Paste and Duplicate, Paste's offsets, the undo
// steps of nudges, the order keys at the ends, Tab's walk, and files dropped on the window.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "app/system_clipboard.h"
#include "app/messages.h"
#include "canvas/canvas_context.h"
#include "canvas/selection.h"
#include "canvas/tool_table.h"
#include "canvas/door.h"
#include "canvas/interaction_state.h"
#include "core/shape_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMainWindow>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include <array>
#include <functional>
#include <vector>

namespace {

// The figures' records in order, as a file would hold them.
std::string records_of(const ObjectList* list) { return list_bytes(list); }
std::string records_of(const ObjectList& list) { return list_bytes(&list); }

ObjectList rects(std::initializer_list<std::array<int, 4>> boxes)
{
    ObjectList list{};
    for (const auto& b : boxes) list.records[list.count++] = {SHAPE_RECT, b[0], b[2], -1, b[1], b[3], -1};
    return list;
}

}  // namespace

class EditCommandsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        QGuiApplication::clipboard()->clear();
    }


    // An item of the Arrange menu, by its text.
    QAction* arrange_item(const QString& text)
    {
        for (QAction* menu : w.dialog->menuBar()->actions())
            if (menu->menu() && menu->text() == "&Arrange")
                for (QAction* item : menu->menu()->actions())
                    if (item->text() == text) return item;
        return nullptr;
    }

    // The drawing as if opened from a file (one undo step), nothing highlighted.
    void load(const ObjectList& figures)
    {
        TempDir dir;
        write_all(dir.file("d.edt"), records_of(&figures));
        dialog_answers.push_back(dir.file("d.edt"));
        TraceCapture quiet;
        w.item_open->trigger();
        ASSERT_EQ(list_count(w.list), list_count(&figures));
    }

    void drop(const QString& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.dialog, &enter);
        if (!enter.isAccepted()) return;
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.dialog, &drop);
    }
};

// Guards: a Paste or Duplicate that stores part of its figures, passes 200, or stays silent.
TEST_F(EditCommandsTest, PasteAndDuplicateStopAtTwoHundredFigures)
{
    struct Case {
        int figures;            // in the drawing, the last one highlighted by Tab when highlight
        bool highlight;
        QAction* MainWindow::*command;
        int after;              // figures afterwards
        const char* trace;
    };
    const std::vector<Case> cases = {
        {199, true, &MainWindow::item_duplicate, 200, "\nDuplicate."},
        {200, true, &MainWindow::item_duplicate, 200, ""},
        {100, false, &MainWindow::item_paste, 200, "\nCopy.\nPaste."},
        {101, false, &MainWindow::item_paste, 101, "\nCopy."},
        {200, true, &MainWindow::item_paste, 200, "\nCopy."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.figures);
        ObjectList figures{};
        for (int i = 0; i < c.figures; ++i) figures.records[figures.count++] = {SHAPE_RECT, i, i + 5, -1, 3, 9, -1};
        load(figures);
        if (c.highlight) key(Qt::Key_Tab);
        messages.clear();
        const int steps = w.history->count();
        TraceCapture trace;
        if (c.command == &MainWindow::item_paste) key(Qt::Key_C, Qt::ControlModifier);
        (w.*c.command)->trigger();
        EXPECT_EQ(trace.take(), c.trace);
        EXPECT_EQ(list_count(w.list), c.after);
        const bool refused = c.after == c.figures;
        EXPECT_EQ(messages, refused ? std::vector<std::string>{LIMIT_MESSAGE} : std::vector<std::string>{});
        EXPECT_EQ(w.history->count(), steps + (refused ? 0 : 1));
    }
}

// Guards: pastes on top of each other, an offset in the wrong direction, a Copy that does not
// start the offsets again, or Paste taking another program's clipboard.
TEST_F(EditCommandsTest, EachPasteOfOneClipboardGoesTenPixelsFurther)
{
    load(rects({{10, 100, 40, 120}, {200, 50, 260, 90}}));
    key(Qt::Key_Tab);  // the top one, (200,50)-(260,90)
    key(Qt::Key_C, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);  // the second paste is highlighted: copied afresh
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(records_of(w.list),
              records_of(rects({{10, 100, 40, 120}, {200, 50, 260, 90}, {210, 40, 270, 80},
                                 {220, 30, 280, 70}, {230, 20, 290, 60}})));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/png"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));

    QGuiApplication::clipboard()->setText("not figures");
    TraceCapture trace;
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(trace.take(), "");
    EXPECT_EQ(list_count(w.list), 5);
}

// Guards: nudges that each take an undo step, nudges of different figures or around another step
// joined into one, a step that undoes to the wrong place or redoes only its first nudge, and a run
// that ends where it began left as a step that changes nothing.
TEST_F(EditCommandsTest, ARunOfNudgesOnOneFigureIsOneStep)
{
    struct Case {
        const char* name;
        std::function<void()> keys;
        int steps;
    };
    const auto arrows = [&] {
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Up, Qt::ShiftModifier);
    };
    const std::vector<Case> cases = {
        {"one figure", [&] { key(Qt::Key_Tab); arrows(); }, 1},
        {"two figures", [&] { key(Qt::Key_Tab); arrows(); key(Qt::Key_Tab); arrows(); }, 2},
        {"a reorder between", [&] {
             key(Qt::Key_Tab); key(Qt::Key_Tab); arrows();
             key(Qt::Key_PageUp); key(Qt::Key_PageDown); arrows();
         }, 4},
        {"an undo between", [&] {
             key(Qt::Key_Tab); arrows(); key(Qt::Key_Z, Qt::ControlModifier);
             key(Qt::Key_Tab); arrows();
         }, 1},
        {"there and back", [&] { key(Qt::Key_Tab); key(Qt::Key_Right); key(Qt::Key_Left); }, 0},
        {"a run of stretches", [&] {
             key(Qt::Key_Tab); key(Qt::Key_Right, Qt::ControlModifier);
             key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
         }, 1},
        {"nudges, then stretches", [&] { key(Qt::Key_Tab); arrows(); key(Qt::Key_Left, Qt::ControlModifier); }, 2},
    };
    const ObjectList start = rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load(start);
        const int base = w.history->index();
        c.keys();
        EXPECT_EQ(w.history->index() - base, c.steps);
        EXPECT_EQ(w.history->count() - base, c.steps);
        const std::string after = records_of(w.list);
        EXPECT_EQ(after != records_of(&start), c.steps > 0);
        while (w.history->index() > base) w.history->undo();
        EXPECT_EQ(records_of(w.list), records_of(&start));
        while (w.history->canRedo()) w.history->redo();
        EXPECT_EQ(records_of(w.list), after);
    }
    // Right twice and Shift+Up: 2 px right, 10 px up on the screen (y grows upwards in the record).
    load(start);
    key(Qt::Key_Tab);
    arrows();
    EXPECT_EQ(records_of(w.list), records_of(rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {92, 20, 112, 40}})));
    EXPECT_EQ(focused_figure(), 2);  // still highlighted
    // Ctrl+Right and Ctrl+Shift+Down: the second point 1 px right and 10 px down on the screen.
    key(Qt::Key_Right, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(records_of(w.list), records_of(rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {92, 20, 113, 30}})));
}

// Guards: a command offered with nothing to work on (an empty Copy, a Cut of nothing), and Paste
// taking bytes another program put under our type: part of a record, or kinds Quadrix never makes.
TEST_F(EditCommandsTest, CommandsWithNothingToTakeAreGreyedAndDoNothing)
{
    auto* edit = qobject_cast<QMenu*>(w.item_cut->associatedObjects().value(0));
    auto* arrange = qobject_cast<QMenu*>(w.item_to_top->associatedObjects().value(0));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(arrange, nullptr);
    const auto offered = [&] {
        std::string on;
        for (QMenu* menu : {edit, arrange}) {
            menu->popup(QPoint(0, 0));
            for (QAction* item : {w.item_cut, w.item_copy, w.item_paste, w.item_duplicate, w.item_to_top,
                                  w.item_to_bottom, w.item_raise, w.item_lower, w.item_points,
                                  arrange_item("Alinhar à es&querda"), arrange_item("Distribuir na &vertical"),
                                  arrange_item("Gi&rar 90° à direita")})
                if (item->associatedObjects().value(0) == menu) on += item->isEnabled() ? '1' : '0';
            menu->hide();
        }
        return on;
    };
    const auto all_keys = [&] {
        for (Qt::Key k : {Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_D}) key(k, Qt::ControlModifier);
        for (Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown}) key(k);
    };
    const auto record = [](int32_t kind) {
        return records_of(ObjectList{{{kind, 1, 2, -1, 3, 4, -1}}, 1});
    };
    // Under our type on the clipboard ("-": nothing): never figures of ours, so nothing is offered.
    const std::vector<std::string> clipboards = {"-", std::string(13, '\0'), "", record(3), record(7), record(-1),
                                                 record(INT32_MAX), record(SHAPE_TRIANGLE) + "x"};
    for (const std::string& clipboard : clipboards) {
        SCOPED_TRACE(testing::PrintToString(clipboard));
        w.item_new->trigger();
        auto* data = new QMimeData;
        if (clipboard != "-") data->setData(FIGURES_MIME, QByteArray::fromStdString(clipboard));
        QGuiApplication::clipboard()->setMimeData(data);
        EXPECT_EQ(offered(), "000000000000");  // cut copy paste duplicate F4; the four order items, align, distribute, turn
        TraceCapture trace;
        all_keys();
        EXPECT_EQ(trace.take(), "");
        EXPECT_EQ(list_count(w.list), 0);
    }
    // Figures of ours on the clipboard, a drawing, and then a highlighted figure: more is offered.
    load(rects({{10, 10, 30, 30}, {50, 10, 70, 30}}));
    auto* ours = new QMimeData;
    ours->setData(FIGURES_MIME, QByteArray::fromStdString(record(SHAPE_ELLIPSE)));
    QGuiApplication::clipboard()->setMimeData(ours);
    EXPECT_EQ(offered(), "011100000000");
    key(Qt::Key_Tab);
    EXPECT_EQ(offered(), "111111111001");  // one figure: nothing to align with, but it turns
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(offered(), "111101111101");  // F4 types in one figure's points, not two; two are not distributed
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());  // the picture, not only PNG bytes
    bool asked = false;  // F4's key asks nothing either
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) asked = dialog->close();
    });
    key(Qt::Key_F4);
    QCoreApplication::processEvents();  // the look above runs before asked goes
    EXPECT_FALSE(asked);
}

// Guards: an order key that wraps round at an end, takes a step that changes nothing, or loses
// the highlight.
TEST_F(EditCommandsTest, OrderKeysAtTheEndsChangeNothing)
{
    struct Case {
        int tabs;   // Tab presses: 1 highlights the top figure, 3 the bottom one
        Qt::Key key;
        std::vector<int> order;  // which of the figures a, b, c sits in each slot afterwards
        int highlighted;
    };
    const ObjectList start = rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}});
    const std::vector<Case> cases = {
        {1, Qt::Key_PageUp, {0, 1, 2}, 2},   {1, Qt::Key_Home, {0, 1, 2}, 2},
        {3, Qt::Key_PageDown, {0, 1, 2}, 0}, {3, Qt::Key_End, {0, 1, 2}, 0},
        {3, Qt::Key_PageUp, {1, 0, 2}, 1},   {3, Qt::Key_Home, {1, 2, 0}, 2},
        {1, Qt::Key_End, {2, 0, 1}, 0},      {2, Qt::Key_PageDown, {1, 0, 2}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tabs << " tabs, key " << c.key);
        load(start);
        for (int i = 0; i < c.tabs; ++i) key(Qt::Key_Tab);
        const int steps = w.history->count();
        key(c.key);
        ObjectList expected{};
        for (int slot : c.order) expected.records[expected.count++] = start.records[slot];
        EXPECT_EQ(records_of(w.list), records_of(&expected));
        EXPECT_EQ(w.history->count(), steps + (c.order == std::vector<int>{0, 1, 2} ? 0 : 1));
        EXPECT_EQ(focused_figure(), c.highlighted);
    }
}

// Guards: Tab skipping a figure, not wrapping round, or Shift+Tab going the same way.
TEST_F(EditCommandsTest, TabWalksEveryFigureFromTheTop)
{
    load(rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}}));
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
        seen.push_back(focused_figure());
    }
    for (int i = 0; i < 2; ++i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        seen.push_back(focused_figure());
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 0, 2, 0, 1}));
    EXPECT_EQ(count_pixels(image(), COLOR_RED), 80);  // one 21 by 21 outline
}

// Guards: a dropped drawing opened some other way than Open (no step, no trace, no message on
// failure), or a file of another kind taken for one.
TEST_F(EditCommandsTest, ADroppedDrawingOpensAsOpenDoes)
{
    TempDir dir;
    const ObjectList dropped = rects({{5, 5, 50, 50}});
    write_all(dir.file("good.edt"), records_of(&dropped));
    write_all(dir.file("notes.txt"), records_of(&dropped));
    load(rects({{100, 100, 150, 150}, {10, 10, 20, 20}}));
    const std::string before = records_of(w.list);
    struct Case {
        std::string path;
        const char* trace;
        std::vector<std::string> messages;
        std::string records;
    };
    const std::vector<Case> cases = {
        {dir.file("notes.txt"), "", {}, before},
        {dir.file("missing.edt"), "", {READ_ERROR}, before},
        {dir.path(), "", {}, before},
        {dir.file("good.edt"), "\nOpen.", {}, records_of(&dropped)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        messages.clear();
        TraceCapture trace;
        drop(QString::fromStdString(c.path));
        EXPECT_EQ(trace.take(), c.trace);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(records_of(w.list), c.records);
    }
    EXPECT_EQ(current_file_name(), dir.file("good.edt"));
    w.history->undo();
    EXPECT_EQ(records_of(w.list), before);
}

// Guards: an editing command without its key, or a key that works but is not shown in the menu.
TEST_F(EditCommandsTest, MenuItemsShowTheirKeys)
{
    const std::vector<std::pair<QAction*, const char*>> items = {
        {w.item_cut, "Ctrl+X"},  {w.item_copy, "Ctrl+C"},      {w.item_paste, "Ctrl+V"},
        {w.item_duplicate, "Ctrl+D"}, {w.item_to_top, "Home"}, {w.item_to_bottom, "End"},
        {w.item_raise, "PgUp"},  {w.item_lower, "PgDown"},
    };
    for (const auto& [item, shown] : items) {
        SCOPED_TRACE(shown);
        EXPECT_TRUE(item->shortcuts().contains(QKeySequence(shown)));
    }
}

// Guards: a Copy of figures far apart making a picture of hundreds of megabytes, or losing the
// figures themselves with it.
TEST_F(EditCommandsTest, FiguresFarApartAreCopiedWithoutTheirPng)
{
    struct Case {
        int far;  // the second figure's corner, in both directions
        bool png;
    };
    for (const Case& c : {Case{4000, true}, Case{6000, false}}) {
        SCOPED_TRACE(c.far);
        load(rects({{0, 0, 10, 10}, {c.far - 10, c.far - 10, c.far, c.far}}));
        key(Qt::Key_C, Qt::ControlModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        EXPECT_EQ(data->hasFormat("image/png"), c.png);
        EXPECT_TRUE(data->hasFormat("image/svg+xml"));
        EXPECT_EQ(data->data(FIGURES_MIME).toStdString(), records_of(w.list));
    }
}

// Guards: Return making a figure somewhere else than the centre, of another kind than the tool's,
// without its insert line or its highlight, past 200 figures, or with Sel or Del at all.
TEST_F(EditCommandsTest, ReturnMakesAFigureOfTheChosenKindAtTheCentre)
{
    struct Case {
        ToolIndex tool;
        Qt::Key key;
        const char* trace;  // with the drawing area of 510 by 254: centre (255,127)
    };
    const std::vector<Case> cases = {
        {TOOL_RECT, Qt::Key_Return, "\n Insert rect [(205,156),(305,96)]"},
        {TOOL_ELLIPSE, Qt::Key_Enter, "\n Insert ellipse [(205,156),(305,96)]"},
        {TOOL_TRIANG, Qt::Key_Return, "\n Insert triang [(205,96),(255,156),(305,96)]"},
        {TOOL_SEL, Qt::Key_Return, ""},
        {TOOL_DEL, Qt::Key_Enter, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trace);
        load(ObjectList{});
        choose(w.toggles[c.tool]);
        const int steps = w.history->count();
        TraceCapture trace;
        key(c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(trace.take(), c.trace);
        const bool made = *c.trace != 0;
        EXPECT_EQ(list_count(w.list), made ? 1 : 0);
        EXPECT_EQ(w.history->count(), steps + (made ? 1 : 0));
        EXPECT_EQ(focused_figure(), made ? 0 : -1);
        EXPECT_EQ(count_pixels(image(), COLOR_RED) > 0, made);
    }
    ObjectList full{};
    for (int i = 0; i < LIST_CAPACITY; ++i) full.records[full.count++] = {SHAPE_RECT, i, i + 5, -1, 3, 9, -1};
    load(full);
    choose(w.toggles[TOOL_RECT]);
    messages.clear();
    key(Qt::Key_Return);
    EXPECT_EQ(list_count(w.list), LIST_CAPACITY);
    EXPECT_EQ(messages, std::vector<std::string>{LIMIT_MESSAGE});
    // Return in the middle of a drag makes nothing; the drag's own release makes its figure.
    load(ObjectList{});
    press(Qt::LeftButton, 40, 40);
    move(80, 90);
    key(Qt::Key_Return);
    EXPECT_EQ(list_count(w.list), 0);
    release(Qt::LeftButton, 80, 90);
    EXPECT_EQ(list_count(w.list), 1);
}

// Guards: "Posicao e tamanho" showing other values than the file's (or a triangle's third point
// missing), fields out of order, Return not applying in one step, Escape changing anything.
TEST_F(EditCommandsTest, PointsTypedInThroughTheRealDialog)
{
    struct Case {
        ShapeRecord figure;
        std::vector<int> shown;                       // x1 y1 x2 y2 (x3 y3)
        std::function<void(QWidget* field)> typing;   // into the first field, which has the focus
        ShapeRecord after;
    };
    const auto type = [](const char* text, Qt::Key end) {
        return [text, end](QWidget* field) { QTest::keyClicks(field, text); QTest::keyClick(field, end); };
    };
    const std::vector<Case> cases = {
        {{SHAPE_RECT, 10, 60, -1, 20, 50, -1}, {10, 20, 60, 50}, type("15", Qt::Key_Return),
         {SHAPE_RECT, 15, 60, -1, 20, 50, -1}},
        {{SHAPE_ELLIPSE, 10, 60, -1, 20, 50, -1}, {10, 20, 60, 50}, [](QWidget* field) {
             QTest::keyClick(field, Qt::Key_Tab);
             QTest::keyClick(field->window()->focusWidget(), Qt::Key_Tab);  // to x2, the third field
             QTest::keyClick(field->window()->focusWidget(), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(field->window()->focusWidget(), "-7");
             QTest::keyClick(field->window()->focusWidget(), Qt::Key_Return);
         }, {SHAPE_ELLIPSE, 10, -7, -1, 20, 50, -1}},
        {{SHAPE_TRIANGLE, 1, 2, 3, 4, 5, 6}, {1, 4, 2, 5, 3, 6}, type("99", Qt::Key_Escape),
         {SHAPE_TRIANGLE, 1, 2, 3, 4, 5, 6}},
        {{SHAPE_RECT, -100000, 60, -1, 20, 50, -1}, {-16384, 20, 60, 50}, type("", Qt::Key_Return),
         {SHAPE_RECT, -100000, 60, -1, 20, 50, -1}},
    };
    for (const Case& c : cases) {
        load(ObjectList{{c.figure}, 1});
        key(Qt::Key_Tab);
        std::vector<int> shown;
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            for (QSpinBox* field : dialog->findChildren<QSpinBox*>()) shown.push_back(field->value());
            auto* first = qobject_cast<QSpinBox*>(dialog->focusWidget());
            ASSERT_NE(first, nullptr);
            EXPECT_EQ(first->value(), c.shown[0]);
            EXPECT_EQ(first->findChild<QLineEdit*>()->selectedText(), first->text());
            c.typing(first);  // typed over the selected text
        });
        const int steps = w.history->count();
        key(Qt::Key_F4);
        EXPECT_EQ(title, "Posição e tamanho");
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(records_of(w.list), records_of(ObjectList{{c.after}, 1}));
        EXPECT_EQ(w.history->count(), steps + (c.after == c.figure ? 0 : 1));
    }
}

// Guards: a gesture or key that selects other figures than it says, leaves a selected figure out
// of a command (a Delete, a move, a reorder of only the focused one), shifts the order of the
// figures it keeps, or takes more undo steps than one.
TEST_F(EditCommandsTest, GesturesAndKeysOnASelectionOfSeveral)
{
    // A, B and C side by side near the bottom; their centres on the screen, y down.
    const ObjectList start = rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}});
    const QPoint a(20, 233), b(60, 233), c(100, 233);
    const auto shift_click = [&](QPoint p) { click(Qt::LeftButton, p.x(), p.y(), Qt::ShiftModifier); };
    const auto band = [&](int x1, int y1, int x2, int y2, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        press(Qt::LeftButton, x1, y1, mods);
        move((x1 + x2) / 2, (y1 + y2) / 2);
        move(x2, y2);
        release(Qt::LeftButton, x2, y2, mods);
    };
    const auto a_and_c = [&] { click(Qt::LeftButton, a.x(), a.y()); shift_click(c); };
    const auto all = [&] { key(Qt::Key_A, Qt::ControlModifier); };
    ObjectList tri{};  // its third point above the band; opening it is a step
    tri.records[tri.count++] = {SHAPE_TRIANGLE, 10, 40, 25, 10, 10, 100};
    const ObjectList dot = rects({{200, 100, 200, 100}});  // at (200, 153) on the screen
    struct Case {
        const char* name;
        std::function<void()> act;
        const char* selected;  // one character per figure, in drawing order
        ObjectList records;
        int steps;
    };
    const std::vector<Case> cases = {
        {"Shift+click adds", a_and_c, "101", start, 0},
        {"Shift+click takes out", [&] { a_and_c(); shift_click(a); }, "001", start, 0},
        {"a band takes what lies wholly inside", [&] { band(5, 200, 75, 250); }, "110", start, 0},
        {"a band that cuts a figure leaves it", [&] { band(5, 200, 25, 250); }, "000", start, 0},
        {"a band must hold a triangle's third point too", [&] { load(tri); band(5, 200, 45, 250); }, "0", tri, 1},
        {"a click on empty canvas is no band", [&] { all(); band(300, 100, 302, 102); }, "000", start, 0},
        {"a release 2 pixels from the press is a click", [&] { load(dot); band(199, 154, 201, 152); }, "0", dot, 1},
        {"a band whose edges meet a figure's takes it", [&] { band(10, 200, 30, 250); }, "100", start, 0},
        {"Shift+click takes the focused one out, and Tab goes on from one still selected",
         [&] { a_and_c(); shift_click(c); key(Qt::Key_Tab); }, "001", start, 0},
        {"Shift with a band adds", [&] { click(Qt::LeftButton, c.x(), c.y()); band(5, 200, 35, 250, Qt::ShiftModifier); },
         "101", start, 0},
        {"Ctrl+A", all, "111", start, 0},
        {"Esc drops it", [&] { all(); key(Qt::Key_Escape); }, "000", start, 0},
        {"Ctrl+Tab adds the next one down from the last one added",
         [&] { key(Qt::Key_Tab); key(Qt::Key_Tab, Qt::ControlModifier); key(Qt::Key_Tab, Qt::ControlModifier); }, "111",
         start, 0},
        {"a drag of one of them moves all", [&] { all(); drag(Qt::LeftButton, b.x(), b.y(), b.x() + 10, b.y() - 10); },
         "111", rects({{20, 20, 40, 40}, {60, 20, 80, 40}, {100, 20, 120, 40}}), 1},
        {"an arrow moves all", [&] { a_and_c(); key(Qt::Key_Right); key(Qt::Key_Right); }, "101",
         rects({{12, 10, 32, 30}, {50, 10, 70, 30}, {92, 10, 112, 30}}), 1},
        {"Ctrl+arrow stretches each", [&] { a_and_c(); key(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier); },
         "101", rects({{10, 10, 30, 40}, {50, 10, 70, 30}, {90, 10, 110, 40}}), 1},
        {"Delete removes all", [&] { a_and_c(); key(Qt::Key_Delete); }, "0", rects({{50, 10, 70, 30}}), 1},
        {"Cut removes all", [&] { a_and_c(); key(Qt::Key_X, Qt::ControlModifier); }, "0", rects({{50, 10, 70, 30}}), 1},
        {"Home keeps their order on top", [&] { a_and_c(); key(Qt::Key_Home); }, "011",
         rects({{50, 10, 70, 30}, {10, 10, 30, 30}, {90, 10, 110, 30}}), 1},
        {"End keeps their order at the bottom", [&] { click(Qt::LeftButton, b.x(), b.y()); shift_click(c); key(Qt::Key_End); },
         "110", rects({{50, 10, 70, 30}, {90, 10, 110, 30}, {10, 10, 30, 30}}), 1},
        {"Page Up passes each over the next one outside", [&] { click(Qt::LeftButton, a.x(), a.y()); shift_click(b); key(Qt::Key_PageUp); },
         "011", rects({{90, 10, 110, 30}, {10, 10, 30, 30}, {50, 10, 70, 30}}), 1},
        {"Page Down with the bottom ones changes nothing", [&] { click(Qt::LeftButton, a.x(), a.y()); shift_click(b); key(Qt::Key_PageDown); },
         "110", start, 0},
        {"a right drag stretches only its figure", [&] { all(); drag(Qt::RightButton, b.x(), b.y(), b.x() + 5, b.y()); },
         "010", rects({{10, 10, 30, 30}, {50, 10, 75, 30}, {90, 10, 110, 30}}), 1},
        {"Duplicate selects the copies", [&] { a_and_c(); key(Qt::Key_D, Qt::ControlModifier); }, "00011",
         rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}, {20, 0, 40, 20}, {100, 0, 120, 20}}), 1},
        {"Copy takes them in drawing order", [&] { shift_click(c); shift_click(a); key(Qt::Key_C, Qt::ControlModifier); key(Qt::Key_V, Qt::ControlModifier); },
         "00011", rects({{10, 10, 30, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}, {20, 0, 40, 20}, {100, 0, 120, 20}}), 1},
        {"Alinhar à direita moves A to C's right edge", [&] { a_and_c(); arrange_item("Alinhar à &direita")->trigger(); },
         "101", rects({{90, 10, 110, 30}, {50, 10, 70, 30}, {90, 10, 110, 30}}), 1},
        {"Distribuir with equal gaps already is no step",
         [&] { all(); arrange_item("Distribuir na &horizontal")->trigger(); }, "111", start, 0},
        {"Shift+H mirrors within the selection's box", [&] { a_and_c(); key(Qt::Key_H, Qt::ShiftModifier); }, "101",
         rects({{110, 10, 90, 30}, {50, 10, 70, 30}, {30, 10, 10, 30}}), 1},
        {"Ctrl+R turns clockwise as seen, about the box's centre", [&] { all(); key(Qt::Key_R, Qt::ControlModifier); },
         "111", rects({{50, 70, 70, 50}, {50, 30, 70, 10}, {50, -10, 70, -30}}), 1},
        {"and Undo brings the turned figures back", [&] { all(); key(Qt::Key_R, Qt::ControlModifier); key(Qt::Key_Z, Qt::ControlModifier); },
         "111", start, 0},
        {"Undo brings a selection of several back", [&] { a_and_c(); key(Qt::Key_Right); key(Qt::Key_Escape); key(Qt::Key_Z, Qt::ControlModifier); },
         "101", start, 0},
        {"and Redo the one at the Undo", [&] { a_and_c(); key(Qt::Key_Right); key(Qt::Key_Z, Qt::ControlModifier); key(Qt::Key_Escape); key(Qt::Key_Y, Qt::ControlModifier); },
         "101", rects({{11, 10, 31, 30}, {50, 10, 70, 30}, {91, 10, 111, 30}}), 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        load(start);
        choose(w.toggles[TOOL_SEL]);
        const int base = w.history->index();
        k.act();
        std::string selected;
        for (int i = 0; i < list_count(w.list); ++i) selected += is_selected(i) ? '1' : '0';
        EXPECT_EQ(selected, k.selected);
        EXPECT_EQ(records_of(w.list), records_of(k.records));
        EXPECT_EQ(w.history->index() - base, k.steps);
        // The selected figures and only they are red, where they are now.
        EXPECT_EQ(count_pixels(image(), COLOR_RED) + count_pixels(image(), COLOR_BLUE) > 0, selection_size() > 0);
        EXPECT_TRUE(without_highlight(image()) == redrawn_image());
    }
}

// Guards: one of the sixteen arrow keys moving or stretching by another step or the other way
// (Ctrl+Shift+Left stretching 1 pixel, say).
TEST_F(EditCommandsTest, EachOfTheSixteenArrowKeysMovesOrStretchesByItsStep)
{
    const ObjectList start = rects({{100, 100, 140, 130}});
    const struct { Qt::Key key; int dx, dy; } arrows[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, 1}, {Qt::Key_Down, 0, -1}};
    for (const auto& arrow : arrows)
        for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                                           Qt::KeyboardModifiers(Qt::ControlModifier),
                                           Qt::ControlModifier | Qt::ShiftModifier}) {
            const int step = mods & Qt::ShiftModifier ? 10 : 1;
            const int dx = arrow.dx * step, dy = arrow.dy * step;  // y upwards, as the record holds it
            const bool stretch = mods & Qt::ControlModifier;
            SCOPED_TRACE(QKeySequence(int(mods) | arrow.key).toString().toStdString());
            load(start);
            key(Qt::Key_Tab);
            key(arrow.key, mods);
            const ObjectList expected = rects({{stretch ? 100 : 100 + dx, stretch ? 100 : 100 + dy, 140 + dx, 130 + dy}});
            EXPECT_EQ(records_of(w.list), records_of(expected));
        }
}
