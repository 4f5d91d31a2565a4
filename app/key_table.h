// Every command with a key or a menu item, one row each, in the order of the menus: its place, its
// text, the callback it runs (by name, as every item is bound), its keys, and when it is greyed.
// The menus, the shortcuts, the guide's table of keys and the tests all read COMMANDS; a new
// command is one row. Start with COMMANDS in key_table.cpp.
#pragma once

#include "toolkit/callbacks.h"

#include <QKeySequence>
#include <QList>
#include <QPoint>

#include <span>
#include <string>

class QAction;
class QMenu;
class QObject;
struct MainWindow;

// Where a command's item is: a menu of the bar, the bar itself, or nowhere (a key alone).
enum class Where { File, Edit, Bar, Keys };

struct Command {
    Where where;
    const char* text;      // the item's text, or for a key alone what it does; null: a separator
    const char* name;      // the callback the item runs, looked up by name at each event
    ActionFn fn;           // registered under name with the table; null when start-up registers it
    QKeySequence::StandardKey standard;  // the platform's keys for it, or QKeySequence::UnknownKey
    const char* keys;      // ours, added to those: portable key names separated by "; "
    bool (*offered)(QObject* item);  // null: always; else greyed (and idle) while it says false
    QAction* MainWindow::*item;      // where the window keeps the item, or null
    QPoint arg;                      // what the callback reads as the item's "arg" (a step, a tool)
    const char* help_keys;           // how the guide writes its keys (and its group's); null: keys
    const char* help;                // what it does, for the guide; null: said with the row before
};

// The rows, in the order of the menus and then of the keys alone.
std::span<const Command> commands();

// The platform's keys for a standard command, with ours added where the platform has none.
QList<QKeySequence> keys_of(const Command& command);
// Registers the callbacks the table brings (those start-up does not).
void register_command_callbacks();
// Makes every row's item on the window: in its menu, on the bar, or on the window for a key
// alone, with its keys, its pointers ("CanvasContext", "history") and its argument.
void build_commands(MainWindow& w, QMenu* file, QMenu* edit);
// With shown, greys each item of menu whose command has nothing to work on now; run when the menu
// opens. Closed, the items are offered again and their keys work wherever the focus is (a command
// with nothing to work on does nothing), except Undo and Redo, which follow the history always.
void grey_idle_items(QMenu* menu, bool shown);
// The guide's table of keys: one line per command that has keys, "KEYS  WHAT IT DOES".
std::string keys_help_text();
