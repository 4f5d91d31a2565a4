// Fuzz target for the converter: the bytes become a drawing file, the editor's reader loads it,
// and every driver writes it into memory, on the canvas page and on the fitted page. Besides
// crashes, sanitizer reports, leaks and hangs, a broken promise aborts: the fitted page and its
// placement, the PNG's pixels against draw_list, the SVG's markup and element count, the PDF's
// frame. No application object, as in the real program. Start at LLVMFuzzerTestOneInput.
#include "canvas/figure_raster.h"
#include "fuzz/fuzz_support.h"
#include "export/drivers.h"
#include "export/outline.h"
#include "export/page.h"
#include "core/shape_file.h"
#include "toolkit/draw_surface.h"

#include <QByteArray>
#include <QImage>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A PNG page larger than this is left out: a 16384x16384 image is 1 GiB, past the run's memory.
constexpr int64_t PNG_PIXEL_LIMIT = int64_t{1} << 22;

const std::string& scratch_path()
{
    static const std::string path = make_scratch_file("export_fuzz");
    return path;
}

void remove_scratch_file() { unlink(scratch_path().c_str()); }

QImage drawn(const PlacedDrawing& d)
{
    QImage image(d.page.width, d.page.height, QImage::Format_RGB32);
    DrawSurface s;
    s.image = &image;
    surface_activate(s);
    draw_list(s, &d.figures);
    return image;
}

void check_png(const PlacedDrawing& d)
{
    if (int64_t{d.page.width} * d.page.height > PNG_PIXEL_LIMIT) return;
    std::string bytes, reason;
    require(render(*find_driver("png"), d, bytes, reason), "the PNG driver writes");
    const QImage back = QImage::fromData(QByteArray::fromStdString(bytes), "PNG").convertToFormat(QImage::Format_RGB32);
    require(back == drawn(d), "the PNG holds draw_list's pixels");
}

int drawn_outlines(const PlacedDrawing& d)
{
    int n = 0;
    for (int i = 0; i < list_count(&d.figures); ++i) {
        const ShapeRecord r = list_get(&d.figures, i);
        const Outline o = shape_type(r) == SHAPE_RECT      ? rect_outline(r, d.page)
                          : shape_type(r) == SHAPE_ELLIPSE ? ellipse_outline(r, d.page)
                                                           : triangle_outline(r, d.page);
        n += o.kind != OutlineKind::None;
    }
    return n;
}

// Well-formed markup with one element inside the figures' group per outline.
void check_svg(const PlacedDrawing& d)
{
    std::string bytes, reason;
    require(render(*find_driver("svg"), d, bytes, reason), "the SVG driver writes");
    QXmlStreamReader xml(QByteArray::fromStdString(bytes));
    int depth = 0, figures = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth == 3) ++figures;
        if (token == QXmlStreamReader::EndElement) --depth;
    }
    require(!xml.hasError(), "the SVG is well-formed XML");
    require(figures == drawn_outlines(d), "the SVG has one element per outline");
}

void check_pdf(const PlacedDrawing& d)
{
    std::string bytes, reason;
    require(render(*find_driver("pdf"), d, bytes, reason), "the PDF driver writes");
    require(bytes.starts_with("%PDF-") && bytes.ends_with("%%EOF\n"), "the PDF is framed");
}

void check_drivers(const PlacedDrawing& d)
{
    check_png(d);
    if (first_unrepresentable(d) >= 0) return;  // the converter refuses vector output here
    check_svg(d);
    check_pdf(d);
}

// A fitted page exactly holds the known figures, moved to the margin.
void check_fit(const ObjectList* list, const PlacedDrawing& d, bool fitted, const FitSize& size)
{
    const std::optional<FigureBox> box = figures_box(list);
    require(fitted == (size.width <= MAX_PAGE_SIDE && size.height <= MAX_PAGE_SIDE), "fit refuses only oversized pages");
    if (!fitted) return;
    const std::optional<FigureBox> placed = figures_box(&d.figures);
    require(placed.has_value() == box.has_value(), "fitting keeps every known figure");
    if (!placed) return;
    require(placed->left == FIT_MARGIN && placed->bottom == FIT_MARGIN, "the figures start at the margin");
    require(placed->right == d.page.width - 1 - FIT_MARGIN && placed->top == d.page.height - 1 - FIT_MARGIN,
            "the page ends a margin past the figures");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::atexit(remove_scratch_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    write_scratch_file(scratch_path(), data, size);
    ObjectList list{};
    const int n = list_read_file(scratch_path(), &list);
    require(n >= 0 && n <= LIST_CAPACITY, "a regular file is read");
    check_drivers(place_on_page(&list, Page{}));
    PlacedDrawing fitted;
    FitSize fit;
    const bool ok = place_fitted(&list, fitted, fit);
    check_fit(&list, fitted, ok, fit);
    if (ok) check_drivers(fitted);
    return 0;
}
