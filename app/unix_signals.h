// SIGINT, SIGTERM and SIGHUP as ordinary calls on the event loop, the way Qt's documentation
// ("Calling Qt Functions From Unix Signal Handlers") shows: the handler only writes the signal's
// number as one byte to a socket pair, and a QSocketNotifier on the other end makes the call.
#pragma once

#include <functional>

class QObject;

// From now on each of the three signals calls on_signal(number) on the event loop of parent's
// thread, except one ignored when the editor started, which stays ignored; false (and the
// signals left as they were) when the socket pair could not be made.
bool watch_unix_signals(QObject* parent, std::function<void(int)> on_signal);
// Ends the process by the default action of signal number, so the parent's wait status says it
// died of that signal (a shell loop stops on Ctrl+C; the shell still prints 128 + number).
[[noreturn]] void die_of_signal(int number);
