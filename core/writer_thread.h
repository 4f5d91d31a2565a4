// The thread of a writer that works apart from the editor: it sleeps until woken with work and
// ends when its owner goes. The owner keeps its own state under mutex and signals progress on
// progress; declared last among the owner's members, it is joined before any of them goes.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class WriterThread {
public:
    WriterThread() = default;
    // Wakes the thread for the last time and joins it, after the work under way, if any.
    ~WriterThread();
    WriterThread(const WriterThread&) = delete;
    WriterThread& operator=(const WriterThread&) = delete;

    // Runs body on the thread, with mutex held; body returns once wait_for_work says to stop.
    void start(std::function<void(std::unique_lock<std::mutex>& lock)> body);
    // In body: sleeps until has_work() or the owner goes; false when it goes.
    template <class Pred>
    bool wait_for_work(std::unique_lock<std::mutex>& lock, Pred has_work)
    {
        work_.wait(lock, [&] { return stopping_ || has_work(); });
        return !stopping_;
    }
    // After the owner added work under mutex (and released it).
    void wake() { work_.notify_one(); }
    // Under mutex: whether the owner is going.
    bool stopping() const { return stopping_; }

    std::mutex mutex;
    std::condition_variable progress;  // the owner's work moved on

private:
    std::condition_variable work_;
    bool stopping_ = false;
    std::thread thread_;
};
