// The gesture in progress: a rectangle or ellipse drag, a triangle being placed, a select drag.
// While one runs, "motion_act" is its motion handler; the idle trace handler otherwise. Knowing no
// tool, it is what every tool and command may ask (canvas/cancel.h abandons one).
#pragma once

bool gesture_in_progress();

class CanvasWidget;
struct ObjectList;

// The one check of every key and command that works on the drawing: canvas's drawing when one may
// act on it now (it exists, and no gesture owns the pointer), else null.
ObjectList* drawing_for_keys(CanvasWidget* canvas);
