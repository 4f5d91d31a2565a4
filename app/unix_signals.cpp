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

// A signal the parent set to be ignored (nohup, a background job of a shell without job control)
// stays ignored: the user asked for the editor to outlive it.
bool ignored_at_start(int number)
{
    struct sigaction old {};
    return sigaction(number, nullptr, &old) == 0 && old.sa_handler == SIG_IGN;
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
    for (int number : {SIGINT, SIGTERM, SIGHUP})
        if (!ignored_at_start(number)) sigaction(number, &action, nullptr);
    return true;
}

void die_of_signal(int number)
{
    std::signal(number, SIG_DFL);
    sigset_t just_this;
    sigemptyset(&just_this);
    sigaddset(&just_this, number);
    sigprocmask(SIG_UNBLOCK, &just_this, nullptr);
    std::raise(number);
    std::_Exit(128 + number);  // only if the default action somehow did not end us
}
