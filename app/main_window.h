// The one window, "Editor de Objetos": menu bar, tool bar and canvas, and the start-up that binds
// every callback to its name.
#pragma once

#include "canvas/tool_table.h"
#include "core/shape_list.h"

#include <array>

class CanvasWidget;
class QAction;
class QMainWindow;
class QToolButton;
class QUndoStack;
class QWidget;
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
    QAction* item_points = nullptr;      // "Posicao e tamanho..." (F4)
    QAction* item_info = nullptr;
    QAction* item_help = nullptr;
};

// The frame of five exclusive toggles in two groups, pushed to the left.
QWidget* build_toolbar(MainWindow& w);
// Builds the whole window and the figure list, and hangs the list and canvas on the elements.
MainWindow build_main_dialog();
// Registers every callback under its name, in start-up order.
void register_callbacks();
// Builds and shows the window, creates the canvas context, binds the callbacks, starts the recovery
// copy and, once the event loop runs, offers a copy left by an ended editor; false (after the
// list's message) when the figure list could not be allocated.
bool start_editor(MainWindow& w);
