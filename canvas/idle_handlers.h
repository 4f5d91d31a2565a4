// The canvas's button and motion handlers when nothing is being drawn: they only trace.
#pragma once

class CanvasWidget;

// "button_act" until a tool is chosen: "\nBotao N pressionado em (x, y)" or "... solto em ...".
int button_trace(CanvasWidget* canvas, int button, int pressed, int x, int y);
// "motion_act" whenever no drag or triangle is in progress: "<x,y>".
int motion_trace(CanvasWidget* canvas, int x, int y);
// Ends whatever gesture owned the pointer: motion goes back to the trace.
void end_gesture();
