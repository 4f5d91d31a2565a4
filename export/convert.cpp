// The converter's run: parse, read with the editor's own reader, place the figures on the page,
// have the format's driver write them into the output file atomically. Nothing it calls prints
// the editor's trace.
#include "export/convert.h"

#include "export/command_line.h"
#include "export/drivers.h"
#include "export/outline.h"
#include "export/page.h"
#include "core/atomic_save.h"
#include "core/shape_file.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int fail(int code, const std::string& line)
{
    std::fprintf(stderr, "quadrix-export: %s\n", line.c_str());
    return code;
}

std::string size_text(int64_t w, int64_t h) { return std::to_string(w) + "x" + std::to_string(h); }

// The figures on the page the command asks for; false (after its message) when --fit's page
// would exceed the largest page. Too large a page is refused rather than clamped: a clamped page
// would silently lose figures.
bool place(const ExportCommand& c, const ObjectList* list, PlacedDrawing& out, int& code)
{
    if (c.page != PageChoice::Fit) {
        out = place_on_page(list, c.page == PageChoice::Size ? c.size : Page{});
        return true;
    }
    FitSize size;
    if (place_fitted(list, out, size)) return true;
    code = fail(EXIT_FAILED, "cannot fit " + c.input + ": its figures need a " + size_text(size.width, size.height) +
                                 " page, more than " + size_text(MAX_PAGE_SIDE, MAX_PAGE_SIDE) + " (try --size)");
    return false;
}

// Vector outlines cannot carry an ellipse reaching far past the page faithfully; say so before
// the output file is touched.
bool check_vector(const ExportCommand& c, const PlacedDrawing& d, int& code)
{
    if (!c.driver->outlines) return true;
    const int i = first_unrepresentable(d);
    if (i < 0) return true;
    code = fail(EXIT_FAILED, "cannot convert " + c.input + " to " + c.driver->format + ": figure " +
                                 std::to_string(i + 1) + ", an ellipse, reaches more than " +
                                 std::to_string(OUTLINE_GUARD) + " pixels past the page (PNG can show it)");
    return false;
}

int convert(const ExportCommand& c)
{
    ObjectList list{};
    if (list_read_file(c.input, &list) < 0) return fail(EXIT_FAILED, "cannot read " + c.input + ": " + read_failure(c.input));
    PlacedDrawing drawing;
    int code = EXIT_DONE;
    if (!place(c, &list, drawing, code) || !check_vector(c, drawing, code)) return code;
    // The whole file is made in memory first: a driver that fails leaves the output untouched, and
    // every write to the disk goes through the one careful writer (libpng, for one, would report
    // a failed write of its own on standard error).
    std::string bytes, reason;
    if (!render(*c.driver, drawing, bytes, reason) || !save_atomically(c.output, bytes, reason))
        return fail(EXIT_FAILED, "cannot write " + c.output + ": " + reason);
    return EXIT_DONE;
}

}  // namespace

std::string read_failure(const std::string& name)
{
    if (name.empty()) return "an empty name";
    struct stat st {};
    if (stat(name.c_str(), &st) != 0) return system_reason(errno);
    if (S_ISDIR(st.st_mode)) return "a folder";
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return system_reason(errno);
    close(fd);
    return "a read error";
}

int export_main(const std::vector<std::string>& args, const char* version)
{
    const ExportCommand c = parse_command_line(args);
    switch (c.action) {
    case Action::Help: std::fputs(usage_text().c_str(), stdout); return EXIT_DONE;
    case Action::Version: std::printf("quadrix-export %s\n", version); return EXIT_DONE;
    case Action::Usage: return fail(EXIT_USAGE, c.problem + " (see --help)");
    case Action::Convert: break;
    }
    return convert(c);
}
