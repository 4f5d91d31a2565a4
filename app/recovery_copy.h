// The recovery copy: while the drawing holds changes that are in no file, a copy of it is kept in
// $XDG_STATE_HOME/quadrix/ (by default ~/.local/state/quadrix/), rewritten after every change by a
// writer thread of its own (core/recovery_writer.h), and removed once the drawing is in its file
// again. Each running editor locks its own copy with a QLockFile, so another editor never offers,
// reads or removes it; at start-up the newest copy whose editor has ended is offered back
// (app/recovery_offer.h).
//
// A copy is three files sharing a stem: STEM.edt (a drawing file), STEM.note (the file its figures
// belong to, core/recovery_note.h) and STEM.lock.
#pragma once

#include "canvas/door.h"
#include "core/recovery_note.h"
#include "core/recovery_writer.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLockFile;

// A copy left by an editor that no longer runs, locked by this one while it is offered.
struct LeftCopy {
    QString stem;                      // folder/copy-..., without extension
    std::shared_ptr<QLockFile> lock;   // held
    DrawingState drawing;              // its figures and their file
    RecoveryEntry entry;               // what its files hold, for the writer that takes it over
    QDateTime changed;                 // when its last change was written
};

// The folder of the copies from the environment: $XDG_STATE_HOME/quadrix when that is an absolute
// path, else $HOME/.local/state/quadrix; nothing when neither is set.
std::optional<QString> recovery_folder();

class RecoveryCopy : public QObject {
public:
    // Takes this editor's place in the folder and starts watching the drawing; when the folder
    // cannot be had, says why once on standard error and stays inactive.
    explicit RecoveryCopy(QObject* parent);
    // Stops watching; the copy stays on disk (only discard removes it).
    ~RecoveryCopy() override;

    bool active() const { return writer_ != nullptr; }
    QString folder() const { return folder_; }
    QString stem() const { return stem_; }
    // Exit, the close box: the copy goes, and the call returns once it is gone (at most a second).
    void discard();
    // Waits until the latest change is on disk, for at most limit.
    bool wait_written(std::chrono::milliseconds limit);
    // A left copy becomes this editor's own: its files and lock, rewritten from now on.
    void adopt(LeftCopy& left);

private:
    void watch(const ObjectList& list, const std::string& file_name, bool stored);

    QString folder_;
    QString stem_;
    std::shared_ptr<QLockFile> lock_;
    std::unique_ptr<RecoveryWriter> writer_;
    bool kept_ = false;  // a copy was asked for and not removed since
    int watch_id_ = 0;   // this copy's place among the door's watchers
};

// The three files of a stem.
QString copy_path(const QString& stem);
QString note_path(const QString& stem);
QString lock_path(const QString& stem);
