// PDF, painted through QPainter onto a QPdfWriter: one stroked path per figure on a page of the
// drawing's size at 72 dots an inch, so a pixel is a point. No application object is needed:
// nothing here draws text or asks the window system.
#include "export/qt_drivers.h"
#include "export/outline.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

constexpr int POINTS_PER_INCH = 72;
// Qt's own ellipse is four Bézier arcs, up to 0.027% of the radius off the curve: over a pixel
// from a radius of about 3700 on. Eight arcs stay within a tenth of a pixel at any radius the
// guard band allows.
constexpr int ELLIPSE_ARCS = 8;

// Members in the order they are made and the reverse of their ending: the painter paints on
// the writer, which writes into the buffer.
struct PdfPage : DriverPage {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter pdf{&buffer};
    QPainter painter;
};

QPainter& painter_of(DriverPage& p) { return static_cast<PdfPage&>(p).painter; }

void setup_page(QPdfWriter& pdf, Page p)
{
    pdf.setResolution(POINTS_PER_INCH);
    pdf.setPageSize(QPageSize(QSizeF(p.width, p.height), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator("quadrix-export");
}

// Pixel centres, as in the SVG: a one-point stroke then covers the raster's pixels exactly.
std::unique_ptr<DriverPage> begin_page(Page p, std::string& reason)
{
    auto page = std::make_unique<PdfPage>();
    page->page = p;
    page->buffer.open(QIODevice::WriteOnly);
    setup_page(page->pdf, p);
    QPainter& painter = page->painter;
    if (!painter.begin(&page->pdf)) {
        reason = "the PDF writer could not start";
        return nullptr;
    }
    painter.translate(0.5, 0.5);
    QPen pen(Qt::black, 1);
    pen.setJoinStyle(Qt::RoundJoin);  // why round: see the SVG driver
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    return page;
}

void polygon(QPainter& painter, const Outline& o)
{
    if (o.kind != OutlineKind::Polygon) return;
    QPolygonF points;
    for (int i = 0; i < o.points; ++i) points << QPointF(o.x[i], o.y[i]);
    painter.drawPolygon(points);
}

void rect(DriverPage& p, ShapeRecord r)
{
    const Outline o = rect_outline(r, p.page);
    if (o.kind != OutlineKind::Rect) return polygon(painter_of(p), o);
    painter_of(p).drawRect(QRectF(QPointF(o.left, o.top), QPointF(o.right, o.bottom)));
}

void ellipse(DriverPage& p, ShapeRecord r)
{
    const Outline o = ellipse_outline(r, p.page);
    if (o.kind != OutlineKind::Ellipse) return;
    const double cx = (o.left + o.right) / 2.0, cy = (o.top + o.bottom) / 2.0;
    const double rx = (o.right - o.left) / 2.0, ry = (o.bottom - o.top) / 2.0;
    const double step = 2 * std::numbers::pi / ELLIPSE_ARCS, k = 4.0 / 3.0 * std::tan(step / 4);
    QPainterPath path(QPointF(cx + rx, cy));
    for (int i = 0; i < ELLIPSE_ARCS; ++i) {
        const double a = i * step, b = a + step;
        path.cubicTo(cx + rx * (std::cos(a) - k * std::sin(a)), cy + ry * (std::sin(a) + k * std::cos(a)),
                     cx + rx * (std::cos(b) + k * std::sin(b)), cy + ry * (std::sin(b) - k * std::cos(b)),
                     cx + rx * std::cos(b), cy + ry * std::sin(b));
    }
    path.closeSubpath();
    painter_of(p).drawPath(path);
}

void triangle(DriverPage& p, ShapeRecord r) { polygon(painter_of(p), triangle_outline(r, p.page)); }

bool end_page(DriverPage& p, std::string& bytes, std::string& reason)
{
    PdfPage& pdf = static_cast<PdfPage&>(p);
    if (!pdf.painter.end()) {
        reason = "the PDF writer failed";
        return false;
    }
    bytes.assign(pdf.bytes.constData(), size_t(pdf.bytes.size()));
    return true;
}

}  // namespace

const DriverEntries PDF_ENTRIES = {begin_page, rect, ellipse, triangle, end_page};
