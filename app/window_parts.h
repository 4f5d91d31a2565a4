// The parts of the one window, "Editor de Objetos", that commands and start-up reach: its menu
// items, tool toggles, canvas, figure list and history. app/main_window.h builds it; a plain struct
// of pointers, so any room of app/ may read it without including the code that builds it.
#pragma once

#include "canvas/tool_table.h"
#include "core/shape_list.h"

#include <array>

class CanvasWidget;
class QAction;
class QMainWindow;
class QToolButton;
class QUndoStack;
class Radio;
class RecoveryCopy;

struct MainWindow {
    QMainWindow* dialog = nullptr;
    CanvasWidget* canvas = nullptr;
    ObjectList* list = nullptr;          // null when memory was short
    QUndoStack* history = nullptr;       // every change of the drawing, for undo and redo
    RecoveryCopy* recovery = nullptr;    // the copy of changes in no file, for the next start
    Radio* radio = nullptr;
    std::array<QToolButton*, TOOL_COUNT> toggles{};  // one per row of TOOLS, in its order
    QAction* item_new = nullptr;
    QAction* item_open = nullptr;
    QAction* item_save = nullptr;
    QAction* item_save_as = nullptr;
    QAction* item_exit = nullptr;
    QAction* item_undo = nullptr;        // from the history: greyed when there is nothing to undo
    QAction* item_redo = nullptr;
    QAction* item_cut = nullptr;         // the editing commands (app/edit_commands.h)
    QAction* item_copy = nullptr;
    QAction* item_paste = nullptr;
    QAction* item_duplicate = nullptr;
    QAction* item_to_top = nullptr;
    QAction* item_to_bottom = nullptr;
    QAction* item_raise = nullptr;
    QAction* item_lower = nullptr;
    QAction* item_select_all = nullptr;  // "Selecionar tudo" (Ctrl+A)
    QAction* item_points = nullptr;      // "Posição e tamanho..." (F4)
    QAction* item_grid = nullptr;        // View: "Grade" (Ctrl+G), checked while the grid shows
    QAction* item_snap = nullptr;        // "Alinhar à grade" (Ctrl+Shift+G), checked while snapping
    QAction* item_grid_spacing = nullptr;  // "Espaçamento da grade..."
    QAction* item_info = nullptr;
    QAction* item_help = nullptr;
};
