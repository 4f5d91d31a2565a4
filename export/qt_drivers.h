// The drivers drawn with Qt, built twice from the same sources: into the editor's library, and
// into the module the converter loads (driver_module.cpp) only when PDF or PNG is asked for.
#pragma once

#include "export/drivers.h"

#include <string_view>

// Painted through QPainter onto a QPdfWriter (pdf_driver.cpp).
extern const DriverEntries PDF_ENTRIES;
// The canvas's own drawing code on an image, saved by QImageWriter (png_driver.cpp).
extern const DriverEntries PNG_ENTRIES;

// The entries of the Qt driver of a format name from the table; null for any other name.
const DriverEntries* qt_entries(std::string_view format);

// The module's file name and the one function it exports, named with the version of the
// entries' layout, so a module of another build is refused rather than called wrongly.
constexpr const char* DRIVER_MODULE_FILE = "quadrix-export-drivers.so";
constexpr const char* DRIVER_MODULE_ENTRY = "quadrix_export_drivers_v1";
extern "C" {
using DriverModuleEntry = const DriverEntries* (*)(const char* format);
}
