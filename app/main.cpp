// Quadrix: an editor of rectangles, ellipses and triangles. Start-up is in app/main_window.cpp;
// from then on everything happens in the callbacks bound there.
#include "app/main_window.h"
#include "app/recovery_copy.h"
#include "app/unix_signals.h"
#include "core/trace.h"

#include <QApplication>
#include <QMainWindow>

namespace {

// SIGINT, SIGTERM, SIGHUP: the last change reaches the disk, then the editor ends at once, with
// no box, dying of the very signal it got.
void end_on_signal(RecoveryCopy* recovery, int number)
{
    if (recovery) recovery->wait_written(std::chrono::seconds(2));
    trace_wait_written(std::chrono::milliseconds(200));
    die_of_signal(number);
}

}  // namespace

int main(int argc, char** argv)
{
    trace_start();
    QApplication app(argc, argv);
    MainWindow window;
    if (!start_editor(window)) {
        trace_wait_written(std::chrono::seconds(1));
        return 1;
    }
    watch_unix_signals(window.dialog, [recovery = window.recovery](int number) { end_on_signal(recovery, number); });
    const int status = app.exec();
    // Exit or the close box: the user's own decision, so the copy goes; destroying the window
    // and what it owns (the history, then the copy and its lock) leaves the folder as it was.
    window.recovery->discard();
    delete window.dialog;
    // The last lines get a moment to reach the console, never longer.
    trace_wait_written(std::chrono::seconds(1));
    return status;
}
