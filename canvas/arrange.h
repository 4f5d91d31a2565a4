// The keyboard's work on the drawing, between gestures, so that no figure needs the pointer:
// Return makes a figure of the chosen tool's kind; whatever tool is chosen, Tab and Shift+Tab walk
// the selection through every figure (those no click can pick included) and Ctrl+Tab adds the
// next one, Ctrl+A selects all and Esc none; the arrow keys nudge the selection, Ctrl+arrows
// stretch it, F4 types one figure's points in, Home, End, Page Up and Page Down change its place in
// the drawing order, Delete removes it.
// Every change goes through the door (canvas/door.h); the selection stays selected.
#pragma once

#include "core/figure_arrangement.h"
#include "core/figure_layout.h"

class CanvasWidget;

// Tab (step -1: from the focused figure downwards, round again) or Shift+Tab (step +1) selects the
// next figure alone; with add (Ctrl), it joins the selection and takes the focus. With none
// focused, Tab starts at the top-most figure and Shift+Tab at the bottom-most.
void step_selection(CanvasWidget* canvas, int step, bool add);
// Ctrl+A: every figure; Esc between gestures: none.
void select_all(CanvasWidget* canvas);
void select_none(CanvasWidget* canvas);
// The Delete key: removes the selected figures and redraws.
void delete_selection(CanvasWidget* canvas);
// Moves the selected figures by dx, dy screen pixels (y down), one undo step for a run of them.
void nudge_selection(CanvasWidget* canvas, int dx, int dy);
// The same for a stretch of each, as a right drag with Sel makes it: the first point stays.
void stretch_selection(CanvasWidget* canvas, int dx, int dy);
// With exactly one figure selected: opens "Posição e tamanho" with its points as its file holds
// them; OK rewrites the figure as one undo step, Cancel or unchanged values change nothing.
void type_points_of_selected(CanvasWidget* canvas);
// With Rect, Ellipse or Triang chosen: a figure of that kind at the centre of the drawing area,
// 100 by 60 pixels (shifted to put its first point on the grid while snapping is on), with its
// insert line, left selected; the limit message when the drawing
// is full. Nothing with Sel or Del.
void insert_at_centre(CanvasWidget* canvas);

// Alt+arrows: the selection becomes the figure nearest the focused one in that direction on the
// screen (core/figure_layout.h); with none focused, the one nearest the opposite edge. With no
// figure that way nothing changes, and a listener hears so.
void focus_nearest(CanvasWidget* canvas, Direction d);
// The Arrange menu: aligns, distributes, flips or turns the selection (core/figure_arrangement.h)
// as one undo step, the selection kept; nothing with fewer figures selected than it needs.
void arrange_selection(CanvasWidget* canvas, Arrangement how);
// Ctrl+I: the whole drawing described to a listener (canvas/figure_words.h).
void describe_drawing(CanvasWidget* canvas);

enum class Place { Top, Bottom, Up, Down };
// Home (top of the drawing, drawn last and picked first) and End (bottom) take the selection
// there keeping its order; Page Up and Page Down move each selected figure one place past the
// next figure outside the selection (one already at that end stays).
void reorder_selection(CanvasWidget* canvas, Place place);
