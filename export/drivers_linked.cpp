// The editor's way to the Qt drivers: linked in, as the editor loads Qt anyway.
#include "export/qt_drivers.h"

const DriverEntries* qt_driver_entries(const Driver& driver, std::string& reason)
{
    const DriverEntries* e = qt_entries(driver.format);
    if (!e) reason = std::string("no ") + driver.format + " driver";
    return e;
}
