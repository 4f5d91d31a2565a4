// One kind of step serves every change: the document is small (5.6 KB), so a step keeps the whole
// drawing before and after, which is obviously correct for inserts, moves, deletes, New and Open
// alike. Each step is pushed after its change, so its first redo() does nothing.
#include "app/undo_history.h"

#include "canvas/canvas_context.h"
#include "canvas/edits.h"
#include "canvas/gesture.h"
#include "canvas/shape_drawing.h"
#include "shapes/trace.h"

#include <QUndoStack>
#include <climits>

namespace {

class DrawingStep : public QUndoCommand {
public:
    DrawingStep(CanvasWidget* canvas, const DrawingState& before, const DrawingState& after, const EditTag& tag)
        : canvas_(canvas), before_(before), after_(after), tag_(tag) {}

    // A run of nudges of one figure is one step: each joins the one before it (Qt merges only
    // with the step on top, so any other step between ends the run).
    int id() const override { return tag_.kind == EditKind::Nudge ? NUDGE_STEP : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const DrawingStep*>(other);
        if (next->tag_.figure != tag_.figure) return false;
        after_ = next->after_;
        return true;
    }

    void undo() override { show(before_, "\nUndo."); }
    void redo() override
    {
        if (pushed_) show(after_, "\nRedo.");
        pushed_ = true;
    }

private:
    // Through the canvas's "objetos": once Exit has freed the list, nothing is restored.
    void show(const DrawingState& state, const char* line)
    {
        ObjectList* list = canvas_list(canvas_);
        if (!list) return;
        restore_drawing(list, state);
        redraw_all(canvas_, list);
        trace("%s", line);
    }

    CanvasWidget* canvas_;
    DrawingState before_;
    DrawingState after_;
    EditTag tag_;
    bool pushed_ = false;
    static constexpr int NUDGE_STEP = 1;
};

}  // namespace

// File names are paths, at most PATH_MAX bytes; the rest is the step itself and Qt's share.
std::size_t step_bytes_max() { return sizeof(DrawingStep) + 2 * PATH_MAX + 256; }

int history_step_limit() { return static_cast<int>(HISTORY_BYTES / step_bytes_max()); }

QUndoStack* create_history(QObject* parent, CanvasWidget* canvas)
{
    auto* history = new QUndoStack(parent);
    history->setUndoLimit(history_step_limit());
    set_edit_listener([history, canvas](const DrawingState& before, const DrawingState& after, const EditTag& tag) {
        history->push(new DrawingStep(canvas, before, after, tag));
    });
    QObject::connect(history, &QObject::destroyed, [] { set_edit_listener({}); });
    return history;
}

void undo_step(QUndoStack* history, CanvasWidget* canvas)
{
    if (!cancel_gesture(canvas)) history->undo();
}

void redo_step(QUndoStack* history, CanvasWidget* canvas)
{
    if (!cancel_gesture(canvas)) history->redo();
}
