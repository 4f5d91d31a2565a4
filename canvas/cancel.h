// Esc, and Undo or Redo pressed during a gesture: the gesture in progress is abandoned, whatever
// tool runs it.
#pragma once

class CanvasWidget;

// Abandons the gesture in progress, leaving the canvas as after a finished gesture of the same
// tool with nothing stored: its feedback and committed triangle edges are taken off the canvas,
// a dragged figure stays where it was, unhighlighted, and the release still to come does
// nothing. Prints "\nCancel."; false (and nothing printed) when no gesture was in progress.
bool cancel_gesture(CanvasWidget* canvas);
