// The canvas's resize and repaint callbacks: both redraw the whole drawing, then trace.
#pragma once

class CanvasWidget;

int resize_act(CanvasWidget* canvas, int width, int height);
int repaint_act(CanvasWidget* canvas);
