// The View menu's commands on the grid (canvas/grid.h): shown or hidden, snapping on or off, and
// its spacing. Each is a row of the key table. None changes the drawing, so none is an undo step
// or prints a trace line; a screen reader hears the new state.
#pragma once

class CanvasWidget;

// "Grade" (Ctrl+G): the grid shown or hidden, between gestures only (its redraw would end one).
void toggle_grid(CanvasWidget* canvas);
// "Alinhar à grade" (Ctrl+Shift+G): the points the pointer places go to the grid, or not.
void toggle_snapping(CanvasWidget* canvas);
// "Espaçamento da grade...": asks a spacing of 2 to 100 pixels; Cancel changes nothing.
void ask_grid_spacing(CanvasWidget* canvas);
