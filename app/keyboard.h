// The keys of the window: shortcuts of the menu commands, the tool keys, Esc and Delete. Each is
// an action of the window, so it works wherever the focus is; a modal box or dialog blocks them.
#pragma once

#include <QKeySequence>
#include <QList>

struct MainWindow;

// The platform's keys for a standard command, with ours added where the platform has none.
QList<QKeySequence> keys_for(QKeySequence::StandardKey standard, const QList<QKeySequence>& ours);
// Shortcuts on the File, Edit and Help items, shown in the menus.
void add_menu_shortcuts(MainWindow& w);
// S, D, R, E, T choose a tool (ignored while a button is held on the canvas); Esc cancels the
// gesture in progress; Delete and Backspace remove the highlighted figure.
void add_canvas_keys(MainWindow& w);
