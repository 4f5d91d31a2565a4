// SVG, written as text: one <rect>, <ellipse> or <polygon> per figure, in whole pixels, so a person
// can read and edit the file and any browser or vector editor opens it.
// The viewBox starts half a pixel before the page: whole coordinates are then pixel centres and a
// one-pixel stroke covers exactly the pixels the raster sets, instead of straddling two.
#include "export/drivers.h"
#include "export/outline.h"

#include <QIODevice>

#include <string>

namespace {

std::string num(int64_t v) { return std::to_string(v); }

// Half of v, exactly: an ellipse with an odd side has its centre and radius on half pixels.
std::string half(int64_t v)
{
    const int64_t a = v < 0 ? -v : v;
    return std::string(v < 0 ? "-" : "") + num(a / 2) + (a % 2 ? ".5" : "");
}

void begin_page(std::string& svg, Page p)
{
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(p.width) + "px\" height=\"" + num(p.height) +
           "px\" viewBox=\"-0.5 -0.5 " + num(p.width) + " " + num(p.height) + "\">\n";
    svg += "<rect x=\"-0.5\" y=\"-0.5\" width=\"" + num(p.width) + "\" height=\"" + num(p.height) +
           "\" fill=\"white\"/>\n";
    // Round joins keep a sharp triangle's corner within half a pixel of its vertex, where a miter
    // would spike out; a round cap lets a one-point figure show as the raster's single pixel.
    svg += "<g fill=\"none\" stroke=\"black\" stroke-width=\"1\" stroke-linejoin=\"round\" "
           "stroke-linecap=\"round\">\n";
}

void rect(std::string& svg, const Outline& o)
{
    svg += "<rect x=\"" + num(o.left) + "\" y=\"" + num(o.top) + "\" width=\"" + num(o.right - o.left) +
           "\" height=\"" + num(o.bottom - o.top) + "\"/>\n";
}

void ellipse(std::string& svg, const Outline& o)
{
    svg += "<ellipse cx=\"" + half(o.left + o.right) + "\" cy=\"" + half(o.top + o.bottom) + "\" rx=\"" +
           half(o.right - o.left) + "\" ry=\"" + half(o.bottom - o.top) + "\"/>\n";
}

void polygon(std::string& svg, const Outline& o)
{
    svg += "<polygon points=\"";
    for (int i = 0; i < o.points; ++i) svg += (i ? " " : "") + num(o.x[i]) + "," + num(o.y[i]);
    svg += "\"/>\n";
}

void end_page(std::string& svg) { svg += "</g>\n</svg>\n"; }

void figure(std::string& svg, const Outline& o)
{
    switch (o.kind) {
    case OutlineKind::Rect: rect(svg, o); break;
    case OutlineKind::Ellipse: ellipse(svg, o); break;
    case OutlineKind::Polygon: polygon(svg, o); break;
    case OutlineKind::None:
    case OutlineKind::TooFar: break;
    }
}

}  // namespace

bool write_svg(const PlacedDrawing& d, QIODevice& out, std::string& reason)
{
    std::string svg;
    svg.reserve(400 + 80 * size_t(list_count(&d.figures)));
    begin_page(svg, d.page);
    for (int i = 0; i < list_count(&d.figures); ++i) figure(svg, figure_outline(list_get(&d.figures, i), d.page));
    end_page(svg);
    if (out.write(svg.data(), qint64(svg.size())) == qint64(svg.size())) return true;
    reason = out.errorString().toStdString();
    return false;
}
