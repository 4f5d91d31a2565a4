// The one window, "Editor de Objetos": menu bar, tool bar and canvas, and the start-up that binds
// every callback to its name.
#pragma once

#include "app/window_parts.h"

class QWidget;

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
