// The Qt drivers by name.
#include "export/qt_drivers.h"

const DriverEntries* qt_entries(std::string_view format)
{
    if (format == "pdf") return &PDF_ENTRIES;
    if (format == "png") return &PNG_ENTRIES;
    return nullptr;
}
