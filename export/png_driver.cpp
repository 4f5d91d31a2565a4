// PNG: the figures gathered, then drawn by the canvas's own redraw (draw_list, band by band while
// each band is in the cache) on an image of the page's size, so the file shows exactly what the
// editor's canvas of that size shows after a redraw; then written by QImageWriter. The picture is black on white, so it is stored as one bit a
// pixel: the same pixels, far less to compress.
#include "export/qt_drivers.h"

#include "canvas/figure_raster.h"
#include "toolkit/draw_surface.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstdint>
#include <optional>

namespace {

struct PngPage : DriverPage {
    QImage image;
    DrawSurface surface;
    ObjectList figures{};
};

std::unique_ptr<DriverPage> begin_page(Page p, std::string& reason)
{
    auto page = std::make_unique<PngPage>();
    page->page = p;
    page->image = QImage(p.width, p.height, QImage::Format_RGB32);
    if (page->image.isNull()) {
        reason = "not enough memory for a " + std::to_string(p.width) + "x" + std::to_string(p.height) + " image";
        return nullptr;
    }
    page->surface.image = &page->image;
    surface_activate(page->surface);
    return page;
}

void figure(DriverPage& p, ShapeRecord r)
{
    ObjectList& figures = static_cast<PngPage&>(p).figures;
    if (figures.count < LIST_CAPACITY) figures.records[figures.count++] = r;
}

constexpr QRgb WHITE = 0xFFFFFFFF, BLACK = 0xFF000000;

// One row packed eight pixels a byte, black as 1; false at a pixel of any other colour.
bool pack_row(const QRgb* in, int width, uchar* out)
{
    for (int x0 = 0; x0 < width; x0 += 8) {
        uchar byte = 0;
        for (int x = x0; x < x0 + 8 && x < width; ++x) {
            if (in[x] == BLACK) byte |= uchar(0x80 >> (x - x0));
            else if (in[x] != WHITE) return false;
        }
        out[x0 / 8] = byte;
    }
    return true;
}

// The image as one bit a pixel, or nothing when it holds another colour (or memory is short).
// Packed here rather than by QImage::convertToFormat, whose dithering pass costs five times more.
std::optional<QImage> as_one_bit(const QImage& image)
{
    QImage mono(image.size(), QImage::Format_Mono);
    if (mono.isNull()) return std::nullopt;
    mono.setColorTable({WHITE, BLACK});
    for (int y = 0; y < image.height(); ++y)
        if (!pack_row(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(), mono.scanLine(y)))
            return std::nullopt;
    return mono;
}

bool end_page(DriverPage& p, std::string& bytes, std::string& reason)
{
    PngPage& page = static_cast<PngPage&>(p);
    draw_list(page.surface, &page.figures);  // clears first
    const QImage& image = page.image;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    const std::optional<QImage> mono = as_one_bit(image);
    if (!writer.write(mono ? *mono : image)) {
        reason = writer.errorString().toStdString();
        return false;
    }
    bytes.assign(data.constData(), size_t(data.size()));
    return true;
}

}  // namespace

const DriverEntries PNG_ENTRIES = {begin_page, figure, figure, figure, end_page};
