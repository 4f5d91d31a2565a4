// The one door through which the drawing and its file change: a creation tool's insert, a select
// drag's move or stretch, the delete tool, New, Open and Save, undo and redo, and the keyboard's
// paste, nudge and reorder. Each change compares the drawing (its figures and its file name)
// before and after and tells the edit listener of every real change, so the undo history records
// each change in exactly one place. The door alone writes the file name and knows which figures
// each file holds, so every watcher learns of each change once, with whether the drawing is now in
// its file. The list operations below these do the work.
#pragma once

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

// What a change was, beyond its before and after: an arrow key's nudge (or a Ctrl+arrow's
// stretch) of some figures may join the nudges (stretches) of the same figures just before it into
// one undo step; every other change stands alone. The selection before the change goes with it,
// for undo to bring back.
enum class EditKind { Change, Nudge, Stretch };
struct EditTag {
    EditKind kind = EditKind::Change;
    FigureSet figures{};              // the figures a nudge or stretch changed
    SelectionState selected_before{}; // filled in by the door
};

using EditListener =
    std::function<void(const DrawingState& before, const DrawingState& after, const EditTag& tag)>;
// Called after every change that left the drawing different; an empty function stops it.
void set_edit_listener(EditListener listener);

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
// Rewrite figure i (a move or a stretch).
void replace_shape(ObjectList* list, int i, ShapeRecord r);
// Remove figure i (or the figures of which), keeping the order of the others.
void delete_shape(ObjectList* list, int i);
void delete_shapes(ObjectList* list, const FigureSet& which);
// New: no figures and no file name.
void new_drawing(ObjectList* list);
// Open: the figures of file name, which becomes the current file; -1 and no change on failure.
int open_drawing(ObjectList* list, const std::string& name);
// Save and Save As: writes the figures to name, which becomes the current file even when the
// write fails (a later Save tries it again without asking); false when it failed. No undo step.
bool save_drawing(const ObjectList* list, const std::string& name);

// Append n figures on top, in their order, with no trace line; 0 and no change when they do not
// all fit.
int insert_shapes(ObjectList* list, const ShapeRecord* records, int n);
// Rewrite the figures of which as figures holds them (the same count), as one change of kind:
// a drag of several, or an arrow key's nudge or a Ctrl+arrow's stretch (see EditTag).
void rewrite_shapes(ObjectList* list, const ObjectList& figures, const FigureSet& which, EditKind kind);
// Put the figures in a new order: slot k (0 is the bottom) takes the figure that was at order[k].
void reorder_shapes(ObjectList* list, const std::vector<int>& order);

// A drawing brought back from a recovery copy: its figures and the file they belong to.
void recover_drawing(ObjectList* list, const DrawingState& state);

// The drawing as it is now.
DrawingState current_drawing(const ObjectList* list);
// Undo and redo: the figures of state back (the listener is not told). The file name is put back
// only with renames: only a step whose own change renamed the drawing restores it.
void put_back_drawing(ObjectList* list, const DrawingState& state, bool renames);
