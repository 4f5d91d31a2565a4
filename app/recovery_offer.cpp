// Finding the copies of ended editors (their lock can be taken), reading each with its note, and
// the question. Start with offer_left_copy at the bottom.
#include "app/recovery_offer.h"

#include "app/messages.h"
#include "canvas/canvas_context.h"
#include "canvas/door.h"
#include "canvas/interaction_state.h"
#include "canvas/shape_drawing.h"
#include "core/shape_file.h"
#include "core/trace.h"
#include "toolkit/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cstdio>

namespace {

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<std::string> read_small_file(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(64 * 1024);
    return bytes.toStdString();
}

// Renames the copy and its note to damaged-..., so no later start looks at them again.
void move_aside(const QString& stem, const char* why)
{
    const QFileInfo info(stem);
    const QString aside = info.path() + "/damaged-" + info.fileName().mid(int(sizeof "copy-") - 1);
    QFile::rename(note_path(stem), note_path(aside));
    const bool moved = QFile::rename(copy_path(stem), copy_path(aside));
    std::fprintf(stderr, "quadrix: the recovery copy %s cannot be read (%s); %s %s\n",
                 local(copy_path(stem)).c_str(), why, moved ? "moved aside as" : "could not move it aside to",
                 local(copy_path(aside)).c_str());
}

// A kill in the middle of a write leaves the atomic writer's temporary files beside the copy
// (".copy-....edt.RANDOM"); their editor has ended, so they go.
void remove_temporaries(const QString& stem)
{
    const QFileInfo info(stem);
    QDir folder(info.path());
    for (const QString& name : folder.entryList({"." + info.fileName() + ".*"}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}

// The copy of stem with its figures and file, or nothing (after moving it aside when damaged, or
// removing a note whose copy was never written).
std::optional<LeftCopy> read_left_copy(const QString& stem)
{
    if (!QFile::exists(copy_path(stem))) {
        QFile::remove(note_path(stem));
        return std::nullopt;
    }
    LeftCopy left;
    left.stem = stem;
    if (list_read_file(local(copy_path(stem)), &left.drawing.list) < 0) {
        move_aside(stem, "not a drawing file");
        return std::nullopt;
    }
    const std::optional<std::string> text = read_small_file(note_path(stem));
    const std::optional<RecoveryNote> note = text ? decode_recovery_note(*text) : std::nullopt;
    if (!note) {
        move_aside(stem, "its note is missing or damaged");
        return std::nullopt;
    }
    const std::optional<std::string> name = file_name_for(*note, left.drawing.list);
    if (!name) {
        move_aside(stem, "truncated, or figures its note does not name");
        return std::nullopt;
    }
    left.drawing.file_name = *name;
    left.entry = {records_hash(left.drawing.list), *name};
    left.changed = QFileInfo(copy_path(stem)).lastModified();
    return left;
}

QString question_text(const LeftCopy& left)
{
    const QString file = left.drawing.file_name == NO_FILE_NAME
                             ? QString("nenhum (as figuras nunca foram salvas)")
                             : QFile::decodeName(left.drawing.file_name.c_str());
    return QString("Foi encontrada uma copia de um desenho com alteracoes nao salvas.\n\n"
                   "Figuras: %1\nArquivo: %2\nUltima alteracao: %3\n\nRecuperar este desenho?")
        .arg(list_count(&left.drawing.list))
        .arg(file, left.changed.toString("dd/MM/yyyy HH:mm:ss"));
}

void remove_left(LeftCopy& left)
{
    QFile::remove(copy_path(left.stem));
    QFile::remove(note_path(left.stem));
    left.lock.reset();
}

}  // namespace

std::optional<LeftCopy> newest_left_copy(const QString& folder_path, const QString& own_stem)
{
    const QDir folder(folder_path);
    QStringList stems;
    for (const QString& name : folder.entryList({"copy-*.edt", "copy-*.note", "copy-*.lock"}, QDir::Files)) {
        const QString stem = folder.filePath(name.left(name.lastIndexOf('.')));
        if (stem != own_stem && !stems.contains(stem)) stems.append(stem);
    }
    std::optional<LeftCopy> newest;
    for (const QString& stem : stems) {
        auto lock = std::make_shared<QLockFile>(lock_path(stem));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue;  // its editor still runs
        remove_temporaries(stem);
        std::optional<LeftCopy> left = read_left_copy(stem);
        if (!left) continue;
        left->lock = lock;
        if (!newest || left->changed > newest->changed) newest = std::move(left);
    }
    return newest;
}

void offer_left_copy(RecoveryCopy* own, CanvasWidget* canvas)
{
    ObjectList* list = canvas_list(canvas);
    if (!own || !own->active() || !list) return;
    std::optional<LeftCopy> left = newest_left_copy(own->folder(), own->stem());
    if (!left) return;
    if (!ask_question(MESSAGE_TITLE, question_text(*left).toStdString())) {
        remove_left(*left);
        return;
    }
    own->adopt(*left);
    recover_drawing(list, left->drawing);
    trace("\nRecover.");
    redraw_all(canvas, list);
}
