// The select tool (left drag moves the top-most figure under the pointer, right drag stretches it
// by its second point) and the delete tool (a left click removes it).
#pragma once

class CanvasWidget;

int select_button(CanvasWidget* canvas, int button, int pressed, int x, int y);
int delete_button(CanvasWidget* canvas, int button, int pressed, int x, int y);
