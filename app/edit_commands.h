// The callbacks of the Edit menu's editing commands and of the keys on the drawing, each bound by
// name through the key table (app/key_table.h): Cut, Copy, Paste and Duplicate; the order of
// figures; the points typed in; the tool keys, Return, Esc and Delete; the arrows and Tab. Each finds the canvas under the
// item's "CanvasContext" and its argument under "arg", and returns IUP_DEFAULT.
#pragma once

class QObject;

int cut_act(QObject* item);
int copy_act(QObject* item);
int paste_act(QObject* item);
int duplicate_act(QObject* item);
int order_act(QObject* item);     // arg.x: the Place
int tool_key_act(QObject* item);  // arg.x: the tool's index; a click on its toggle between gestures
int cancel_act(QObject* item);    // Esc
int delete_act(QObject* item);    // Delete, Backspace
int nudge_act(QObject* item);     // arg: the step on the screen, y down
int stretch_act(QObject* item);   // arg: the step of the second point on the screen, y down
int points_act(QObject* item);    // F4, "Posicao e tamanho"
int insert_act(QObject* item);    // Return: a figure of the chosen tool's kind at the centre
int tab_act(QObject* item);       // arg.x: -1 down from the top, +1 up from the bottom

// When each may act; greyed otherwise.
bool has_highlight(QObject* item);
bool has_figures_to_copy(QObject* item);
bool clipboard_has_figures(QObject* item);
