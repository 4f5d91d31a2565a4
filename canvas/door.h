// The door: the one way the drawing and its file change. A creation tool's insert, a select drag's
// move or stretch, the delete tool, New, Open and Save, undo and redo, and the keyboard's paste,
// nudge, reorder and arrangements all come through it. Each operation knows what it does and says
// so in a DrawingChange (canvas/drawing_change.h); a change that left the drawing as it was is
// told to no one. The door alone writes the file name and knows which figures each file holds, so
// every watcher learns of each change once, with whether the drawing is now in its file. It maps
// the selection through every change; the list operations below these do the work.
#pragma once

#include "canvas/drawing_change.h"
#include "canvas/selection.h"
#include "core/shape_list.h"

#include <functional>
#include <string>
#include <vector>

// The current file's name before one is chosen.
inline const char* const NO_FILE_NAME = " ";

// The whole document at one moment: the figures and the file they belong to.
struct DrawingState {
    ObjectList list;
    std::string file_name;
};
// The same figures in the same order and the same file.
bool same_drawing(const DrawingState& a, const DrawingState& b);

// The undo history: called after every change that left the drawing different, with its record
// and the selection as it was before it; an empty function stops it.
using DoorListener = std::function<void(const DrawingState& before, const DrawingState& after,
                                        const DrawingChange& change, const SelectionState& selected_before)>;
void set_door_listener(DoorListener listener);

// Told the record of every change that left the drawing different, and of every undo and redo
// (their replay set). The accessibility layer watches this way; the id returned stops it.
using ChangeWatcher = std::function<void(const DrawingChange& change)>;
int watch_changes(ChangeWatcher watcher);
void stop_watching_changes(int id);

// Told once after every change of the drawing or of its file name, and after a Save: stored says
// whether the drawing is now in its file (its figures are those last read from or written to
// that file; with no file, there are none). The recovery copy watches this way.
using DrawingWatcher = std::function<void(const ObjectList& list, const std::string& file_name, bool stored)>;
// Adds a watcher; the id returned stops it.
int watch_drawing(DrawingWatcher watcher);
void stop_watching(int id);

// The current drawing file, NO_FILE_NAME until one is chosen; only the door changes it.
const std::string& current_file_name();

// A new editor's drawing: no file, and no file known to hold anything.
void start_drawing();
// Whether the drawing is in its file, as the watchers are told.
bool drawing_in_its_file(const ObjectList* list);

// Append a figure (with its trace line); 0 and no change when the list is full.
int insert_rect(ObjectList* list, int xa, int ya, int xb, int yb);
int insert_ellipse(ObjectList* list, int xa, int ya, int xb, int yb);
int insert_triangle(ObjectList* list, int xa, int ya, int xb, int yb, int xc, int yc);
// Append n figures on top, in their order, with no trace line; 0 and no change when they do not
// all fit.
int insert_figures(ObjectList* list, const ShapeRecord* records, int n);
// Remove the figures of which, keeping the order of the others.
void delete_figures(ObjectList* list, const FigureSet& which);
void delete_figure(ObjectList* list, int i);
// Move the figures of which by dx, dy (drawing coordinates, y up), or stretch them (every point
// but the first moves). joins_run: an arrow key's, which may join the run of the same figures just
// before it into one undo step.
void move_figures(ObjectList* list, const FigureSet& which, int64_t dx, int64_t dy, bool joins_run = false);
void stretch_figures(ObjectList* list, const FigureSet& which, int64_t dx, int64_t dy, bool joins_run = false);
// Rewrite figure i with points typed in.
void replace_figure(ObjectList* list, int i, ShapeRecord r);
// Align, distribute, flip or turn the figures of which (core/figure_arrangement.h); no change, and
// no undo step, when they are already so.
void arrange_figures(ObjectList* list, const FigureSet& which, Arrangement how);
// Put the figures in a new order: slot k (0 is the bottom) takes the figure that was at order[k].
void reorder_figures(ObjectList* list, const std::vector<int>& order);
// New: no figures and no file name.
void new_drawing(ObjectList* list);
// Open: the figures of file name, which becomes the current file; -1 and no change on failure.
int open_drawing(ObjectList* list, const std::string& name);
// Save and Save As: writes the figures to name, which becomes the current file even when the
// write fails (a later Save tries it again without asking); false when it failed. No undo step.
bool save_drawing(const ObjectList* list, const std::string& name);
// A drawing brought back from a recovery copy: its figures and the file they belong to.
void recover_drawing(ObjectList* list, const DrawingState& state);

// The drawing as it is now.
DrawingState current_drawing(const ObjectList* list);
// Undo and redo: the figures of state back, and change (its replay set) told to the change
// watchers; the door listener is not told. The file name is put back only with renames: only a
// step whose own change renamed the drawing restores it.
void put_back_drawing(ObjectList* list, const DrawingState& state, bool renames, const DrawingChange& change);
