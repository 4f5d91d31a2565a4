// The converter's way to the Qt drivers: the module (qt_drivers.h) loaded the first time PDF or
// PNG is asked for, so an SVG conversion loads no Qt at all. The module is looked for beside the
// program first (the build folder), then in the package's library folder found relative to the
// program (QUADRIX_MODULE_DIR, from the install layout), so an installed tree may move whole.
#include "export/qt_drivers.h"

#include <climits>

#include <dlfcn.h>
#include <unistd.h>

namespace {

// The folder of the running program, or "." when the system does not say.
std::string program_folder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string exe(path, size_t(n));
    return exe.substr(0, exe.rfind('/'));
}

// The first of the module's places that holds a file; empty when none does.
std::string module_path()
{
    const std::string folder = program_folder();
    for (const std::string& dir : {folder, folder + "/" + QUADRIX_MODULE_DIR}) {
        const std::string path = dir + "/" + DRIVER_MODULE_FILE;
        if (access(path.c_str(), F_OK) == 0) return path;
    }
    return {};
}

}  // namespace

const DriverEntries* qt_driver_entries(const Driver& driver, std::string& reason)
{
    const std::string name = std::string("the ") + driver.format + " driver";
    const std::string path = module_path();
    if (path.empty()) {
        reason = name + " is missing: no " + DRIVER_MODULE_FILE + " beside the program or in " + QUADRIX_MODULE_DIR +
                 " from it (reinstall quadrix)";
        return nullptr;
    }
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto entry = module ? reinterpret_cast<DriverModuleEntry>(dlsym(module, DRIVER_MODULE_ENTRY)) : nullptr;
    if (!entry) {
        const char* why = dlerror();
        reason = name + " cannot be loaded: " + (why ? why : path);
        return nullptr;
    }
    const DriverEntries* e = entry(driver.format);
    if (!e) reason = name + " is not in " + path;
    return e;
}
