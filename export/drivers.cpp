// The table of output languages and the one loop that drives them.
#include "export/drivers.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

const std::array<Driver, 3> DRIVERS = {{
    {"svg", true, &SVG_ENTRIES},
    {"pdf", true, nullptr},
    {"png", false, nullptr},
}};

bool same_name(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The entry drawing a figure of this type; null for a type no driver draws.
DrawFigure entry_for(const DriverEntries& e, int type)
{
    switch (type) {
    case SHAPE_RECT: return e.rect;
    case SHAPE_ELLIPSE: return e.ellipse;
    case SHAPE_TRIANGLE: return e.triangle;
    default: return nullptr;
    }
}

}  // namespace

const Driver* find_driver(std::string_view format)
{
    for (const Driver& d : DRIVERS)
        if (same_name(format, d.format)) return &d;
    return nullptr;
}

const Driver* driver_for_file(std::string_view name)
{
    const size_t slash = name.rfind('/');
    const std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
    const size_t dot = base.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return nullptr;
    return find_driver(base.substr(dot + 1));
}

bool render(const Driver& driver, const PlacedDrawing& d, std::string& bytes, std::string& reason)
{
    const DriverEntries* entries = driver.entries ? driver.entries : qt_driver_entries(driver, reason);
    if (!entries) return false;
    const DriverEntries& e = *entries;
    const std::unique_ptr<DriverPage> page = e.begin(d.page, reason);
    if (!page) return false;
    for (int i = 0; i < list_count(&d.figures); ++i) {
        const ShapeRecord r = list_get(&d.figures, i);
        if (const DrawFigure draw = entry_for(e, shape_type(r))) draw(*page, r);
    }
    return e.end(*page, bytes, reason);
}

std::string format_names(std::string_view between, std::string_view last, std::string_view prefix)
{
    std::string out;
    for (size_t i = 0; i < DRIVERS.size(); ++i) {
        if (i > 0) out += i + 1 == DRIVERS.size() ? last : between;
        out.append(prefix).append(DRIVERS[i].format);
    }
    return out;
}
