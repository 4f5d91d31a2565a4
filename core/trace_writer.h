// A writer of its own for the console trace: callers only copy bytes into a bounded buffer, and a
// thread does the blocking writes to the file descriptor, so a slow, stalled or vanished reader
// never holds up or ends the caller.
//
// - While the reader keeps up, every byte is written, in order, as soon as it is appended.
// - At most bound() bytes wait (in the buffer or in a write() not yet returned). A piece that does
//   not fit is dropped whole; once there is room again, "\n[trace: N bytes dropped]" goes out
//   before the next bytes, or when the buffer has emptied, whichever comes first.
// - A write error (a reader gone, a closed descriptor, a full disk) stops the output for good:
//   what waits and whatever follows is discarded. SIGPIPE is blocked in the writing thread, so a
//   reader that leaves costs no signal.
#pragma once

#include "core/writer_thread.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

class TraceWriter {
public:
    // Starts the writing thread; the descriptor stays the caller's (it is never closed here).
    TraceWriter(int fd, std::size_t bound);
    // Stops after the write under way, if any, and discards the rest; wait_written first to keep it.
    ~TraceWriter() = default;
    TraceWriter(const TraceWriter&) = delete;
    TraceWriter& operator=(const TraceWriter&) = delete;

    void append(std::string_view bytes);

    // Waits until every byte appended before the call, and the dropped line owed for any refused,
    // is written or discarded, for at most limit. True when nothing of it is left waiting.
    bool wait_written(std::chrono::milliseconds limit);

    std::size_t bound() const { return capacity_; }

private:
    void run(std::unique_lock<std::mutex>& lock);
    void put(std::string_view bytes);        // the lock is held and there is room
    void put_dropped_line();                 // likewise

    const int fd_;
    const std::size_t capacity_;
    std::unique_ptr<char[]> ring_;
    std::size_t head_ = 0;                   // first byte not yet written
    std::size_t held_ = 0;                   // bytes from head_ on, the one in write() included
    std::uint64_t appended_ = 0;             // totals since creation, to know what a wait covers
    std::uint64_t finished_ = 0;             // written or discarded
    std::uint64_t dropped_ = 0;              // bytes refused since the last dropped line
    std::uint64_t dropped_line_end_ = 0;     // appended_ just after the last dropped line
    bool broken_ = false;                    // a write failed; output has stopped for good
    WriterThread thread_;                    // last: starts once everything above exists
};
