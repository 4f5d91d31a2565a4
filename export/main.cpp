// quadrix-export: converts a Quadrix drawing to SVG, PDF or PNG without any window system. The
// whole run is export_main in export/convert.cpp.
#include "export/convert.h"

#include <QCoreApplication>

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // PNG's writer is built into QtGui, so no image-format plugin need be searched for and loaded.
    QCoreApplication::setLibraryPaths({});
    return export_main(std::vector<std::string>(argv + 1, argv + argc), QUADRIX_VERSION);
}
