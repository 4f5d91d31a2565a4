// The select tool (left drag moves the top-most figure under the pointer, right drag stretches it
// by its second point) and the delete tool (a left click removes it). With the grid's snapping
// on and Ctrl not held, a move lands the grabbed figure's first point on the grid, a stretch its
// second point; a band stays exact.
#pragma once

#include "core/shape_list.h"

class CanvasWidget;

// "button_act" of the select tool: a press grabs and highlights, the same button's release commits.
int select_button(CanvasWidget* canvas, int button, int pressed, int x, int y);
// "motion_act" during a left or right select drag: the displaced figure's feedback outline.
int move_motion(CanvasWidget* canvas, int x, int y);
int stretch_motion(CanvasWidget* canvas, int x, int y);
// True from the press that grabs a figure to the release of the same button.
bool select_drag_running();
// "button_act" of the delete tool: a left press removes the top-most figure under the pointer.
int delete_button(CanvasWidget* canvas, int button, int pressed, int x, int y);

// Figure index displaced by the pointer's distance from the anchor, every point of it; the list is
// not changed. Coordinates are held at the int32 limits rather than wrapping.
ShapeRecord shape_translate(const ObjectList* list, int index, int px, int py);
// The same, but the first point stays where it is and only the others move.
ShapeRecord shape_stretch(const ObjectList* list, int index, int px, int py);
