// The system clipboard's forms of copied figures: our own (the 28-byte records of a drawing file
// under FIGURES_MIME), and for other programs image/svg+xml and image/png, the very bytes
// quadrix-export --fit writes for the same figures. Paste reads our own form only.
#pragma once

#include "shapes/shape_list.h"

#include <optional>
#include <string>

class QMimeData;

inline const char* const FIGURES_MIME = "application/x-quadrix-drawing";

// Every form of figures; a picture form the converter would refuse (a page past its largest
// side, an ellipse no outline carries) is left out rather than made different.
QMimeData* figures_mime_data(const ObjectList& figures);
// Puts figures on the system clipboard.
void copy_to_clipboard(const ObjectList& figures);
// Our form's bytes on the clipboard, or nothing when it holds none.
std::optional<std::string> clipboard_figure_bytes();
