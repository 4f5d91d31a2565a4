// The menu commands on the offscreen window: which commands ask for a file name and which reuse
// the current one, what a failed read or write leaves behind, the trace and the message texts,
// and an Exit after which nothing can reach the freed list or context.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "app/file_commands.h"
#include "canvas/canvas_context.h"
#include "canvas/selection.h"
#include "canvas/door.h"
#include "canvas/interaction_state.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace {

using Fields = std::array<int32_t, 7>;

std::vector<Fields> records_of(const ObjectList* list)
{
    std::vector<Fields> out;
    for (int i = 0; i < list_count(list); ++i) {
        ShapeRecord r = list_get(list, i);
        out.push_back({r.type, r.x1, r.x2, r.x3, r.y1, r.y2, r.y3});
    }
    return out;
}

std::string file_bytes(const std::vector<Fields>& records)
{
    std::string out;
    for (const Fields& r : records)
        for (int32_t v : r) out += le32(v);
    return out;
}

}  // namespace

class FileCommandsTest : public EditorTest {
protected:
    size_t asked() const { return dialogs_asked.size(); }
    // Clears every attribute still holding the list or the context that Exit freed.
    void forget_freed_pointers()
    {
        for (QObject* element : w.dialog->findChildren<QObject*>())
            for (const char* name : {"objetos", "CanvasContext"})
                if (element->property(name).value<void*>() != w.canvas)  // the canvas is not freed
                    element->setProperty(name, QVariant());
    }
    int dy(int y) const { return canvas_height() - 1 - y; }  // toolkit row to drawing y

    TempDir dir;
};

// Guards: Save asking every time, or a second Save writing somewhere other than the first.
TEST_F(FileCommandsTest, SaveAsksOnceThenWritesToTheSameFile)
{
    draw_rect(50, 40, 150, 100);
    dialog_answers.push_back(dir.file("a.edt"));
    TraceCapture trace;
    w.item_save->trigger();
    ASSERT_EQ(asked(), 1u);
    EXPECT_EQ(dialogs_asked[0].kind, FileDialogKind::Save);
    EXPECT_EQ(trace.take(), "\nSave.");
    EXPECT_EQ(read_all(dir.file("a.edt")), file_bytes(records_of(w.list)));
    EXPECT_EQ(read_all(dir.file("a.edt")).size(), 28u);

    draw_rect(200, 30, 250, 90);
    trace.take();
    w.item_save->trigger();
    EXPECT_EQ(asked(), 1u);
    EXPECT_EQ(trace.take(), "\nSave.");
    EXPECT_EQ(read_all(dir.file("a.edt")), file_bytes(records_of(w.list)));
    EXPECT_EQ(read_all(dir.file("a.edt")).size(), 56u);
    EXPECT_TRUE(messages.empty());
}

// Guards: a dialog asked with another title, filter or description than the editor's own.
TEST_F(FileCommandsTest, EveryFileDialogCarriesTheEditorsTitleAndFilter)
{
    w.item_open->trigger();
    w.item_save->trigger();
    w.item_save_as->trigger();
    ASSERT_EQ(asked(), 3u);
    const FileDialogKind kinds[] = {FileDialogKind::Open, FileDialogKind::Save, FileDialogKind::Save};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(dialogs_asked[i].kind, kinds[i]);
        EXPECT_EQ(dialogs_asked[i].title, "Selecione o arquivo ");
        EXPECT_EQ(dialogs_asked[i].filter, "*.edt");
        EXPECT_EQ(dialogs_asked[i].filter_info, "Aquivos do Editor ");
    }
}

// Guards: Open not taking the name, so a later Save asks or writes elsewhere.
TEST_F(FileCommandsTest, SaveAfterOpenWritesBackToTheOpenedFile)
{
    write_all(dir.file("old.edt"), file_bytes({{1, 10, 60, -1, 20, 80, -1}}));
    dialog_answers.push_back(dir.file("old.edt"));
    w.item_open->trigger();
    ASSERT_EQ(list_count(w.list), 1);
    draw_rect(300, 30, 350, 90);
    w.item_save->trigger();
    EXPECT_EQ(asked(), 1u);  // only the Open asked
    EXPECT_EQ(read_all(dir.file("old.edt")), file_bytes(records_of(w.list)));
    EXPECT_EQ(list_count(w.list), 2);
}

// Guards: New keeping the old name, so the next Save overwrites the previous drawing's file.
TEST_F(FileCommandsTest, AfterNewSaveAsksAgain)
{
    draw_rect(50, 40, 150, 100);
    dialog_answers.push_back(dir.file("a.edt"));
    w.item_save->trigger();
    const std::string first = read_all(dir.file("a.edt"));
    w.item_new->trigger();
    EXPECT_EQ(current_file_name(), NO_FILE_NAME);
    draw_rect(10, 10, 20, 20);
    dialog_answers.push_back(dir.file("b.edt"));
    w.item_save->trigger();
    ASSERT_EQ(asked(), 2u);
    EXPECT_EQ(dialogs_asked[1].kind, FileDialogKind::Save);
    EXPECT_EQ(read_all(dir.file("a.edt")), first);
    EXPECT_EQ(read_all(dir.file("b.edt")), file_bytes({{0, 10, 20, -1, dy(10), dy(20), -1}}));
}

// Guards: a cancelled Save As forgetting or replacing the current name.
TEST_F(FileCommandsTest, CancellingSaveAsKeepsThePreviousName)
{
    draw_rect(50, 40, 150, 100);
    dialog_answers.push_back(dir.file("a.edt"));
    w.item_save->trigger();
    w.item_save_as->trigger();  // no answer queued: the user cancels
    EXPECT_EQ(current_file_name(), dir.file("a.edt"));
    draw_rect(200, 30, 250, 90);
    w.item_save->trigger();
    EXPECT_EQ(asked(), 2u);
    EXPECT_EQ(read_all(dir.file("a.edt")), file_bytes(records_of(w.list)));
}

// Guards: Save As reusing the current name instead of asking, or not taking the new one.
TEST_F(FileCommandsTest, SaveAsAlwaysAsksAndTakesTheNewName)
{
    draw_rect(50, 40, 150, 100);
    dialog_answers.push_back(dir.file("a.edt"));
    w.item_save->trigger();
    dialog_answers.push_back(dir.file("b.edt"));
    TraceCapture trace;
    w.item_save_as->trigger();
    EXPECT_EQ(asked(), 2u);
    EXPECT_EQ(trace.take(), "\nSave.");
    EXPECT_EQ(current_file_name(), dir.file("b.edt"));
    EXPECT_EQ(read_all(dir.file("b.edt")), read_all(dir.file("a.edt")));
}

// Guards: a cancelled dialog still reading, writing, tracing, clearing or showing a message.
TEST_F(FileCommandsTest, CancellingAnyDialogShowsNothingAndChangesNothing)
{
    draw_rect(50, 40, 150, 100);
    const std::vector<Fields> before = records_of(w.list);
    const QImage screen = image().copy();
    TraceCapture trace;
    for (QAction* item : {w.item_open, w.item_save, w.item_save_as}) item->trigger();
    EXPECT_EQ(asked(), 3u);
    EXPECT_EQ(trace.take(), "");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(current_file_name(), NO_FILE_NAME);
    EXPECT_EQ(records_of(w.list), before);
    EXPECT_TRUE(image() == screen);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Guards: a failed Open clearing or half-replacing the drawing, or taking the name it could not
// read, so that the next Save would overwrite that file instead of the drawing's own.
TEST_F(FileCommandsTest, FailedOpenKeepsTheDrawingAndTheEarlierName)
{
    draw_rect(50, 40, 150, 100);
    draw_rect(200, 30, 250, 90);
    dialog_answers.push_back(dir.file("mine.edt"));
    w.item_save->trigger();
    std::filesystem::create_directory(dir.file("folder.edt"));
    const std::vector<Fields> before = records_of(w.list);
    const QImage screen = image().copy();
    for (const char* bad : {"missing.edt", "folder.edt"}) {
        messages.clear();
        dialog_answers.push_back(dir.file(bad));
        TraceCapture trace;
        w.item_open->trigger();
        EXPECT_EQ(messages, std::vector<std::string>{"Nao foi possivel ler do arquivo de objetos!"}) << bad;
        EXPECT_EQ(message_titles.back(), "Quadrix");
        EXPECT_EQ(trace.take(), "") << bad;
        EXPECT_EQ(records_of(w.list), before) << bad;
        EXPECT_TRUE(image() == screen) << bad;
        EXPECT_EQ(current_file_name(), dir.file("mine.edt")) << bad;
    }
    draw_rect(300, 100, 320, 120);
    w.item_save->trigger();
    EXPECT_EQ(asked(), 3u);  // the Save prompt and the two Opens
    EXPECT_EQ(read_all(dir.file("mine.edt")), file_bytes(records_of(w.list)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.edt")));
}

// Guards: a failed write going unreported, touching the drawing, or dropping the name asked, so
// that the next Save asks again instead of retrying.
TEST_F(FileCommandsTest, FailedSaveShowsTheWriteMessageAndKeepsTheNameAsked)
{
    draw_rect(50, 40, 150, 100);
    const std::vector<Fields> before = records_of(w.list);
    const QImage screen = image().copy();
    const std::string target = dir.file("later/drawing.edt");  // the folder does not exist yet
    dialog_answers.push_back(target);
    TraceCapture trace;
    w.item_save->trigger();
    EXPECT_EQ(messages, std::vector<std::string>{"Nao foi possivel escrever no arquivo de objetos!"});
    EXPECT_EQ(message_titles.back(), "Quadrix");
    EXPECT_EQ(trace.take(), "");
    EXPECT_EQ(records_of(w.list), before);
    EXPECT_TRUE(image() == screen);
    EXPECT_EQ(current_file_name(), target);

    w.item_save->trigger();  // retries the same name without asking
    EXPECT_EQ(asked(), 1u);
    EXPECT_EQ(messages.size(), 2u);
    std::filesystem::create_directory(dir.file("later"));
    w.item_save->trigger();
    EXPECT_EQ(asked(), 1u);
    EXPECT_EQ(trace.take(), "\nSave.");
    EXPECT_EQ(read_all(target), file_bytes(before));
}

// Guards: Save As reporting success for a write that failed.
TEST_F(FileCommandsTest, FailedSaveAsShowsTheWriteMessage)
{
    draw_rect(50, 40, 150, 100);
    dialog_answers.push_back(dir.file("none/x.edt"));
    TraceCapture trace;
    w.item_save_as->trigger();
    EXPECT_EQ(messages, std::vector<std::string>{"Nao foi possivel escrever no arquivo de objetos!"});
    EXPECT_EQ(trace.take(), "");
    EXPECT_EQ(current_file_name(), dir.file("none/x.edt"));
}

// Guards: Open appending to the old drawing, not redrawing, or leaving old figures on screen.
TEST_F(FileCommandsTest, OpenReplacesTheDrawingAndDrawsTheFiguresRead)
{
    const std::vector<Fields> saved = {{2, 20, 200, 110, 53, 53, 223}, {1, 300, 400, -1, 30, 90, -1}};
    write_all(dir.file("two.edt"), file_bytes(saved));
    draw_rect(50, 40, 150, 100);
    draw_rect(200, 30, 250, 90);
    draw_rect(10, 10, 480, 240);
    dialog_answers.push_back(dir.file("two.edt"));
    TraceCapture trace;
    w.item_open->trigger();
    EXPECT_EQ(trace.take(), "\nOpen.");
    EXPECT_EQ(asked(), 1u);
    EXPECT_EQ(dialogs_asked[0].kind, FileDialogKind::Open);
    EXPECT_EQ(records_of(w.list), saved);
    EXPECT_EQ(current_file_name(), dir.file("two.edt"));
    EXPECT_TRUE(messages.empty());
    EXPECT_GT(count_pixels(image(), 0x000000), 200);
    EXPECT_TRUE(image() == redrawn_image());
    EXPECT_EQ(count_non_white(image()), count_pixels(image(), 0x000000));
}

// Guards: Open of an empty file failing, or leaving the old figures drawn.
TEST_F(FileCommandsTest, OpenOfAnEmptyFileGivesAnEmptyDrawing)
{
    write_all(dir.file("empty.edt"), "");
    draw_rect(50, 40, 150, 100);
    dialog_answers.push_back(dir.file("empty.edt"));
    w.item_open->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(list_count(w.list), 0);
    EXPECT_EQ(count_non_white(image()), 0);
}

// Guards: New leaving figures in the list or on the canvas, a stale selection, or resetting the
// tool (the next drag must still draw a rectangle).
TEST_F(FileCommandsTest, NewClearsCanvasAndListAndKeepsTheTool)
{
    draw_rect(50, 40, 150, 100);
    draw_rect(200, 30, 250, 90);
    mark_shape(w.list, 1, w.canvas);
    TraceCapture trace;
    w.item_new->trigger();
    EXPECT_EQ(trace.take(), "");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(asked(), 0u);
    EXPECT_EQ(list_count(w.list), 0);
    EXPECT_EQ(count_non_white(image()), 0);
    EXPECT_EQ(focused_figure(), -1);
    EXPECT_EQ(focused_figure(), -1);
    EXPECT_TRUE(w.toggles[TOOL_RECT]->isChecked());
    drag(Qt::LeftButton, 60, 60, 90, 90);
    ASSERT_EQ(list_count(w.list), 1);
    EXPECT_EQ(list_get(w.list, 0).type, SHAPE_RECT);
    EXPECT_TRUE(image() == redrawn_image());
}

// Guards: altered message texts or titles, and Info or Help tracing or touching the drawing.
TEST_F(FileCommandsTest, InfoAndHelpShowTheirTexts)
{
    TraceCapture trace;
    w.item_info->trigger();
    w.item_help->trigger();
    EXPECT_EQ(trace.take(), "");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(message_titles, std::vector<std::string>(2, "Quadrix"));
    const std::string info = messages[0];
    EXPECT_EQ(info.rfind("Trabalho 3: Editor\n Aluno: ", 0), 0u) << info;
    const size_t enrolment = info.find("\n Matrícula: ");
    ASSERT_NE(enrolment, std::string::npos) << info;
    EXPECT_GT(enrolment, std::string("Trabalho 3: Editor\n Aluno: ").size());  // a name is given
    const std::string tail = "\n Versão: V1.00";
    ASSERT_GE(info.size(), tail.size());
    EXPECT_EQ(info.substr(info.size() - tail.size()), tail);
    EXPECT_EQ(std::count(info.begin(), info.end(), '\n'), 3);
    EXPECT_EQ(messages[1], "Leia o arquivo readme.txt!!");
}

// Guards: Exit not ending the event loop, not saying goodbye, or leaving the freed list or
// context reachable from an element, so that a late event (a click, a repaint, a command) would
// use freed memory.
TEST_F(FileCommandsTest, ExitSaysGoodbyeFreesEverythingAndLeavesNothingToCrash)
{
    draw_rect(50, 40, 150, 100);
    TraceCapture trace;
    QTimer watchdog;  // ends a loop that Exit failed to end, so the test fails instead of hanging
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    QTimer::singleShot(0, w.item_exit, &QAction::trigger);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    watchdog.stop();
    EXPECT_EQ(trace.take(), "\nExit");
    EXPECT_EQ(messages, std::vector<std::string>{"Tchau!!\nAté Logo!!"});
    EXPECT_EQ(message_titles, std::vector<std::string>{"Quadrix"});
    EXPECT_EQ(canvas_list(w.canvas), nullptr);
    EXPECT_EQ(canvas_context(w.canvas), nullptr);
    for (QAction* item : {w.item_new, w.item_open, w.item_save, w.item_save_as, w.item_exit})
        EXPECT_EQ(item->property("objetos").value<void*>(), nullptr) << item->text().toStdString();
    if (HasFailure()) {
        forget_freed_pointers();  // a report rather than a crash in the late events or TearDown
        return;
    }

    // Late events: none may draw, store, ask or show anything.
    messages.clear();
    drag(Qt::LeftButton, 60, 60, 90, 90);
    choose(w.toggles[TOOL_TRIANG]);
    for (int i = 0; i < 3; ++i) click(Qt::LeftButton, 20 + 40 * i, 30 + 20 * i);
    w.canvas->repaint();
    w.dialog->resize(w.dialog->width() + 40, w.dialog->height() + 20);
    settle();
    dialog_answers.push_back(dir.file("late.edt"));
    for (QAction* item : {w.item_new, w.item_save, w.item_save_as, w.item_open}) item->trigger();
    EXPECT_EQ(asked(), 0u);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(trace.take().find("Insert"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("late.edt")));
    // The fixture's TearDown finds no list and no context on the canvas and frees nothing twice.
}

// Guards: a command crashing on an element without its list or canvas attributes.
TEST_F(FileCommandsTest, CommandsWithoutListOrCanvasDoNothing)
{
    QObject bare;
    dialog_answers.push_back(dir.file("x.edt"));
    for (auto command : {AtoNovo, open_act, save_act, AtoSalvarComo})
        EXPECT_EQ(command(&bare), IUP_DEFAULT);
    EXPECT_EQ(asked(), 0u);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(exit_act(&bare), IUP_CLOSE);
    EXPECT_EQ(messages, std::vector<std::string>{"Tchau!!\nAté Logo!!"});
    EXPECT_EQ(canvas_list(w.canvas), w.list);  // another element's Exit frees nothing of this one
}

// Guards: Exit from an item that names no canvas leaving the freed list on the other elements.
TEST_F(EditorTest, ExitFromAnItemWithoutCanvasStillClearsTheListEverywhere)
{
    auto* orphan = new QObject(w.dialog);
    set_pointer_attribute(orphan, "objetos", w.list);
    EXPECT_EQ(exit_act(orphan), IUP_CLOSE);
    EXPECT_EQ(canvas_list(w.canvas), nullptr);
    EXPECT_EQ(w.item_save->property("objetos").value<void*>(), nullptr);
    canvas_context_free(w.canvas);
}
