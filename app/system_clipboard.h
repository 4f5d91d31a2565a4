// The system clipboard's forms of copied figures: our own (the 28-byte records of a drawing file
// under FIGURES_MIME), and for other programs image/svg+xml and image/png, the very bytes
// quadrix-export --fit writes for the same figures. Paste reads our own form only.
#pragma once

#include "core/shape_list.h"

#include <cstdint>
#include <optional>
#include <string>

class QMimeData;

inline const char* const FIGURES_MIME = "application/x-quadrix-drawing";

// The largest PNG a Copy makes: figures spread over a page of more pixels than a 4K screen twice
// over would hold up the window for seconds and a gigabyte, so that picture is left out.
constexpr int64_t MAX_CLIPBOARD_PIXELS = 4096 * 4096;

// Every form of figures; a picture form the converter would refuse (a page past its largest
// side, an ellipse no outline carries) or too large a PNG is left out rather than made different.
QMimeData* figures_mime_data(const ObjectList& figures);
// Puts figures on the system clipboard.
void copy_to_clipboard(const ObjectList& figures);
// Our form's bytes on the clipboard, or nothing when it holds none.
std::optional<std::string> clipboard_figure_bytes();
