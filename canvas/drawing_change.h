// What one change of the drawing did, as the door that made it knows it: a plain record the undo
// history keeps, the recovery copy and the accessibility layer hear, and the sentences a listener
// hears are made from (canvas/figure_words.h). Nothing learns what happened by comparing drawings.
#pragma once

#include "canvas/selection.h"
#include "core/figure_arrangement.h"
#include "core/shape_list.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class ChangeKind {
    Added,      // figures put on top (a creation tool, Return, Paste, Duplicate)
    Removed,    // figures taken out (Delete, Cut, the delete tool)
    Moved,      // figures displaced, all by the same dx, dy
    Stretched,  // each figure's points but the first displaced by dx, dy
    Rewritten,  // figures given new points otherwise (typed in, arranged)
    Reordered,  // the same figures in another order
    Replaced,   // the whole drawing: New, Open, a recovered copy
};

// How a whole drawing came: said differently to a listener.
enum class Replacement { New, Opened, Recovered };

// Undo and Redo replay a change: the same record, said after "Desfeito:" or "Refeito:".
enum class Replay { None, Undone, Redone };

struct DrawingChange {
    ChangeKind kind = ChangeKind::Rewritten;
    FigureSet figures{};                 // the figures touched: their places after the change (before it, for Removed)
    std::vector<ShapeRecord> records{};  // those figures in drawing order, as they are after it (as they were, for Removed)
    std::vector<ShapeRecord> records_before{};  // Moved, Stretched, Rewritten: as they were
    int64_t dx = 0;                      // Moved, Stretched: by how much, in the drawing's coordinates (y up)
    int64_t dy = 0;
    int count = 0;                       // the drawing's figures after the change
    Replacement replacement = Replacement::New;
    std::optional<Arrangement> arrangement{};  // Rewritten by an Arrange command: which
    bool joins_run = false;  // an arrow key's: may join the same figures' run of the same kind just before it
    Replay replay = Replay::None;
};
