// Where the main window opens: centred on its screen the first time it is shown, as a desktop
// program is expected to open; from then on the window stays wherever the user puts it.
#pragma once

class QWidget;

// Call before the window's first show; that show, and no later one, centres it on the screen that
// holds it, frame included where the frame is known by then.
void centre_on_first_show(QWidget* window);
