// The clipboard's commands on the drawing: Cut, Copy, Paste and Duplicate, each a row of the key
// table (app/key_table.h). The figures they take and where a paste puts them are canvas/'s
// (canvas/figure_transfer.h); the clipboard's forms are app/system_clipboard.h's.
#pragma once

class CanvasWidget;

// Each traces a line of its own ("\nCut.", "\nCopy.", "\nPaste.", "\nDuplicate.") when it did its
// work, and nothing when there was nothing to take or the drawing is full.
void cut_figures(CanvasWidget* canvas);
void copy_figures(CanvasWidget* canvas);
void paste_from_clipboard(CanvasWidget* canvas);
void duplicate_figures(CanvasWidget* canvas);
// Whether the clipboard holds figures of ours now, so Paste is offered.
bool clipboard_has_figures();
