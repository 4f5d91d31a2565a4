// Quadrix: an editor of rectangles, ellipses and triangles. Start-up is in app/main_window.cpp;
// from then on everything happens in the callbacks bound there.
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    if (!start_editor(window)) return 1;
    return app.exec();
}
