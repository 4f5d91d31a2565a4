// The table of output languages.
#include "export/drivers.h"

#include <QBuffer>

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<Driver, 3> DRIVERS = {{
    {"svg", true, write_svg},
    {"pdf", true, write_pdf},
    {"png", false, write_png},
}};

bool same_name(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
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

bool render(const Driver& driver, const PlacedDrawing& d, QByteArray& bytes, std::string& reason)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return driver.write(d, buffer, reason);
}
