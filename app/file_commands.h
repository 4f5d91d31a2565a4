// The menu commands: New, Open, Save, Save As, Exit, Info and Help, and the file dialog they share.
// Each finds the list in its item's "objetos" attribute and the canvas in its "CanvasContext".
#pragma once

#include "toolkit/dialogs.h"

#include <optional>
#include <string>

class CanvasWidget;
class QObject;
struct ObjectList;

// Asks for a file ("OPEN" or "SAVE" dialog): the path chosen, or nothing when cancelled. The
// command that asked decides whether it becomes file_name.
std::optional<std::string> ask_file_name(FileDialogKind kind);

// Open once the name is known (the menu's dialog or a dropped file): the drawing read from name
// with its trace line and redraw, or the read error's message with nothing changed.
bool open_named(ObjectList* list, CanvasWidget* canvas, const std::string& name);

int AtoNovo(QObject* item);
int open_act(QObject* item);
int save_act(QObject* item);
int AtoSalvarComo(QObject* item);
int exit_act(QObject* item);
int info_act(QObject* item);
int AtoAjuda(QObject* item);
