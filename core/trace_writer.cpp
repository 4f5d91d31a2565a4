#include "core/trace_writer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <poll.h>
#include <pthread.h>
#include <unistd.h>

namespace {

// Room for the longest dropped line, so that one always fits into an empty buffer.
constexpr std::size_t MIN_CAPACITY = 64;

}  // namespace

TraceWriter::TraceWriter(int fd, std::size_t bound)
    : fd_(fd), capacity_(std::max(bound, MIN_CAPACITY)), ring_(new char[capacity_])
{
    thread_.start([this](std::unique_lock<std::mutex>& lock) { run(lock); });
}

void TraceWriter::put(std::string_view bytes)
{
    std::size_t tail = (head_ + held_) % capacity_;
    std::size_t first = std::min(bytes.size(), capacity_ - tail);
    std::memcpy(ring_.get() + tail, bytes.data(), first);
    std::memcpy(ring_.get(), bytes.data() + first, bytes.size() - first);
    held_ += bytes.size();
    appended_ += bytes.size();
}

void TraceWriter::put_dropped_line()
{
    char line[MIN_CAPACITY];
    int n = std::snprintf(line, sizeof line, "\n[trace: %llu bytes dropped]",
                          static_cast<unsigned long long>(dropped_));
    put(std::string_view(line, static_cast<std::size_t>(n)));
    dropped_ = 0;
    dropped_line_end_ = appended_;
}

void TraceWriter::append(std::string_view bytes)
{
    {
        std::lock_guard<std::mutex> lock(thread_.mutex);
        if (broken_ || thread_.stopping()) return;
        // The dropped line's own length is not known before it is formatted; its longest form
        // fits in MIN_CAPACITY.
        std::size_t need = bytes.size() + (dropped_ > 0 ? MIN_CAPACITY : 0);
        if (held_ + need > capacity_) {
            dropped_ += bytes.size();
            return;
        }
        if (dropped_ > 0) put_dropped_line();
        put(bytes);
    }
    thread_.wake();
}

bool TraceWriter::wait_written(std::chrono::milliseconds limit)
{
    std::unique_lock<std::mutex> lock(thread_.mutex);
    const std::uint64_t target = appended_;
    // A dropped line still owed is part of what was traced: it says where bytes are missing.
    return thread_.progress.wait_for(lock, limit, [&] {
        return broken_ || (dropped_ == 0 && finished_ >= std::max(target, dropped_line_end_));
    });
}

void TraceWriter::run(std::unique_lock<std::mutex>& lock)
{
    // A reader that went away makes write() fail with EPIPE; the signal that comes with it stays
    // pending on this thread instead of ending the process.
    sigset_t pipe_signal;
    sigemptyset(&pipe_signal);
    sigaddset(&pipe_signal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_signal, nullptr);

    for (;;) {
        if (held_ == 0 && dropped_ > 0) put_dropped_line();
        if (!thread_.wait_for_work(lock, [&] { return held_ > 0; })) return;

        const char* chunk = ring_.get() + head_;
        std::size_t size = std::min(held_, capacity_ - head_);
        lock.unlock();
        // Appends go on meanwhile: they only fill the room beyond held_, never this chunk.
        ssize_t n = ::write(fd_, chunk, size);
        int error = errno;
        if (n < 0 && error == EAGAIN) {
            // Standard output may have come non-blocking from whoever started the program.
            pollfd ready{fd_, POLLOUT, 0};
            ::poll(&ready, 1, 100);
        }
        lock.lock();

        if (n > 0) {
            head_ = (head_ + static_cast<std::size_t>(n)) % capacity_;
            held_ -= static_cast<std::size_t>(n);
            finished_ += static_cast<std::uint64_t>(n);
        } else if (n == 0 || (error != EINTR && error != EAGAIN)) {
            broken_ = true;
            finished_ += held_;
            held_ = 0;
            dropped_ = 0;
        }
        lock.unlock();
        thread_.progress.notify_all();
        lock.lock();
        if (broken_) return;
    }
}
