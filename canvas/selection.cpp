#include "canvas/selection.h"

#include "toolkit/callbacks.h"

int select_button(CanvasWidget*, int, int, int, int) { return IUP_DEFAULT; }

int delete_button(CanvasWidget*, int, int, int, int) { return IUP_DEFAULT; }
