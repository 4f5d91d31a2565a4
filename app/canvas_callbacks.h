// The canvas's callbacks before any tool is chosen: the button and motion trace, resize, repaint.
#pragma once

class CanvasWidget;

int button_trace(CanvasWidget* canvas, int button, int pressed, int x, int y);
int motion_trace(CanvasWidget* canvas, int x, int y);
int resize_act(CanvasWidget* canvas, int width, int height);
int repaint_act(CanvasWidget* canvas);
