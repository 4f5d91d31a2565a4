// Every command with a key or a menu item, one row each, in the order of the menus: its place, its
// text, the callback it runs (by name, as every item is bound), its keys, and when it is greyed.
// The menus, the shortcuts, the guide's table of keys and the tests all read COMMANDS; a new
// command is one row. Start with COMMANDS in key_table.cpp.
#pragma once

#include "toolkit/callbacks.h"

#include <QKeySequence>
#include <QList>

#include <span>
#include <string>

class QAction;
class QMenu;
class CanvasWidget;
class QObject;
class QUndoStack;
class Radio;
struct MainWindow;

// Where a command's item is: a menu of the bar, the bar itself, or nowhere (a key alone).
enum class Where { File, Edit, View, Arrange, Bar, Keys };

// The menus of the bar that hold items, in the bar's order.
struct Menus {
    QMenu* file;
    QMenu* edit;
    QMenu* view;
    QMenu* arrange;
};

// What a command works on, found on its item when it runs.
struct CommandTarget {
    CanvasWidget* canvas = nullptr;
    QUndoStack* history = nullptr;
    Radio* tools = nullptr;
};
using CommandFn = void (*)(const CommandTarget& target);
using OfferedFn = bool (*)(const CommandTarget& target);

// One command. A row names only what it uses; the rest keeps these defaults.
struct Command {
    Where where = Where::Keys;
    const char* text = nullptr;   // the item's text, or for a key alone what it does; null: a separator
    const char* name = nullptr;   // the callback the item runs, looked up by name at each event
    ActionFn callback = nullptr;  // registered under name: a callback of its own (File's and the bar's)
    CommandFn run = nullptr;      // or what the command does, run by the callback the table registers
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;  // the platform's keys for it
    const char* keys = "";        // ours, added to those: portable key names separated by "; "
    OfferedFn offered = nullptr;  // null: always; else greyed (and idle) while it says false
    OfferedFn checked = nullptr;  // null: a plain item; else a checkable one, checked while it says true
    QAction* MainWindow::*item = nullptr;  // where the window keeps the item, or null
    const char* help_keys = nullptr;       // how the guide writes its keys (and its group's); null: keys
    const char* help = nullptr;            // what it does, for the guide; null: said with the row before
};

// The rows, in the order of the menus and then of the keys alone.
std::span<const Command> commands();

// The platform's keys for a standard command, with ours added where the platform has none.
QList<QKeySequence> keys_of(const Command& command);
// Registers every row's callback under its name.
void register_command_callbacks();
// Makes every row's item on the window: in its menu, on the bar, or on the window for a key
// alone, with its keys and what it works on ("CanvasContext", "history", "tools").
void build_commands(MainWindow& w, const Menus& menus);
// With shown, greys each item of menu whose command has nothing to work on now; run when the menu
// opens. Closed, the items are offered again and their keys work wherever the focus is (a command
// with nothing to work on does nothing), except Undo and Redo, which follow the history always.
void grey_idle_items(QMenu* menu, bool shown);
// The guide's table of keys: one line per command that has keys, "KEYS  WHAT IT DOES".
std::string keys_help_text();
