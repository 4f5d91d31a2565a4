#include "core/trace.h"

#include "core/trace_writer.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Tests that fill the bound with a few thousand events choose a smaller one here.
std::size_t console_bound()
{
    const char* text = std::getenv("QUADRIX_TRACE_BOUND");
    if (!text || !*text) return TRACE_BOUND;
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 10);
    if (*end != '\0' || value == 0 || value > TRACE_BOUND) return TRACE_BOUND;
    return static_cast<std::size_t>(value);
}

TraceWriter* make_console_writer()
{
    try {
        return new TraceWriter(STDOUT_FILENO, console_bound());
    } catch (...) {  // no memory or no thread: trace() writes by itself
        return nullptr;
    }
}

// Never destroyed: its thread may still be in a write() to a stalled reader when the program
// ends, and must find the writer intact through the static destructors.
TraceWriter* console()
{
    static TraceWriter* const writer = make_console_writer();
    return writer;
}

void write_directly(std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

void trace(const char* format, ...)
{
    // Most lines fit here; nothing is allocated for them, the out-of-memory message included.
    char line[512];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::unique_ptr<char[]> longer;
    const char* text = line;
    if (n >= static_cast<int>(sizeof line)) {
        longer.reset(new (std::nothrow) char[static_cast<std::size_t>(n) + 1]);
        if (longer) std::vsnprintf(longer.get(), static_cast<std::size_t>(n) + 1, format, again);
        text = longer.get();
    }
    va_end(again);
    if (n < 0 || !text) return;

    std::string_view bytes(text, static_cast<std::size_t>(n));
    if (TraceWriter* writer = console()) writer->append(bytes);
    else write_directly(bytes);
}

void trace_start()
{
    std::signal(SIGPIPE, SIG_IGN);
    if (::fcntl(STDOUT_FILENO, F_GETFD) < 0 && errno == EBADF) {
        int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0 && null != STDOUT_FILENO) {
            ::dup2(null, STDOUT_FILENO);
            ::close(null);
        }
    }
    console();
}

bool trace_wait_written(std::chrono::milliseconds limit)
{
    TraceWriter* writer = console();
    return !writer || writer->wait_written(limit);
}
