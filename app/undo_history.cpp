// One kind of step serves every change: the document is small (5.6 KB), so a step keeps the whole
// drawing before and after, which is obviously correct for inserts, moves, deletes, New and Open
// alike. The file name is put back only by a step whose own change renamed the drawing (New,
// Open): Save As renames it without a step, and undoing an older insert must not point the next
// Save at the file of before. Each step is pushed after its change, so its first redo() does
// nothing.
#include "app/undo_history.h"

#include "canvas/canvas_context.h"
#include "canvas/door.h"
#include "canvas/cancel.h"
#include "canvas/interaction_state.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "core/trace.h"

#include <QUndoStack>
#include <climits>
#include <utility>

namespace {

class DrawingStep : public QUndoCommand {
public:
    DrawingStep(CanvasWidget* canvas, const DrawingState& before, const DrawingState& after,
                const DrawingChange& change, const SelectionState& selected_before)
        : canvas_(canvas), before_(before), after_(after), renames_(before.file_name != after.file_name),
          change_(change), selected_before_(selected_before) {}

    // A run of nudges (or of stretches) of one figure is one step: each joins the one before it
    // (Qt merges only with the step on top, of the same kind, so any other step ends the run). A run that ends where it
    // began is no step at all: the history drops it, so Undo always changes what the user sees.
    int id() const override { return change_.joins_run ? static_cast<int>(change_.kind) : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const DrawingStep*>(other);
        if (next->change_.figures != change_.figures) return false;
        after_ = next->after_;
        change_.dx += next->change_.dx;
        change_.dy += next->change_.dy;
        change_.records = next->change_.records;  // records_before stay those of the run's start
        setObsolete(same_drawing(before_, after_));
        return true;
    }

    void undo() override
    {
        selected_after_ = selection_now();
        put_back(before_, selected_before_, Replay::Undone, "\nUndo.");
    }
    void redo() override
    {
        if (pushed_) put_back(after_, selected_after_, Replay::Redone, "\nRedo.");
        pushed_ = true;
    }

private:
    // Restores, redraws and traces. Through the canvas's "objetos": once Exit has freed the list,
    // nothing is restored. A selection of several comes back with its figures; the change of one
    // figure leaves none highlighted, as a redraw does.
    void put_back(const DrawingState& state, const SelectionState& selected, Replay replay, const char* line)
    {
        ObjectList* list = canvas_list(canvas_);
        if (!list) return;
        if (selected.set.count() > 1) put_back_selection(selected);
        else forget_selection();
        DrawingChange replayed = change_;
        replayed.replay = replay;
        // Undone, the figures are as they were: what is said of them is where they are now.
        if (replay == Replay::Undone && !replayed.records_before.empty()) std::swap(replayed.records, replayed.records_before);
        put_back_drawing(list, state, renames_, replayed);
        redraw_all(canvas_, list);
        trace("%s", line);
    }

    CanvasWidget* canvas_;
    DrawingState before_;
    DrawingState after_;
    bool renames_;
    DrawingChange change_;            // what the change did, said again by its undo and redo
    SelectionState selected_before_;  // as it was before the change
    SelectionState selected_after_;  // as it was when this step was last undone
    bool pushed_ = false;
};

}  // namespace

// The most one step can take: two whole drawings and two file names of at most PATH_MAX bytes, the
// rest being the step itself and Qt's share.
constexpr std::size_t STEP_BYTES_MAX = sizeof(DrawingStep) + 2 * PATH_MAX + 256;

int history_step_limit() { return static_cast<int>(HISTORY_BYTES / STEP_BYTES_MAX); }

QUndoStack* create_history(QObject* parent, CanvasWidget* canvas)
{
    auto* history = new QUndoStack(parent);
    history->setUndoLimit(history_step_limit());
    set_door_listener([history, canvas](const DrawingState& before, const DrawingState& after,
                                        const DrawingChange& change, const SelectionState& selected_before) {
        history->push(new DrawingStep(canvas, before, after, change, selected_before));
    });
    QObject::connect(history, &QObject::destroyed, [] { set_door_listener({}); });
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
