// At start-up, once the window is up: the newest copy left by an editor that no longer runs is
// offered back in one box, "Sim" bringing it back as one undoable step, "Nao" removing it. Copies
// that cannot be read are moved aside (renamed damaged-...) with a line on standard error.
#pragma once

#include "app/recovery_copy.h"

#include <optional>

class CanvasWidget;

// The newest readable copy in the folder other than own's, locked; the others are left for later
// starts, the damaged ones moved aside.
std::optional<LeftCopy> newest_left_copy(const RecoveryCopy& own);
// Asks about the newest left copy, if any, and does what the answer says.
void offer_left_copy(RecoveryCopy* own, CanvasWidget* canvas);
