// The three drawing tools: rectangle and ellipse by a left drag, triangle by three left clicks,
// each with rubber-band feedback, appending the finished figure to the list. With the grid's
// snapping on, every point the pointer places (and the feedback's) is on the grid, unless Ctrl is held.
#pragma once

class CanvasWidget;

int rect_button(CanvasWidget* canvas, int button, int pressed, int x, int y);
int rect_motion(CanvasWidget* canvas, int x, int y);
int ellipse_button(CanvasWidget* canvas, int button, int pressed, int x, int y);
int ellipse_motion(CanvasWidget* canvas, int x, int y);
int triangle_button(CanvasWidget* canvas, int button, int pressed, int x, int y);
int triangle_motion(CanvasWidget* canvas, int x, int y);
