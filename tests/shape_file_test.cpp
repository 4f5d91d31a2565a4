// Drawing files: the byte layout, what the reader accepts and refuses, and saving that never
// destroys the previous file.
#include "core/atomic_save.h"
#include "core/shape_file.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {


std::string record_bytes(ShapeRecord r)
{
    return le32(r.type) + le32(r.x1) + le32(r.x2) + le32(r.x3) + le32(r.y1) + le32(r.y2) + le32(r.y3);
}

std::string records_bytes(int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += record_bytes(ShapeRecord{i % 3, i, i + 1, -1, -i, 7, -1});
    return out;
}

// Stale slots and count filled with a pattern, so any write into the list shows.
ObjectList patterned()
{
    ObjectList list;
    std::memset(&list, 0x5A, sizeof list);
    list.count = 3;
    return list;
}

bool same_list(const ObjectList& a, const ObjectList& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The first n records of a and b, byte for byte.
bool same_records(const ObjectList& a, const ShapeRecord* b, int n)
{
    for (int i = 0; i < n; ++i) {
        const ShapeRecord r = list_get(&a, i);
        if (std::memcmp(&r, &b[i], sizeof r) != 0) return false;
    }
    return true;
}

ObjectList filled(int n)
{
    ObjectList list{};
    for (int i = 0; i < n; ++i) list_set(&list, i, SHAPE_RECT, i, 2 * i, -1, 3 * i, -i, -1);
    list.count = n;
    return list;
}

std::vector<std::string> entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs body in a forked child and returns its exit status (-1 when it died of a signal).
int in_child(const std::function<int()>& body)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// A saved drawing must come back identical: drag order, the -1 fillers, list order.
TEST(FileRoundTrip, AllThreeTypesComeBackIdentical)
{
    TempDir dir;
    ObjectList list{};
    list_set(&list, 0, SHAPE_RECT, 30, 10, -1, 40, 20, -1);
    list_set(&list, 1, SHAPE_ELLIPSE, 5, 1, -1, 6, 2, -1);
    list_set(&list, 2, SHAPE_TRIANGLE, 1, 3, 5, 2, 4, 6);
    list.count = 3;
    ASSERT_EQ(list_write_file(dir.file("a.edt"), &list), 3);
    ObjectList back = patterned();
    ASSERT_EQ(list_read_file(dir.file("a.edt"), &back), 3);
    const ShapeRecord saved[] = {list_get(&list, 0), list_get(&list, 1), list_get(&list, 2)};
    EXPECT_TRUE(same_records(back, saved, 3));
}

// The layout on disk is fixed: 28 bytes a record, little-endian, all x then all y, no header.
TEST(FileLayout, KnownDrawingHasExactBytes)
{
    TempDir dir;
    ObjectList list{};
    list_set(&list, 0, SHAPE_RECT, 1, 3, -1, 2, 4, -1);
    list_set(&list, 1, SHAPE_TRIANGLE, 0x01020304, -2, 5, 6, 7, INT_MIN);
    list.count = 2;
    ASSERT_EQ(list_write_file(dir.file("a.edt"), &list), 2);
    const std::string expected(
        "\x00\x00\x00\x00" "\x01\x00\x00\x00" "\x03\x00\x00\x00" "\xff\xff\xff\xff"
        "\x02\x00\x00\x00" "\x04\x00\x00\x00" "\xff\xff\xff\xff"
        "\x02\x00\x00\x00" "\x04\x03\x02\x01" "\xfe\xff\xff\xff" "\x05\x00\x00\x00"
        "\x06\x00\x00\x00" "\x07\x00\x00\x00" "\x00\x00\x00\x80", 56);
    EXPECT_EQ(read_all(dir.file("a.edt")), expected);
}

TEST(FileLayout, EmptyDrawingIsAnEmptyFile)
{
    TempDir dir;
    ObjectList list{};
    ASSERT_EQ(list_write_file(dir.file("a.edt"), &list), 0);
    EXPECT_EQ(fs::file_size(dir.file("a.edt")), 0u);
    ObjectList back = patterned();
    EXPECT_EQ(list_read_file(dir.file("a.edt"), &back), 0);
    EXPECT_EQ(list_count(&back), 0);
}

// Only whole records count, and never more than the list holds.
TEST(FileRead, PartialRecordsAreIgnored)
{
    TempDir dir;
    const std::string two = records_bytes(2);
    const std::pair<int, int> cases[] = {{1, 0}, {27, 0}, {28, 1}, {29, 1}, {30, 1}, {55, 1}};
    for (auto [size, figures] : cases) {
        write_all(dir.file("a.edt"), two.substr(0, static_cast<size_t>(size)));
        ObjectList list = patterned();
        EXPECT_EQ(list_read_file(dir.file("a.edt"), &list), figures) << size;
        EXPECT_EQ(list_count(&list), figures) << size;
    }
}

TEST(FileRead, AtMostTwoHundredRecords)
{
    TempDir dir;
    for (int records : {200, 201}) {
        write_all(dir.file("a.edt"), records_bytes(records));
        ObjectList list = patterned();
        ASSERT_EQ(list_read_file(dir.file("a.edt"), &list), LIST_CAPACITY) << records;
        std::string image;
        for (int i = 0; i < LIST_CAPACITY; ++i) image += record_bytes(list_get(&list, i));
        EXPECT_EQ(image, records_bytes(LIST_CAPACITY)) << records;
    }
}

TEST(FileRead, HugeSparseFileReadsOnlyItsStart)
{
    TempDir dir;
    write_all(dir.file("big.edt"), records_bytes(1));
    ASSERT_EQ(truncate(dir.file("big.edt").c_str(), 1L << 30), 0);
    ObjectList list = patterned();
    ASSERT_EQ(list_read_file(dir.file("big.edt"), &list), LIST_CAPACITY);
    EXPECT_EQ(record_bytes(list_get(&list, 0)), records_bytes(1));
    EXPECT_EQ(record_bytes(list_get(&list, 199)), std::string(28, '\0'));
}

// Values are not validated: whatever the file holds is loaded unchanged.
TEST(FileRead, NonsenseValuesAreLoadedUnchanged)
{
    TempDir dir;
    const ShapeRecord odd[] = {{-1, INT_MIN, INT_MAX, 0, -1, INT_MAX, INT_MIN},
                               {3, 1, 2, 3, 4, 5, 6},
                               {INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MIN}};
    write_all(dir.file("a.edt"), record_bytes(odd[0]) + record_bytes(odd[1]) + record_bytes(odd[2]));
    ObjectList list = patterned();
    ASSERT_EQ(list_read_file(dir.file("a.edt"), &list), 3);
    EXPECT_TRUE(same_records(list, odd, 3));
}

// Anything but a readable regular file fails without touching the drawing, and never blocks.
TEST(FileRefuse, NonRegularOrMissingFilesLeaveTheListAlone)
{
    TempDir dir;
    for (const std::string& name : {dir.path(), std::string("/dev/zero"), std::string("/dev/null"),
                                    dir.file("missing.edt"), std::string()}) {
        ObjectList list = patterned();
        const ObjectList before = list;
        EXPECT_EQ(list_read_file(name, &list), -1) << name;
        EXPECT_TRUE(same_list(list, before)) << name;
    }
}

TEST(FileRefuse, FifoWithoutWriterFailsPromptly)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
    const int status = in_child([&] {
        alarm(30);  // a hang ends the child by SIGALRM instead of stalling the suite
        ObjectList list = patterned();
        const ObjectList before = list;
        return list_read_file(dir.file("fifo"), &list) == -1 && same_list(list, before) ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST(FileRefuse, UnreadableFileLeavesTheListAlone)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    write_all(dir.file("secret.edt"), records_bytes(2));
    write_all(dir.file("open.edt"), records_bytes(2));
    ASSERT_EQ(chmod(dir.file("secret.edt").c_str(), 0), 0);
    ASSERT_EQ(chmod(dir.file("open.edt").c_str(), 0644), 0);
    const int status = in_child([&] {
        if (!drop_privileges()) return 2;
        ObjectList list = patterned();
        const ObjectList before = list;
        if (list_read_file(dir.file("secret.edt"), &list) != -1 || !same_list(list, before)) return 1;
        return list_read_file(dir.file("open.edt"), &list) == 2 ? 0 : 3;  // the child can read at all
    });
    EXPECT_EQ(status, 0);
}

// A save that fails half-way must leave the old file byte for byte and no temporary file behind.
// The size limit fails a write part-way, which a buffered QSaveFile commits as a truncated file.
TEST(FileAtomicSave, FileSizeLimitKeepsTheOldFile)
{
    TempDir dir;
    const std::string old(6000, 'O');
    write_all(dir.file("a.edt"), old);
    const ObjectList list = filled(LIST_CAPACITY);
    const int status = in_child([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        return list_write_file(dir.file("a.edt"), &list) == -1 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(read_all(dir.file("a.edt")) == old);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.edt"});
}

// With the folder read-only the save is refused, even though the file itself is writable:
// writing it in place would truncate the old drawing before the new one is safe.
TEST(FileAtomicSave, ReadOnlyFolderKeepsTheOldFile)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    const std::string folder = dir.file("ro");
    ASSERT_TRUE(fs::create_directory(folder));
    write_all(folder + "/a.edt", "old drawing");
    ASSERT_EQ(chmod((folder + "/a.edt").c_str(), 0666), 0);
    give_to_nobody(folder);
    give_to_nobody(folder + "/a.edt");
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    const ObjectList list = filled(5);
    const int status = in_child([&] {
        if (!drop_privileges()) return 2;
        return list_write_file(folder + "/a.edt", &list) == -1 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read_all(folder + "/a.edt"), "old drawing");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"a.edt"});
}

TEST(FileAtomicSave, VanishedFolderFails)
{
    TempDir dir;
    const ObjectList list = filled(2);
    EXPECT_EQ(list_write_file(dir.file("gone/a.edt"), &list), -1);
    EXPECT_TRUE(entries(dir.path()).empty());
}

// Saving through a link must update the file it points to, and the file keeps its permissions.
TEST(FileAtomicSave, SymbolicLinkStaysALink)
{
    TempDir dir;
    write_all(dir.file("real.edt"), "old drawing");
    fs::create_symlink("real.edt", dir.file("link.edt"));
    const ObjectList list = filled(3);
    ASSERT_EQ(list_write_file(dir.file("link.edt"), &list), 3);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.edt")));
    EXPECT_EQ(fs::read_symlink(dir.file("link.edt")), "real.edt");
    ObjectList back = patterned();
    ASSERT_EQ(list_read_file(dir.file("real.edt"), &back), 3);
    const ShapeRecord saved[] = {list_get(&list, 0), list_get(&list, 1), list_get(&list, 2)};
    EXPECT_TRUE(same_records(back, saved, 3));
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"link.edt", "real.edt"}));
}

TEST(FileAtomicSave, TargetPermissionsAreKept)
{
    TempDir dir;
    write_all(dir.file("a.edt"), "old drawing");
    ASSERT_EQ(chmod(dir.file("a.edt").c_str(), 0640), 0);
    const ObjectList list = filled(1);
    ASSERT_EQ(list_write_file(dir.file("a.edt"), &list), 1);
    struct stat st {};
    ASSERT_EQ(stat(dir.file("a.edt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(fs::file_size(dir.file("a.edt")), 28u);
}

// Guards: a new file readable by nobody but its owner (the temporary's own mode kept), a link
// replaced by a plain file, a dangling link or a chain of links not written through.
TEST(FileAtomicSave, NewFilesAndLinksAsAnyProgramWouldLeaveThem)
{
    TempDir dir;
    const mode_t mask = umask(022);
    std::string reason;
    ASSERT_TRUE(save_atomically(dir.file("new.svg"), "new", reason)) << reason;
    umask(mask);
    struct stat st {};
    ASSERT_EQ(stat(dir.file("new.svg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    fs::create_directory(dir.file("sub"));
    fs::create_symlink("sub/target.svg", dir.file("dangling.svg"));
    fs::create_symlink("dangling.svg", dir.file("chain.svg"));
    ASSERT_TRUE(save_atomically(dir.file("chain.svg"), "through", reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(dir.file("chain.svg")));
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.svg")));
    EXPECT_EQ(read_all(dir.file("sub/target.svg")), "through");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("sub")), fs::directory_iterator{}), 1);
}
