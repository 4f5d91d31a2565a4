// The Edit menu's editing commands and the keys that work on the highlighted figure: Cut, Copy,
// Paste and Duplicate; the order of figures; the arrow keys; Tab and Shift+Tab.
#pragma once

class QMenu;
struct MainWindow;

// Adds the items (with their keys shown) to edit and the other keys to the window.
void add_edit_commands(MainWindow& w, QMenu* edit);
