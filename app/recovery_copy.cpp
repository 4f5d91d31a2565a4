// Where the copy lives, the lock that makes it this editor's, and the decision after each change
// whether the drawing holds changes in no file (then the writer keeps the copy) or not (it goes).
#include "app/recovery_copy.h"

#include "core/atomic_save.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>

#include <cstdio>

#include <unistd.h>

namespace {

// The project's atomic writer with its fsync, for the note.
bool save_bytes(const std::string& path, const std::string& bytes, std::string& reason)
{
    return save_atomically(path, bytes, reason);
}

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

void say_no_copy(const QString& why)
{
    std::fprintf(stderr, "quadrix: %s; no recovery copy is kept\n", why.toLocal8Bit().constData());
}

QString lock_error(const QLockFile& lock)
{
    switch (lock.error()) {
    case QLockFile::PermissionError: return "permission denied";
    case QLockFile::LockFailedError: return "it is in use";
    default: return "unknown error";
    }
}

}  // namespace

QString copy_path(const QString& stem) { return stem + ".edt"; }
QString note_path(const QString& stem) { return stem + ".note"; }
QString lock_path(const QString& stem) { return stem + ".lock"; }

std::optional<QString> recovery_folder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state)) return state + "/quadrix";
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty()) return home + "/.local/state/quadrix";
    return std::nullopt;
}

RecoveryCopy::RecoveryCopy(QObject* parent) : QObject(parent)
{
    std::optional<QString> folder = recovery_folder();
    if (!folder) {
        say_no_copy("neither XDG_STATE_HOME nor HOME is set");
        return;
    }
    folder_ = *folder;
    const bool existed = QDir(folder_).exists();
    if (!QDir().mkpath(folder_)) {
        say_no_copy("the folder " + folder_ + " cannot be created");
        return;
    }
    // Drawings are private: a folder made here is the user's alone.
    if (!existed) QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    stem_ = QString("%1/copy-%2-%3").arg(folder_).arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch());
    lock_ = std::make_shared<QLockFile>(lock_path(stem_));
    lock_->setStaleLockTime(0);  // a lock is stale only when its editor has ended, however old
    if (!lock_->tryLock(0)) {
        say_no_copy("the folder " + folder_ + " cannot be written (" + lock_error(*lock_) + ")");
        lock_.reset();
        return;
    }
    writer_ = std::make_unique<RecoveryWriter>(local(copy_path(stem_)), local(note_path(stem_)), save_bytes);
    watch_id_ = watch_drawing([this](const ObjectList& list, const std::string& name, bool stored) {
        watch(list, name, stored);
    });
}

RecoveryCopy::~RecoveryCopy()
{
    if (active()) stop_watching(watch_id_);
}

void RecoveryCopy::discard()
{
    if (!active()) return;
    writer_->remove();
    writer_->wait_done(std::chrono::seconds(1));
    kept_ = false;
}

bool RecoveryCopy::wait_written(std::chrono::milliseconds limit)
{
    return !active() || writer_->wait_done(limit);
}

void RecoveryCopy::adopt(LeftCopy& left)
{
    if (!active()) return;
    // Nothing of this editor's own is on disk yet: the offer comes before any change.
    writer_->remove();
    writer_->wait_done(std::chrono::seconds(1));
    writer_ = std::make_unique<RecoveryWriter>(local(copy_path(left.stem)), local(note_path(left.stem)),
                                               save_bytes, left.entry);
    stem_ = left.stem;
    lock_ = left.lock;  // our own lock goes with the last reference to it
    left.lock.reset();
    kept_ = true;
}

void RecoveryCopy::watch(const ObjectList& list, const std::string& file_name, bool stored)
{
    if (!stored) {
        writer_->keep(list, file_name);
        kept_ = true;
    } else if (kept_) {
        writer_->remove();
        kept_ = false;
    }
}
