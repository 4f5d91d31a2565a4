#include "core/writer_thread.h"

WriterThread::~WriterThread()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping_ = true;
    }
    work_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void WriterThread::start(std::function<void(std::unique_lock<std::mutex>& lock)> body)
{
    thread_ = std::thread([this, body = std::move(body)] {
        std::unique_lock<std::mutex> lock(mutex);
        body(lock);
    });
}
