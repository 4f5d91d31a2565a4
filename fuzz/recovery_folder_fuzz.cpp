// Fuzz target for what a start reads from the recovery folder: the bytes become a folder of
// copies, notes, lock files and temporary files (names, contents, lengths and hashes of the
// fuzzer's choosing), and the start's reader looks for the newest copy it may offer. Besides
// crashes, sanitizer reports, leaks and hangs, a copy offered with figures other than its note
// names aborts. Start reading at LLVMFuzzerTestOneInput at the bottom.
#include "app/recovery_offer.h"
#include "fuzz/fuzz_support.h"
#include "core/recovery_note.h"
#include "core/shape_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct FuzzWorld {
    int argc = 1;
    char name[24] = "recovery_folder_fuzz";
    char* argv[2] = {name, nullptr};
    QCoreApplication* app = nullptr;
    QString folder;
};

FuzzWorld& world()
{
    static FuzzWorld w;
    return w;
}

void remove_folder() { QDir(world().folder).removeRecursively(); }

// Four stems of ended editors; the running one's own stem is never among them.
QString stem_of(uint8_t id) { return QString("%1/copy-%2-%3").arg(world().folder).arg(1000 + id % 4).arg(id % 4 * 7); }

void write_file(const QString& path, const std::string& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "a file of the folder can be written");
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A whole note whose current entry names the figures the stem's copy holds now, so inputs reach
// the offer itself and not only the checks before it.
std::string matching_note(const QString& stem, const std::string& name)
{
    ObjectList figures{};
    list_read_file(QFile::encodeName(copy_path(stem)).toStdString(), &figures);
    const RecoveryEntry entry{records_hash(figures), name};
    return encode_recovery_note({entry, entry});
}

// One file of the folder from the front of the input: a kind, a stem, a length, the bytes.
void add_file(const uint8_t*& data, size_t& size)
{
    const uint8_t kind = data[0] % 6, id = data[1];
    const size_t length = std::min<size_t>(data[2] | size_t{data[3]} << 8, size - 4);
    const std::string bytes(reinterpret_cast<const char*>(data + 4), length);
    data += 4 + length;
    size -= 4 + length;
    const QString stem = stem_of(id);
    switch (kind) {
    case 0: write_file(copy_path(stem), bytes); break;
    case 1: write_file(note_path(stem), bytes); break;
    case 2: write_file(note_path(stem), "quadrix recovery note 1\n" + bytes); break;
    case 3: write_file(note_path(stem), matching_note(stem, bytes)); break;
    case 4: write_file(lock_path(stem), bytes); break;
    case 5: write_file(QString("%1/.copy-%2.edt.%3").arg(world().folder).arg(id).arg(length), bytes); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzWorld& w = world();
    w.app = new QCoreApplication(w.argc, w.argv);
    const std::string scratch = make_scratch_file("recovery_folder_fuzz");
    std::remove(scratch.c_str());
    w.folder = QString::fromStdString(scratch);
    std::atexit(remove_folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    remove_folder();
    require(QDir().mkpath(world().folder), "the scratch folder can be made");
    while (size >= 4) add_file(data, size);
    const QString own = world().folder + "/copy-0-0";
    std::optional<LeftCopy> left = newest_left_copy(world().folder, own);
    if (!left) return 0;
    require(left->stem != own, "the running editor's own copy is never offered");
    require(QFile::exists(copy_path(left->stem)), "an offered copy is on disk");
    require(records_hash(left->drawing.list) == left->entry.hash, "an offered copy holds the figures its note names");
    return 0;
}
