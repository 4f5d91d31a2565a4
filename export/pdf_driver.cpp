// PDF, painted through QPainter onto a QPdfWriter: one stroked path per figure on a page of the
// drawing's size at 72 dots an inch, so a pixel is a point. No application object is needed:
// nothing here draws text or asks the window system.
#include "export/drivers.h"
#include "export/outline.h"

#include <QIODevice>
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

void setup_page(QPdfWriter& pdf, Page p)
{
    pdf.setResolution(POINTS_PER_INCH);
    pdf.setPageSize(QPageSize(QSizeF(p.width, p.height), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator("quadrix-export");
}

// Pixel centres, as in the SVG: a one-point stroke then covers the raster's pixels exactly.
bool begin_page(QPainter& painter, QPdfWriter& pdf)
{
    if (!painter.begin(&pdf)) return false;
    painter.translate(0.5, 0.5);
    QPen pen(Qt::black, 1);
    pen.setJoinStyle(Qt::RoundJoin);  // why round: see the SVG driver
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    return true;
}

void rect(QPainter& painter, const Outline& o)
{
    painter.drawRect(QRectF(QPointF(o.left, o.top), QPointF(o.right, o.bottom)));
}

void ellipse(QPainter& painter, const Outline& o)
{
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
    painter.drawPath(path);
}

void polygon(QPainter& painter, const Outline& o)
{
    QPolygonF points;
    for (int i = 0; i < o.points; ++i) points << QPointF(o.x[i], o.y[i]);
    painter.drawPolygon(points);
}

void figure(QPainter& painter, const Outline& o)
{
    switch (o.kind) {
    case OutlineKind::Rect: rect(painter, o); break;
    case OutlineKind::Ellipse: ellipse(painter, o); break;
    case OutlineKind::Polygon: polygon(painter, o); break;
    case OutlineKind::None:
    case OutlineKind::TooFar: break;
    }
}

}  // namespace

bool write_pdf(const PlacedDrawing& d, QIODevice& out, std::string& reason)
{
    QPdfWriter pdf(&out);
    setup_page(pdf, d.page);
    QPainter painter;
    if (!begin_page(painter, pdf)) {
        reason = "the PDF writer could not start";
        return false;
    }
    for (int i = 0; i < list_count(&d.figures); ++i) figure(painter, figure_outline(list_get(&d.figures, i), d.page));
    if (painter.end()) return true;
    reason = out.errorString().isEmpty() ? "the PDF writer failed" : out.errorString().toStdString();
    return false;
}
