// The gesture in progress: a rectangle or ellipse drag, a triangle being placed, a select drag.
// While one runs, "motion_act" is its motion handler; the idle trace handler otherwise.
#pragma once

class CanvasWidget;

bool gesture_in_progress();
// Abandons the gesture in progress, leaving the canvas as after a finished gesture of the same
// tool with nothing stored: its feedback and committed triangle edges are taken off the canvas,
// a dragged figure stays where it was, unhighlighted, and the release still to come does
// nothing. Prints "\nCancel."; false (and nothing printed) when no gesture was in progress.
bool cancel_gesture(CanvasWidget* canvas);
