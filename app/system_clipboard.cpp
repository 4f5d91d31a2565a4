// The clipboard's forms, made by the converter's own placement and drivers, as
// Inkscape offers each form it can write; one QMimeData carries them all.
#include "app/system_clipboard.h"

#include "export/drivers.h"
#include "export/outline.h"
#include "export/page.h"
#include "core/shape_file.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace {

// What the converter writes for the figures on the fitted page in format, or nothing where it
// would refuse.
std::optional<QByteArray> fitted_picture(const PlacedDrawing& d, const char* format)
{
    const Driver* driver = find_driver(format);
    if (!driver || (driver->outlines && first_unrepresentable(d) >= 0)) return std::nullopt;
    std::string bytes, reason;
    if (!render(*driver, d, bytes, reason)) return std::nullopt;
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QMimeData* figures_mime_data(const ObjectList& figures)
{
    auto* data = new QMimeData;
    const std::string records = list_bytes(&figures);
    data->setData(FIGURES_MIME, QByteArray(records.data(), static_cast<qsizetype>(records.size())));
    PlacedDrawing placed;
    FitSize size;
    if (!place_fitted(&figures, placed, size)) return data;
    if (auto svg = fitted_picture(placed, "svg")) data->setData("image/svg+xml", *svg);
    const bool small_enough = int64_t{placed.page.width} * placed.page.height <= MAX_CLIPBOARD_PIXELS;
    if (auto png = small_enough ? fitted_picture(placed, "png") : std::nullopt) {
        data->setImageData(QImage::fromData(*png, "PNG"));  // the other picture types a program asks for
        data->setData("image/png", *png);                 // and the converter's own bytes for PNG
    }
    return data;
}

void copy_to_clipboard(const ObjectList& figures)
{
    QGuiApplication::clipboard()->setMimeData(figures_mime_data(figures));
}

std::optional<std::string> clipboard_figure_bytes()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(FIGURES_MIME)) return std::nullopt;
    const QByteArray bytes = data->data(FIGURES_MIME);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
