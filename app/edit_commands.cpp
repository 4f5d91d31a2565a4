// Each command here is an item of the window, so its key works wherever the focus is. The
// clipboard commands trace a line of their own when they did their work; the keys on the
// highlighted figure trace nothing (their undo steps do when undone).
#include "app/edit_commands.h"

#include "app/system_clipboard.h"
#include "canvas/arrange.h"
#include "canvas/canvas_context.h"
#include "canvas/cancel.h"
#include "canvas/figure_transfer.h"
#include "core/shape_file.h"
#include "core/trace.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QObject>
#include <QPoint>
#include <QToolButton>
#include <QVariant>

#include <string>

namespace {

CanvasWidget* canvas_of(QObject* item) { return get_pointer_attribute<CanvasWidget>(item, "CanvasContext"); }
QPoint arg_of(QObject* item) { return item->property("arg").toPoint(); }

// The figures last copied and how often they were pasted since: each further paste of the same
// clipboard goes PASTE_STEP further.
struct PasteRun {
    std::string records;
    int times = 0;
};

PasteRun& paste_run()
{
    static PasteRun run;
    return run;
}

// Puts figures on the clipboard, a new run of pastes begins, and line is traced; nothing at all
// when there are none.
int copied(const ObjectList& figures, const char* line)
{
    if (figures.count == 0) return IUP_DEFAULT;
    copy_to_clipboard(figures);
    paste_run() = {list_bytes(&figures), 0};
    trace("%s", line);
    return IUP_DEFAULT;
}

}  // namespace

int cut_act(QObject* item) { return copied(cut_highlighted(canvas_of(item)), "\nCut."); }

int copy_act(QObject* item) { return copied(figures_to_copy(canvas_of(item)), "\nCopy."); }

int paste_act(QObject* item)
{
    const std::optional<std::string> bytes = clipboard_figure_bytes();
    const std::optional<ObjectList> figures = bytes ? figures_of_ours(*bytes) : std::nullopt;
    if (!figures) return IUP_DEFAULT;  // another program's picture, text or bytes under our type
    PasteRun& run = paste_run();
    if (*bytes != run.records) run = {*bytes, 0};
    if (!paste_figures(canvas_of(item), pasted_place(*figures, run.times + 1))) return IUP_DEFAULT;
    ++run.times;
    trace("\nPaste.");
    return IUP_DEFAULT;
}

int duplicate_act(QObject* item)
{
    CanvasWidget* canvas = canvas_of(item);
    const ObjectList figures = figures_to_copy(canvas);
    if (figures.count == 0) return IUP_DEFAULT;
    if (paste_figures(canvas, pasted_place(figures, 1))) trace("\nDuplicate.");
    return IUP_DEFAULT;
}

int order_act(QObject* item)
{
    reorder_highlighted(canvas_of(item), static_cast<Place>(arg_of(item).x()));
    return IUP_DEFAULT;
}

int tool_key_act(QObject* item)
{
    CanvasWidget* canvas = canvas_of(item);
    auto* toggle = get_pointer_attribute<QToolButton>(item, "toggle");
    if (canvas && toggle && !canvas->buttons_held()) toggle->click();  // a tool changes only between gestures
    return IUP_DEFAULT;
}

int cancel_act(QObject* item)
{
    cancel_gesture(canvas_of(item));
    return IUP_DEFAULT;
}

int delete_act(QObject* item)
{
    delete_marked(canvas_of(item));
    return IUP_DEFAULT;
}

int nudge_act(QObject* item)
{
    nudge_highlighted(canvas_of(item), arg_of(item).x(), arg_of(item).y());
    return IUP_DEFAULT;
}

int stretch_act(QObject* item)
{
    stretch_highlighted(canvas_of(item), arg_of(item).x(), arg_of(item).y());
    return IUP_DEFAULT;
}

int points_act(QObject* item)
{
    type_points_of_highlighted(canvas_of(item));
    return IUP_DEFAULT;
}

int insert_act(QObject* item)
{
    insert_at_centre(canvas_of(item));
    return IUP_DEFAULT;
}

int tab_act(QObject* item)
{
    highlight_next(canvas_of(item), arg_of(item).x());
    return IUP_DEFAULT;
}

bool has_highlight(QObject* item) { return highlighted_figure(canvas_list(canvas_of(item))) >= 0; }

bool has_figures_to_copy(QObject* item) { return figures_to_copy(canvas_of(item)).count > 0; }

bool clipboard_has_figures(QObject*)
{
    const std::optional<std::string> bytes = clipboard_figure_bytes();
    return bytes && figures_of_ours(*bytes);
}
