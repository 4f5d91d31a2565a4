// The undo history: every change of the drawing (see canvas/door.h) becomes one step of a
// QUndoStack that restores the figures and the file name as they were before or after it.
#pragma once

#include <cstddef>

class CanvasWidget;
class QObject;
class QUndoStack;

// What the history may hold at most, and so how many steps it keeps (oldest dropped first).
constexpr std::size_t HISTORY_BYTES = 16u << 20;
int history_step_limit();

// A history owned by parent that records each change of the drawing on canvas; undoing or
// redoing a step restores it, redraws the canvas and traces "\nUndo." or "\nRedo.".
QUndoStack* create_history(QObject* parent, CanvasWidget* canvas);
// Undo or redo from the keyboard or the menu: a gesture in progress is cancelled instead.
void undo_step(QUndoStack* history, CanvasWidget* canvas);
void redo_step(QUndoStack* history, CanvasWidget* canvas);
