// A writer of its own for the recovery copy: the editor hands it the latest drawing and returns at
// once; a thread writes it (the note first, then the copy, each through the atomic writer with its
// fsync). A burst of changes is written once: only the latest state waits, an older one not yet
// begun is simply replaced.
//
// A failed write is said once on standard error, naming the folder and the reason; later changes
// are still tried, so a disk that fills up and frees again costs only the changes in between.
#pragma once

#include "core/recovery_note.h"
#include "core/shape_list.h"

#include "core/writer_thread.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class RecoveryWriter {
public:
    // Writes bytes as the file path atomically; false with a one-phrase reason.
    using SaveFn = std::function<bool(const std::string& path, const std::string& bytes, std::string& reason)>;

    // copy_path holds the figures, note_path the note; written is what they already hold, if
    // anything (a copy taken over from an editor that ended).
    RecoveryWriter(std::string copy_path, std::string note_path, SaveFn save,
                   std::optional<RecoveryEntry> written = std::nullopt);
    // Finishes the write under way, if any; what still waits is dropped.
    ~RecoveryWriter() = default;
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // The copy is to hold these figures, belonging to file_name.
    void keep(const ObjectList& list, const std::string& file_name);
    // The copy is to go (the drawing is in its file, or the user is done with it).
    void remove();
    // Waits until everything asked before the call is on disk (or failed), for at most limit.
    // Called from the thread that calls keep and remove.
    bool wait_done(std::chrono::milliseconds limit);

private:
    struct Job {
        bool keep = false;
        ObjectList list{};
        std::string file_name;
    };
    void run(std::unique_lock<std::mutex>& lock);
    void carry_out(const Job& job);
    void write(const Job& job);
    void report(const std::string& what, const std::string& reason);

    const std::string copy_path_;
    const std::string note_path_;
    const SaveFn save_;
    std::optional<RecoveryEntry> written_;   // what copy and note hold; the writing thread's alone
    bool reported_ = false;                  // likewise
    std::unique_ptr<Job> pending_;           // the latest state not yet begun
    std::uint64_t asked_ = 0;                // keep and remove calls so far
    std::uint64_t done_ = 0;                 // of those, carried out or replaced by a later one
    WriterThread thread_;                    // last: starts once everything above exists
};
