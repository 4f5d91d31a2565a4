// The module of the converter's Qt drivers (PDF and PNG), loaded with dlopen by
// drivers_loaded.cpp: its one exported function hands out their entries.
#include "export/qt_drivers.h"

#include <QCoreApplication>

extern "C" __attribute__((visibility("default"))) const DriverEntries* quadrix_export_drivers_v1(const char* format)
{
    // PNG's writer is built into QtGui, so no image-format plugin need be searched for and loaded.
    QCoreApplication::setLibraryPaths({});
    return qt_entries(format);
}
