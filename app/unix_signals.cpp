#include "app/unix_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end, for the handler; set once before any handler is installed.
int& signal_socket()
{
    static int fd = -1;
    return fd;
}

// Async-signal-safe: one write(), errno kept for the code it interrupted.
void on_unix_signal(int number)
{
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] ssize_t n = ::write(signal_socket(), &byte, 1);
    errno = saved;
}

}  // namespace

bool watch_unix_signals(QObject* parent, std::function<void(int)> on_signal)
{
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
    signal_socket() = pair[0];
    auto* notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [fd = pair[1], on_signal] {
        char byte = 0;
        if (::read(fd, &byte, 1) == 1) on_signal(static_cast<unsigned char>(byte));
    });
    struct sigaction action {};
    action.sa_handler = on_unix_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGINT, SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
    return true;
}
