// The recovery copy's writer thread and its note. Guards against a burst of changes costing one
// write each (the latest state must win), a copy and note that disagree after a write cut short, and
// a failing disk reported on every change.
#include "tests/test_support.h"

#include "core/recovery_note.h"
#include "core/recovery_writer.h"
#include "core/shape_file.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>

namespace {

ObjectList rects(int n)
{
    ObjectList list{};
    list.count = n;
    for (int i = 0; i < n; ++i) list.records[i] = {SHAPE_RECT, i, i + 5, -1, i, i + 7, -1};
    return list;
}

bool plain_save(const std::string& path, const std::string& bytes, std::string& reason)
{
    std::error_code error;
    const std::string temporary = path + ".tmp";
    write_all(temporary, bytes);
    std::filesystem::rename(temporary, path, error);
    if (error) reason = error.message();
    return !error;
}

}  // namespace

TEST(RecoveryNote, NamesTheFileOfEitherStateAndNoOther)
{
    const ObjectList one = rects(1), two = rects(2), three = rects(3);
    const RecoveryNote note{{records_hash(two), "/b/new\nname.edt"}, {records_hash(one), " "}};
    const std::optional<RecoveryNote> read = decode_recovery_note(encode_recovery_note(note));
    ASSERT_TRUE(read);
    struct Case {
        const ObjectList* figures;
        std::optional<std::string> file_name;
    };
    for (const Case& c : {Case{&two, "/b/new\nname.edt"}, Case{&one, " "}, Case{&three, std::nullopt}})
        EXPECT_EQ(file_name_for(*read, *c.figures), c.file_name);
}

TEST(RecoveryNote, AnythingButAWholeNoteIsRefused)
{
    const std::string whole = encode_recovery_note({{1, "/a.edt"}, {2, " "}});
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(decode_recovery_note(whole.substr(0, cut))) << "cut at " << cut;
    EXPECT_FALSE(decode_recovery_note(whole + "x"));
    EXPECT_FALSE(decode_recovery_note(std::string(28, '\0')));
}

TEST(RecoveryWriter, ABurstIsWrittenOnceTheLatestStateWinning)
{
    TempDir dir;
    std::mutex mutex;
    std::condition_variable opened;
    bool gate_open = false;
    int saves = 0;
    auto gated_save = [&](const std::string& path, const std::string& bytes, std::string& reason) {
        std::unique_lock<std::mutex> lock(mutex);
        ++saves;
        opened.wait(lock, [&] { return gate_open; });
        return plain_save(path, bytes, reason);
    };
    RecoveryWriter writer(dir.file("c.edt"), dir.file("c.note"), gated_save);
    writer.keep(rects(1), " ");  // taken by the thread, held at the gate
    while (true) {
        std::lock_guard<std::mutex> lock(mutex);
        if (saves == 1) break;
    }
    for (int n = 2; n <= 50; ++n) writer.keep(rects(n), "/x.edt");
    {
        std::lock_guard<std::mutex> lock(mutex);
        gate_open = true;
    }
    opened.notify_all();
    ASSERT_TRUE(writer.wait_done(std::chrono::seconds(5)));
    EXPECT_EQ(saves, 2);
    ObjectList read{};
    EXPECT_EQ(list_read_file(dir.file("c.edt"), &read), 50);
    const auto note = decode_recovery_note(read_all(dir.file("c.note")));
    ASSERT_TRUE(note);
    EXPECT_EQ(file_name_for(*note, read), "/x.edt");
    // The note also still names what the copy held before, for a write cut short.
    EXPECT_EQ(file_name_for(*note, rects(1)), " ");

    writer.remove();
    ASSERT_TRUE(writer.wait_done(std::chrono::seconds(5)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("c.edt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("c.note")));
}

TEST(RecoveryWriter, AFailingFolderIsSaidOnceAndLaterChangesAreStillTried)
{
    TempDir dir;
    const std::string gone = dir.file("gone");
    testing::internal::CaptureStderr();
    {
        RecoveryWriter writer(gone + "/c.edt", gone + "/c.note", plain_save);
        for (int n = 1; n <= 3; ++n) {
            writer.keep(rects(n), " ");
            ASSERT_TRUE(writer.wait_done(std::chrono::seconds(5)));
        }
        std::filesystem::create_directory(gone);
        writer.keep(rects(4), " ");
        ASSERT_TRUE(writer.wait_done(std::chrono::seconds(5)));
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("quadrix: the recovery copy in " + gone + " could not be written"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    ObjectList read{};
    EXPECT_EQ(list_read_file(gone + "/c.edt", &read), 4);
}

// Guards: a note naming as what the copy held figures whose copy was never written.
TEST(RecoveryWriter, ANoteNamesOnlyFiguresTheCopyGot)
{
    TempDir dir;
    const std::string copy = dir.file("c.edt"), note = dir.file("c.note");
    std::filesystem::create_directory(copy);  // the copy's write fails, the note's does not
    testing::internal::CaptureStderr();
    RecoveryWriter writer(copy, note, plain_save);
    writer.keep(rects(1), " ");
    ASSERT_TRUE(writer.wait_done(std::chrono::seconds(5)));
    std::filesystem::remove(copy);
    writer.keep(rects(2), " ");
    ASSERT_TRUE(writer.wait_done(std::chrono::seconds(5)));
    testing::internal::GetCapturedStderr();
    const std::optional<RecoveryNote> said = decode_recovery_note(read_all(note));
    ASSERT_TRUE(said);
    EXPECT_EQ(said->current.hash, records_hash(rects(2)));
    EXPECT_EQ(said->previous.hash, records_hash(rects(2)));  // the copy held nothing before
}
