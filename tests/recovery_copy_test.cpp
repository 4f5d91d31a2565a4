// The recovery copy on the offscreen editor. Guards against a drawing lost to an editor that ended
// without Exit (the copy must exist whenever changes are in no file), against a stale copy offered
// after the drawing was saved (it must go when the file holds the figures), and against a damaged
// or foreign copy stopping the start or being taken from an editor that still runs.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "app/recovery_copy.h"
#include "app/unix_signals.h"
#include "canvas/door.h"
#include "canvas/canvas_context.h"
#include "canvas/interaction_state.h"
#include "core/recovery_note.h"
#include "core/shape_file.h"
#include "core/trace.h"

#include <QAction>
#include <QDir>
#include <QLockFile>
#include <QMainWindow>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <functional>
#include <vector>

namespace {

struct Copy {
    std::string edt;   // path of the drawing file, empty when there is none
    int figures = -1;  // read back with the drawing reader
    std::string file_name;  // from the note, for those figures
};

}  // namespace

class RecoveryCopyTest : public EditorTest {
protected:
    std::string folder() const { return state_home->path() + "/quadrix"; }
    std::string file(const std::string& name) const { return state_home->file(name); }

    void save_as(const std::string& name)
    {
        dialog_answers.push_back(name);
        w.item_save_as->trigger();
    }
    void open(const std::string& name)
    {
        dialog_answers.push_back(name);
        w.item_open->trigger();
    }

    // The copies on disk once the writer has caught up: what a later start would find.
    std::vector<Copy> copies()
    {
        EXPECT_TRUE(w.recovery->wait_written(std::chrono::seconds(5)));
        std::vector<Copy> found;
        for (const QString& name : QDir(QString::fromStdString(folder())).entryList({"copy-*.edt"}, QDir::Files)) {
            Copy c;
            c.edt = folder() + "/" + name.toStdString();
            ObjectList list{};
            c.figures = list_read_file(c.edt, &list);
            const std::string stem = c.edt.substr(0, c.edt.size() - 4);
            if (auto note = decode_recovery_note(read_all(stem + ".note")))
                c.file_name = file_name_for(*note, list).value_or("(no match)");
            found.push_back(c);
        }
        return found;
    }

    int figures() { return list_count(canvas_list(w.canvas)); }

    // A copy of n rectangles belonging to no file, as an ended editor leaves it.
    void write_left_copy(const std::string& stem, int n)
    {
        ObjectList list{};
        for (int i = 0; i < n; ++i) list_add_rect(&list, i, i, i + 10, i + 10);
        QDir().mkpath(QString::fromStdString(folder()));
        ASSERT_EQ(list_write_file(folder() + "/" + stem + ".edt", &list), n);
        const RecoveryEntry entry{records_hash(list), NO_FILE_NAME};
        write_all(folder() + "/" + stem + ".note", encode_recovery_note({entry, entry}));
        // Changed an hour ago: the file system's clock ticks too coarsely to order two writes
        // made in one test by their times alone.
        const auto edt = std::filesystem::path(folder() + "/" + stem + ".edt");
        std::filesystem::last_write_time(edt, std::filesystem::last_write_time(edt) - std::chrono::hours(1));
    }
};

// After each sequence of commands: how many figures the copy holds and which file they belong to,
// or no copy at all.
TEST_F(RecoveryCopyTest, TheCopyExistsExactlyWhileChangesAreInNoFile)
{
    struct Case {
        const char* what;
        std::function<void()> steps;
        int figures;            // -1: no copy
        const char* file_name;  // relative to the scratch folder, or " "
    };
    const std::string a = file("a.edt");
    const std::string b = file("b.edt");
    const std::vector<Case> cases = {
        {"the fresh start", [] {}, -1, ""},
        {"a rectangle drawn", [&] { draw_rect(10, 10, 60, 50); }, 1, " "},
        {"then Save As", [&] { save_as(a); }, -1, ""},
        {"a second rectangle", [&] { draw_rect(70, 10, 120, 50); }, 2, "a.edt"},
        {"undo back to the saved figures", [&] { w.item_undo->trigger(); }, -1, ""},
        {"redo", [&] { w.item_redo->trigger(); }, 2, "a.edt"},
        {"Save", [&] { w.item_save->trigger(); }, -1, ""},
        {"the figure deleted", [&] {
             choose(w.toggles[TOOL_DEL]);
             click(Qt::LeftButton, 70, 30);
         }, 1, "a.edt"},
        {"Save As another file", [&] { save_as(b); }, -1, ""},
        {"New", [&] { w.item_new->trigger(); }, -1, ""},
        {"undo of New: the figures of b", [&] { w.item_undo->trigger(); }, -1, ""},
        {"Open of a, which has two", [&] { open(a); }, -1, ""},
        {"a figure moved", [&] {
             choose(w.toggles[TOOL_SEL]);
             drag(Qt::LeftButton, 10, 30, 15, 130);
         }, 2, "a.edt"},
        {"undo of the Open: b's figures, unchanged", [&] {
             w.item_undo->trigger();
             w.item_undo->trigger();
         }, -1, ""},
        {"New, then a triangle", [&] {
             w.item_new->trigger();
             choose(w.toggles[TOOL_TRIANG]);
             click(Qt::LeftButton, 10, 10);
             click(Qt::LeftButton, 60, 10);
             click(Qt::LeftButton, 30, 60);
         }, 1, " "},
        {"saved as b, then a nudge of the arrow keys", [&] {
             save_as(b);
             QTest::keyClick(w.dialog, Qt::Key_Tab);
             QTest::keyClick(w.dialog, Qt::Key_Right);
         }, 1, "b.edt"},
        {"its undo", [&] { w.item_undo->trigger(); }, -1, ""},
        {"a Save As that fails names its file all the same", [&] { save_as(file("missing/c.edt")); }, 1,
         "missing/c.edt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.steps();
        const std::vector<Copy> found = copies();
        if (c.figures < 0) {
            EXPECT_TRUE(found.empty());
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].figures, c.figures);
        const std::string expected = std::string(c.file_name) == " " ? " " : file(c.file_name);
        EXPECT_EQ(found[0].file_name, expected);
    }
    EXPECT_TRUE(questions.empty());
    // A rewrite replaces the copy whole, so a kill in the middle leaves the previous one: a reader
    // that opened the old copy still reads all of it, never a copy cut or grown under it.
    std::ifstream old(copies().at(0).edt, std::ios::binary);
    draw_rect(130, 10, 180, 50);
    ASSERT_EQ(copies().at(0).figures, 2);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}).size(), 28u);
}

TEST_F(RecoveryCopyTest, SimBringsBackFiguresAndFileAsOneUndoableStep)
{
    const std::string a = file("a.edt");
    draw_rect(10, 10, 60, 50);
    save_as(a);
    draw_rect(70, 10, 120, 50);
    draw_rect(130, 10, 180, 50);
    w.item_undo->trigger();
    const ObjectList before = *canvas_list(w.canvas);
    ASSERT_EQ(copies().size(), 1u);

    question_answers = {true};
    TraceCapture trace;
    restart();
    dialogs_asked.clear();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Figuras: 2"), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find("Arquivo: " + a), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find("Ultima alteracao: "), std::string::npos) << questions[0];
    EXPECT_NE(trace.take().find("\nRecover."), std::string::npos);
    ASSERT_EQ(figures(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(std::memcmp(&canvas_list(w.canvas)->records[i], &before.records[i], 28), 0);
    EXPECT_EQ(current_file_name(), a);
    // Save writes to the recovered file without asking, and the copy goes.
    w.item_save->trigger();
    EXPECT_TRUE(dialogs_asked.empty());
    EXPECT_EQ(read_all(a).size(), 2u * 28);
    EXPECT_TRUE(copies().empty());

    // The recovery itself is one step: undo gives the empty start back.
    w.item_undo->trigger();
    EXPECT_EQ(figures(), 0);
    EXPECT_EQ(current_file_name(), NO_FILE_NAME);
}

TEST_F(RecoveryCopyTest, TheRecoveredCopyIsTheEditorsOwnAndNaoRemovesIt)
{
    draw_rect(10, 10, 60, 50);
    question_answers = {true};
    restart();
    ASSERT_EQ(figures(), 1);
    ASSERT_EQ(copies().size(), 1u);
    // Held by this editor: another one started now is not offered it.
    const QString lock = QString::fromStdString(copies()[0].edt).replace(".edt", ".lock");
    EXPECT_FALSE(QLockFile(lock).tryLock(0)) << lock.toStdString();
    draw_rect(70, 10, 120, 50);
    const std::vector<Copy> own = copies();
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].figures, 2);

    // A second crash loses nothing either; this time the answer is Nao.
    restart();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[1].find("Figuras: 2"), std::string::npos);
    EXPECT_NE(questions[1].find("Arquivo: nenhum"), std::string::npos) << questions[1];
    EXPECT_EQ(figures(), 0);
    EXPECT_TRUE(copies().empty());
    restart();
    EXPECT_EQ(questions.size(), 2u);
}

TEST_F(RecoveryCopyTest, OnlyTheNewestLeftCopyIsOfferedTheOthersWait)
{
    // An older copy of three figures, left by an editor that ended before; this one draws two
    // figures and ends too.
    write_left_copy("copy-1-1", 3);
    draw_rect(10, 10, 60, 50);
    draw_rect(70, 10, 120, 50);
    ASSERT_EQ(copies().size(), 2u);
    question_answers = {false, false};
    restart();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Figuras: 2"), std::string::npos) << questions[0];
    restart();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[1].find("Figuras: 3"), std::string::npos) << questions[1];
    restart();
    EXPECT_EQ(questions.size(), 2u);
}

TEST_F(RecoveryCopyTest, ACopyWhoseEditorStillRunsIsNeverOfferedNorTouched)
{
    const std::string stem = folder() + "/copy-1-1";
    write_left_copy("copy-1-1", 1);
    QLockFile held(QString::fromStdString(stem + ".lock"));
    ASSERT_TRUE(held.tryLock(0));
    restart();
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(read_all(stem + ".edt").size(), 28u);
    held.unlock();
    restart();
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(RecoveryCopyTest, DamagedCopiesAreMovedAsideWithALineAndNeverOffered)
{
    struct Case {
        const char* what;
        std::string edt;
        std::string note;  // "-" for none
    };
    ObjectList one{};
    one.count = 1;
    one.records[0] = {0, 1, 2, -1, 3, 4, -1};
    const std::string good_note = encode_recovery_note({{records_hash(one), " "}, {records_hash(one), " "}});
    const std::string one_record = std::string("\0\0\0\0\1\0\0\0\2\0\0\0\xff\xff\xff\xff\3\0\0\0\4\0\0\0\xff\xff\xff\xff", 28);
    // The good note with its first entry's length field replaced.
    const auto length_field = [&](const std::string& field) {
        const auto space = good_note.find(' ', good_note.find('\n'));
        return good_note.substr(0, space + 1) + field + good_note.substr(good_note.find('\n', space));
    };
    const std::vector<Case> cases = {
        {"truncated", one_record.substr(0, 20) , good_note},
        {"figures the note does not name", one_record + one_record, good_note},
        {"no note", one_record, "-"},
        {"a note that is no note", one_record, "hello\n"},
        {"the largest length", one_record, length_field("18446744073709551615")},
        {"one past the largest length", one_record, length_field("18446744073709551616")},
        {"a length past the end of the note", one_record, length_field("500")},
        {"a signed length", one_record, length_field("-1")},
        {"a note cut short", one_record, good_note.substr(0, good_note.size() - 3)},
        {"bytes of no meaning", one_record, std::string("quadrix recovery note 1\n\0\xfe\n\x80 7\n", 31)},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string id = "9-" + std::to_string(++n);
        write_all(folder() + "/copy-" + id + ".edt", c.edt);
        if (c.note != "-") write_all(folder() + "/copy-" + id + ".note", c.note);
        testing::internal::CaptureStderr();
        restart();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(questions.empty());
        EXPECT_NE(said.find("recovery copy " + folder() + "/copy-" + id + ".edt cannot be read"), std::string::npos) << said;
        EXPECT_NE(said.find("moved aside as " + folder() + "/damaged-" + id + ".edt"), std::string::npos) << said;
        EXPECT_EQ(read_all(folder() + "/damaged-" + id + ".edt"), c.edt);
        EXPECT_FALSE(std::filesystem::exists(folder() + "/copy-" + id + ".edt"));
    }
    // A good copy beside the damaged ones is still offered; the temporary of a write its editor
    // never finished goes, and so does a note whose copy was never written.
    write_all(folder() + "/copy-9-9.edt", one_record);
    write_all(folder() + "/copy-9-9.note", good_note);
    const std::string unfinished = folder() + "/.copy-9-9.edt.1f2e3d4c5b6a7988";
    write_all(unfinished, one_record.substr(0, 10));
    const std::string lone_note = folder() + "/copy-9-8.note";
    write_all(lone_note, good_note);
    restart();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(unfinished));
    EXPECT_FALSE(std::filesystem::exists(lone_note));
}

// A folder that cannot be made, or no folder at all: the editor draws as before, says so once on
// standard error and never shows a box about it.
TEST_F(RecoveryCopyTest, WithoutAFolderTheEditorWorksAsBeforeAndSaysSoOnce)
{
    struct Case {
        const char* what;
        std::function<void()> environment;
        const char* said;
    };
    const std::string blocker = file("a-file");
    write_all(blocker, "x");
    const std::string home = getenv("HOME");
    const std::vector<Case> cases = {
        {"a folder that cannot be created", [&] { setenv("XDG_STATE_HOME", (blocker + "/state").c_str(), 1); },
         "cannot be created; no recovery copy is kept"},
        {"neither variable", [&] {
             unsetenv("XDG_STATE_HOME");
             unsetenv("HOME");
         }, "neither XDG_STATE_HOME nor HOME is set; no recovery copy is kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.environment();
        testing::internal::CaptureStderr();
        restart();
        draw_rect(10, 10, 60, 50);
        draw_rect(70, 10, 120, 50);
        w.item_undo->trigger();
        const std::string said = testing::internal::GetCapturedStderr();
        setenv("HOME", home.c_str(), 1);
        EXPECT_EQ(figures(), 1);
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(questions.empty());
        const auto first = said.find(c.said);
        EXPECT_NE(first, std::string::npos) << said;
        EXPECT_EQ(said.find("quadrix:", said.find("quadrix:") + 1), std::string::npos) << "said more than once: " << said;
    }
}

// Guards: a signal dropped from those that save the last change first (its default action also
// ends the editor with the same status, so no window test can tell), and one the user's shell set
// to be ignored (nohup) handled anyway, ending an editor that was meant to outlive its terminal.
TEST(UnixSignals, EachReachesTheEventLoopUnlessIgnoredAtStart)
{
    for (const bool ignored : {false, true}) {
        for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
            SCOPED_TRACE(std::to_string(number) + (ignored ? " ignored" : ""));
            std::signal(number, ignored ? SIG_IGN : SIG_DFL);
            QObject owner;
            int got = 0;
            ASSERT_TRUE(watch_unix_signals(&owner, [&got](int n) { got = n; }));
            std::raise(number);
            for (int i = 0; i < 50 && !got; ++i) QTest::qWait(10);
            EXPECT_EQ(got, ignored ? 0 : number);
            std::signal(number, SIG_DFL);
        }
    }
}

// Guards: a file command that tells the watchers twice ("changed", then "stored"), which hands the
// writer a copy of a drawing with no change in it, to be deleted a moment later: a kill between
// the two leaves a copy the next start offers back for nothing.
TEST_F(RecoveryCopyTest, OpenAndSaveTellTheWatchersOnceThatTheDrawingIsStored)
{
    ObjectList two{};
    list_add_rect(&two, 1, 1, 9, 9);
    list_add_rect(&two, 2, 2, 8, 8);
    ASSERT_EQ(list_write_file(file("b.edt"), &two), 2);
    std::vector<bool> told;  // what the watchers are told, in order
    const int watching = watch_drawing([&told](const ObjectList&, const std::string&, bool stored) { told.push_back(stored); });
    draw_rect(10, 10, 60, 50);
    const std::vector<std::pair<std::function<void()>, std::vector<bool>>> cases = {
        {[&] { save_as(file("a.edt")); }, {true}},
        {[&] { draw_rect(70, 10, 120, 50); told.clear(); w.item_save->trigger(); }, {true}},
        {[&] { open(file("b.edt")); }, {true}},
        {[&] { open(file("b.edt")); }, {}},  // the file the drawing already shows: nothing changed
        {[&] { save_as(file("a.edt")); }, {true}},
        // The file rewritten behind the editor with what it shows: only the stored state changes.
        {[&] { draw_rect(130, 10, 150, 50); list_write_file(file("a.edt"), w.list); told.clear(); open(file("a.edt")); },
         {true}},
    };
    for (const auto& [command, expected] : cases) {
        told.clear();
        command();
        EXPECT_EQ(told, expected);
        EXPECT_TRUE(copies().empty());
    }
    stop_watching(watching);
}
