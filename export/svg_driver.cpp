// SVG, written as text: one <rect>, <ellipse> or <polygon> per figure, in whole pixels, so a person
// can read and edit the file and any browser or vector editor opens it.
// The viewBox starts half a pixel before the page: whole coordinates are then pixel centres and a
// one-pixel stroke covers exactly the pixels the raster sets, instead of straddling two.
#include "export/drivers.h"
#include "export/outline.h"

#include <string>

namespace {

struct SvgPage : DriverPage {
    std::string text;
};

SvgPage& svg_of(DriverPage& p) { return static_cast<SvgPage&>(p); }

std::string num(int64_t v) { return std::to_string(v); }

// Half of v, exactly: an ellipse with an odd side has its centre and radius on half pixels.
std::string half(int64_t v)
{
    const int64_t a = v < 0 ? -v : v;
    return std::string(v < 0 ? "-" : "") + num(a / 2) + (a % 2 ? ".5" : "");
}

std::unique_ptr<DriverPage> begin_page(Page p, std::string&)
{
    auto page = std::make_unique<SvgPage>();
    page->page = p;
    std::string& svg = page->text;
    svg.reserve(4096);
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(p.width) + "px\" height=\"" + num(p.height) +
           "px\" viewBox=\"-0.5 -0.5 " + num(p.width) + " " + num(p.height) + "\">\n";
    svg += "<rect x=\"-0.5\" y=\"-0.5\" width=\"" + num(p.width) + "\" height=\"" + num(p.height) +
           "\" fill=\"white\"/>\n";
    // Round joins keep a sharp triangle's corner within half a pixel of its vertex, where a miter
    // would spike out; a round cap lets a one-point figure show as the raster's single pixel.
    svg += "<g fill=\"none\" stroke=\"black\" stroke-width=\"1\" stroke-linejoin=\"round\" "
           "stroke-linecap=\"round\">\n";
    return page;
}

void polygon(std::string& svg, const Outline& o)
{
    if (o.kind != OutlineKind::Polygon) return;
    svg += "<polygon points=\"";
    for (int i = 0; i < o.points; ++i) svg += (i ? " " : "") + num(o.x[i]) + "," + num(o.y[i]);
    svg += "\"/>\n";
}

void rect(DriverPage& p, ShapeRecord r)
{
    const Outline o = rect_outline(r, p.page);
    std::string& svg = svg_of(p).text;
    if (o.kind != OutlineKind::Rect) return polygon(svg, o);
    svg += "<rect x=\"" + num(o.left) + "\" y=\"" + num(o.top) + "\" width=\"" + num(o.right - o.left) +
           "\" height=\"" + num(o.bottom - o.top) + "\"/>\n";
}

void ellipse(DriverPage& p, ShapeRecord r)
{
    const Outline o = ellipse_outline(r, p.page);
    if (o.kind != OutlineKind::Ellipse) return;
    svg_of(p).text += "<ellipse cx=\"" + half(o.left + o.right) + "\" cy=\"" + half(o.top + o.bottom) + "\" rx=\"" +
                      half(o.right - o.left) + "\" ry=\"" + half(o.bottom - o.top) + "\"/>\n";
}

void triangle(DriverPage& p, ShapeRecord r) { polygon(svg_of(p).text, triangle_outline(r, p.page)); }

bool end_page(DriverPage& p, std::string& bytes, std::string&)
{
    bytes = std::move(svg_of(p).text);
    bytes += "</g>\n</svg>\n";
    return true;
}

}  // namespace

const DriverEntries SVG_ENTRIES = {begin_page, rect, ellipse, triangle, end_page};
