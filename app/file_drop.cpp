// Drops on the window: an event filter takes the drag of exactly one local *.edt file and, on the
// drop, opens it through open_named, so the messages and the undo step are Open's own.
#include "app/file_drop.h"

#include "app/file_commands.h"
#include "app/window_parts.h"
#include "canvas/canvas_context.h"
#include "canvas/gesture.h"

#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QUrl>

#include <optional>
#include <string>

namespace {

// The one drawing file a drag carries, or nothing.
std::optional<std::string> dropped_drawing(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".edt", Qt::CaseInsensitive)) return std::nullopt;
    return url.toLocalFile().toStdString();
}

class DropFilter : public QObject {
public:
    DropFilter(QObject* parent, CanvasWidget* canvas) : QObject(parent), canvas_(canvas) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<std::string> name = dropped_drawing(drop->mimeData());
        if (!name || gesture_in_progress()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The list as the canvas holds it now: none once Exit has freed it.
        ObjectList* list = canvas_list(canvas_);
        if (type == QEvent::Drop && list) open_named(list, canvas_, *name);
        return true;
    }

private:
    CanvasWidget* canvas_;
};

}  // namespace

void accept_dropped_drawings(MainWindow& w)
{
    w.dialog->setAcceptDrops(true);
    w.dialog->installEventFilter(new DropFilter(w.dialog, w.canvas));
}
