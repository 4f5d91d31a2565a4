#include "core/recovery_writer.h"

#include "core/atomic_save.h"
#include "core/shape_file.h"

#include <cerrno>
#include <cstdio>
#include <algorithm>

#include <unistd.h>

RecoveryWriter::RecoveryWriter(std::string copy_path, std::string note_path, SaveFn save,
                               std::optional<RecoveryEntry> written)
    : copy_path_(std::move(copy_path)), note_path_(std::move(note_path)), save_(std::move(save)),
      written_(std::move(written))
{
    thread_.start([this](std::unique_lock<std::mutex>& lock) { run(lock); });
}

void RecoveryWriter::keep(const ObjectList& list, const std::string& file_name)
{
    auto job = std::make_unique<Job>();
    job->keep = true;
    const int n = list_count(&list);
    std::copy(list.records, list.records + n, job->list.records);
    job->list.count = n;
    job->file_name = file_name;
    {
        std::lock_guard<std::mutex> lock(thread_.mutex);
        if (pending_) ++done_;  // replaced before it began: the newer state covers it
        pending_ = std::move(job);
        ++asked_;
    }
    thread_.wake();
}

void RecoveryWriter::remove()
{
    auto job = std::make_unique<Job>();
    {
        std::lock_guard<std::mutex> lock(thread_.mutex);
        if (pending_) ++done_;
        pending_ = std::move(job);
        ++asked_;
    }
    thread_.wake();
}

bool RecoveryWriter::wait_done(std::chrono::milliseconds limit)
{
    std::unique_lock<std::mutex> lock(thread_.mutex);
    const std::uint64_t target = asked_;
    return thread_.progress.wait_for(lock, limit, [&] { return done_ >= target; });
}

void RecoveryWriter::run(std::unique_lock<std::mutex>& lock)
{
    for (;;) {
        if (!thread_.wait_for_work(lock, [&] { return pending_ != nullptr; })) return;
        std::unique_ptr<Job> job = std::move(pending_);
        lock.unlock();
        carry_out(*job);
        lock.lock();
        ++done_;
        thread_.progress.notify_all();
    }
}

void RecoveryWriter::carry_out(const Job& job)
{
    if (job.keep) {
        write(job);
        return;
    }
    // The copy first: a note without a copy is never offered, a copy without its note would be.
    for (const std::string& path : {copy_path_, note_path_})
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) report("removed", system_reason(errno));
    written_.reset();
}

// The note first: it names both the new figures and those the copy holds until its own write is
// complete, so a kill between the two writes leaves a pair that still agrees.
void RecoveryWriter::write(const Job& job)
{
    const RecoveryEntry entry{records_hash(job.list), job.file_name};
    const RecoveryNote note{entry, written_.value_or(entry)};
    std::string reason;
    if (!save_(note_path_, encode_recovery_note(note), reason)) {
        report("written", reason);
        return;
    }
    if (list_write_file(copy_path_, &job.list) < 0) {
        // The note still names what the copy holds as its previous entry.
        report("written", "the drawing file could not be written");
        return;
    }
    written_ = entry;
}

void RecoveryWriter::report(const std::string& what, const std::string& reason)
{
    if (reported_) return;
    reported_ = true;
    std::fprintf(stderr, "quadrix: the recovery copy in %s could not be %s (%s); the editor goes on without it\n",
                 folder_of(copy_path_).c_str(), what.c_str(), reason.c_str());
}
