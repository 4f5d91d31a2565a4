// At start-up, once the window is up: the newest copy left by an editor that no longer runs is
// offered back in one box, "Sim" bringing it back as one undoable step, "Nao" removing it. Copies
// that cannot be read are moved aside (renamed damaged-...) with a line on standard error.
#pragma once

#include "app/recovery_copy.h"

#include <optional>

class CanvasWidget;

// The newest readable copy in folder other than own_stem's, locked; the others are left for later
// starts, the damaged ones moved aside. Whatever the folder holds is read as untrusted input.
std::optional<LeftCopy> newest_left_copy(const QString& folder, const QString& own_stem);
// Asks about the newest left copy, if any, and does what the answer says.
void offer_left_copy(RecoveryCopy* own, CanvasWidget* canvas);
