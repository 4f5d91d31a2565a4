// The trace's writer thread, on real pipes and descriptors: every byte in order while the reader
// keeps up, the bound and the dropped line when it stalls, quiet discarding once output fails.
#include "core/trace.h"
#include "core/trace_writer.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

struct Pipe {
    int read = -1, write = -1;
    Pipe()
    {
        int fds[2];
        if (::pipe(fds) != 0) throw std::runtime_error("pipe");
        read = fds[0];
        write = fds[1];
    }
    ~Pipe() { close_read(); close_write(); }
    void close_read() { if (read >= 0) ::close(read); read = -1; }
    void close_write() { if (write >= 0) ::close(write); write = -1; }
};

// Everything until end of file.
std::string read_to_end(int fd)
{
    std::string all;
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return all;
        all.append(buffer, static_cast<std::size_t>(n));
    }
}

// Fills the pipe until one more byte would block, so the writer's next write() stalls there.
std::size_t fill_pipe(int fd)
{
#ifdef F_SETPIPE_SZ
    ::fcntl(fd, F_SETPIPE_SZ, 4096);  // a smaller pipe, fewer bytes to fill; failing is harmless
#endif
    int flags = ::fcntl(fd, F_GETFL);
    ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    std::size_t filled = 0;
    while (::write(fd, "x", 1) == 1) ++filled;
    ::fcntl(fd, F_SETFL, flags);
    return filled;
}

std::string numbered_lines(int count)
{
    std::string all;
    for (int i = 0; i < count; ++i) all += "\nline " + std::to_string(i) + " <" + std::to_string(i * 7) + ">";
    return all;
}

// Makes SIGPIPE deadly again for the duration, as it is in a program that never asked otherwise.
class DefaultPipeSignal {
public:
    DefaultPipeSignal() { saved_ = std::signal(SIGPIPE, SIG_DFL); }
    ~DefaultPipeSignal() { std::signal(SIGPIPE, saved_); }
private:
    void (*saved_)(int) = nullptr;
};

// What the writer still writes once its output failed: fd becomes a working pipe, a line is
// appended, and what reached the pipe is returned; nothing when output stopped for good.
std::string written_after_failure(TraceWriter& writer, int fd)
{
    Pipe fresh;
    if (::dup2(fresh.write, fd) < 0) throw std::runtime_error("dup2");
    writer.append("\nafter the failure");
    EXPECT_TRUE(writer.wait_written(30s));
    ::fcntl(fresh.read, F_SETFL, ::fcntl(fresh.read, F_GETFL) | O_NONBLOCK);
    char buffer[64];
    const ssize_t n = ::read(fresh.read, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, size_t(n)) : std::string();
}

}  // namespace

// A reader that keeps up gets every piece, whole and in order, many times the pipe's own size.
TEST(TraceWriter, KeepsEveryByteInOrder)
{
    Pipe pipe;
    std::string got;
    std::thread reader([&] { got = read_to_end(pipe.read); });
    std::string expected;
    {
        TraceWriter writer(pipe.write, 1 << 20);
        for (int i = 0; i < 20000; ++i) {
            std::string line = "\nline " + std::to_string(i) + " <" + std::to_string(i * 7) + ">";
            writer.append(line);
            expected += line;
        }
        EXPECT_TRUE(writer.wait_written(30s));
    }
    pipe.close_write();
    reader.join();
    EXPECT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
}

// Standard output may come non-blocking from the shell: a full pipe is waited for, not an error.
TEST(TraceWriter, WaitsOutANonBlockingPipe)
{
    Pipe pipe;
    ::fcntl(pipe.write, F_SETFL, ::fcntl(pipe.write, F_GETFL) | O_NONBLOCK);
    std::size_t filled = fill_pipe(pipe.write);
    std::string expected = numbered_lines(5000);
    TraceWriter writer(pipe.write, 1 << 20);
    writer.append(expected);
    std::this_thread::sleep_for(50ms);  // gives the writer time to meet the full pipe first
    std::string got;
    std::thread reader([&] { got = read_to_end(pipe.read); });
    EXPECT_TRUE(writer.wait_written(30s));
    pipe.close_write();
    reader.join();
    EXPECT_TRUE(got == std::string(filled, 'x') + expected);
}

// A stalled reader: what fits in the bound waits, the rest is dropped and counted, and the
// dropped line comes between what was kept and what follows once the reader is back.
TEST(TraceWriter, DropsBeyondTheBoundAndSaysHowMuch)
{
    Pipe pipe;
    std::size_t filled = fill_pipe(pipe.write);
    TraceWriter writer(pipe.write, 100);
    std::string kept;
    for (int i = 0; i < 10; ++i) {
        std::string piece = "\n12345678" + std::to_string(i);  // 10 bytes
        writer.append(piece);
        kept += piece;
    }
    writer.append("\nnot kept");  // 9 bytes: the bound is full
    writer.append("\nnor");       // 4 bytes
    EXPECT_FALSE(writer.wait_written(100ms));  // the reader still reads nothing

    std::string got;
    std::thread reader([&] { got = read_to_end(pipe.read); });
    EXPECT_TRUE(writer.wait_written(30s));
    writer.append("\nafter");
    EXPECT_TRUE(writer.wait_written(30s));
    pipe.close_write();
    reader.join();
    EXPECT_EQ(got, std::string(filled, 'x') + kept + "\n[trace: 13 bytes dropped]\nafter");
}

// Once the dropped line is written the count starts again; a second stall reports only its own.
// The first dropped line comes by itself once the buffer empties, with nothing appended after it.
TEST(TraceWriter, CountsEachStallOnItsOwn)
{
    Pipe pipe;
    std::size_t filled = fill_pipe(pipe.write);
    TraceWriter writer(pipe.write, 100);
    writer.append(std::string(100, 'a'));
    writer.append("\nlost");  // 5
    const std::string first = std::string(filled, 'x') + std::string(100, 'a') + "\n[trace: 5 bytes dropped]";
    std::string got;
    char buffer[4096];
    while (got.size() < first.size()) {  // the pipe ends up empty, not closed
        ssize_t n = ::read(pipe.read, buffer, sizeof buffer);
        ASSERT_GT(n, 0);
        got.append(buffer, static_cast<std::size_t>(n));
    }
    EXPECT_EQ(got, first);

    EXPECT_TRUE(writer.wait_written(30s));
    std::size_t filled_again = fill_pipe(pipe.write);
    writer.append(std::string(100, 'b'));
    writer.append("\ngone one");  // 9
    writer.append("\ngone two");  // 9
    std::thread reader([&] { got += read_to_end(pipe.read); });
    EXPECT_TRUE(writer.wait_written(30s));
    writer.append("\nend");
    EXPECT_TRUE(writer.wait_written(30s));
    pipe.close_write();
    reader.join();
    EXPECT_EQ(got, first + std::string(filled_again, 'x') + std::string(100, 'b') +
                       "\n[trace: 18 bytes dropped]\nend");
}

// Waiting for what was written covers the dropped line owed, though nothing came after the drop.
TEST(TraceWriter, WaitCoversTheDroppedLineOwed)
{
    Pipe pipe;
    std::size_t filled = fill_pipe(pipe.write);
    TraceWriter writer(pipe.write, 100);
    writer.append(std::string(100, 'a'));
    writer.append("\nlost");
    std::string got;
    std::thread reader([&] { got = read_to_end(pipe.read); });
    EXPECT_TRUE(writer.wait_written(30s));
    pipe.close_write();  // whatever the writer had not written yet fails now and is lost
    reader.join();
    EXPECT_EQ(got, std::string(filled, 'x') + std::string(100, 'a') + "\n[trace: 5 bytes dropped]");
}

// A reader that leaves: no SIGPIPE death, the error is noticed, and the rest is discarded quietly.
TEST(TraceWriter, ReaderGoneEndsOutputQuietly)
{
    DefaultPipeSignal deadly;
    Pipe pipe;
    TraceWriter writer(pipe.write, 1 << 20);
    writer.append("\nread");
    char buffer[5];
    ASSERT_EQ(::read(pipe.read, buffer, sizeof buffer), 5);
    pipe.close_read();
    writer.append("\nnobody reads this");
    EXPECT_TRUE(writer.wait_written(30s));
    for (int i = 0; i < 1000; ++i) writer.append(numbered_lines(1));
    EXPECT_TRUE(writer.wait_written(30s));
    EXPECT_EQ(written_after_failure(writer, pipe.write), "");
}

// A descriptor that was closed before the first line: quietly nothing, even once a file the
// program opens later takes its number.
TEST(TraceWriter, ClosedDescriptorIsQuiet)
{
    int fd = ::dup(STDERR_FILENO);
    ASSERT_GE(fd, 0);
    ::close(fd);
    TraceWriter writer(fd, 1 << 20);
    writer.append("\nResize:w=510,h=254");
    EXPECT_TRUE(writer.wait_written(30s));
    EXPECT_EQ(written_after_failure(writer, fd), "");
    ::close(fd);
}

// A full disk under a redirected trace: the first failing write ends output, nothing waits.
TEST(TraceWriter, FullDiskIsQuiet)
{
    int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "no /dev/full here";
    {
        TraceWriter writer(fd, 1 << 20);
        writer.append("\n Repaint");
        EXPECT_TRUE(writer.wait_written(30s));
        EXPECT_EQ(written_after_failure(writer, fd), "");
    }
    ::close(fd);
}

// trace() itself: lines longer than its stack buffer go out whole, after the short ones.
TEST(Trace, LongLineWhole)
{
    TraceCapture capture;
    std::string longer(3000, 'q');
    trace("\nshort %d", 1);
    trace("\n%s", longer.c_str());
    trace("<%d,%d>", -3, 4);
    EXPECT_EQ(capture.take(), "\nshort 1\n" + longer + "<-3,4>");
}
