// Quadrix: an editor of rectangles, ellipses and triangles. Start-up is in app/main_window.cpp;
// from then on everything happens in the callbacks bound there.
#include "app/main_window.h"
#include "shapes/trace.h"

#include <QApplication>

int main(int argc, char** argv)
{
    trace_start();
    QApplication app(argc, argv);
    MainWindow window;
    int status = start_editor(window) ? app.exec() : 1;
    // Exit or the close box: the last lines get a moment to reach the console, never longer.
    trace_wait_written(std::chrono::seconds(1));
    return status;
}
