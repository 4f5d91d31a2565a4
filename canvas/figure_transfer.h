// The figures Copy, Cut, Paste and Duplicate work on, apart from the clipboard itself (which
// app/ fills and reads): what is copied, where a paste puts it, and the changes through the door.
#pragma once

#include "core/shape_list.h"

#include <optional>
#include <string_view>

class CanvasWidget;

// How far each further paste of the same figures goes, right and down on the screen.
constexpr int PASTE_STEP = 10;

// The selected figures in drawing order, or the whole drawing when none is; empty when a gesture
// is in progress.
ObjectList figures_to_copy(CanvasWidget* canvas);
// Cut: takes the selected figures away and returns them; empty (and nothing changed) when none is.
ObjectList cut_selection(CanvasWidget* canvas);
// The figures of bytes from the clipboard when they are figures of ours: 1 to 200 whole records,
// each of a kind Quadrix makes. Any program may put any bytes under our type: nothing otherwise.
std::optional<ObjectList> figures_of_ours(std::string_view bytes);
// figures moved times PASTE_STEP right and down, as the times-th paste of them shows them.
ObjectList pasted_place(const ObjectList& figures, int times);
// Adds figures on top as one step and redraws, the new figures selected; false,
// with the limit message and nothing added, when the drawing would pass its 200 figures or a
// gesture is in progress (then no message).
bool paste_figures(CanvasWidget* canvas, const ObjectList& figures);
