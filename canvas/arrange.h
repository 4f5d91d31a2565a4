// The keyboard's work on the drawing, between gestures, so that no figure needs the pointer:
// Return makes a figure of the chosen tool's kind; whatever tool is chosen, Tab and Shift+Tab walk
// the highlight through every figure (those no click can pick included), the arrow keys nudge it,
// Ctrl+arrows stretch it, F4 types its points in, Home, End, Page Up and Page Down change its
// place in the drawing order, Delete removes it.
// Every change goes through the door (canvas/edits.h); the figure stays highlighted.
#pragma once

#include "core/shape_list.h"

#include <cstdint>

class CanvasWidget;

// The highlighted figure (the select tool's or Tab's), or -1 when none is.
int highlighted_figure(const ObjectList* list);
// Tab (step -1: from the top-most downwards, round again) or Shift+Tab (step +1); with none
// highlighted, Tab starts at the top-most figure and Shift+Tab at the bottom-most.
void highlight_next(CanvasWidget* canvas, int step);
// The Delete key: removes the highlighted figure and redraws.
void delete_marked(CanvasWidget* canvas);
// Moves the highlighted figure by dx, dy screen pixels (y down), one undo step for a run of them.
void nudge_highlighted(CanvasWidget* canvas, int dx, int dy);
// The same for a stretch, as a right drag with Sel makes it: the first point stays.
void stretch_highlighted(CanvasWidget* canvas, int dx, int dy);
// Opens "Posicao e tamanho" with the highlighted figure's points as its file holds them; OK
// rewrites the figure as one undo step, Cancel or unchanged values change nothing.
void type_points_of_highlighted(CanvasWidget* canvas);
// With Rect, Ellipse or Triang chosen: a figure of that kind at the centre of the drawing area,
// 100 by 60 pixels, with its insert line, left highlighted; the limit message when the drawing
// is full. Nothing with Sel or Del.
void insert_at_centre(CanvasWidget* canvas);

enum class Place { Top, Bottom, Up, Down };
// Home (top of the drawing, drawn last and picked first), End (bottom), Page Up or Page Down
// (one place); nothing at the end it would pass.
void reorder_highlighted(CanvasWidget* canvas, Place place);

// Redraws the drawing with figure i (or none, -1) highlighted.
void show_highlighted(CanvasWidget* canvas, ObjectList* list, int i);
