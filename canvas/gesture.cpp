#include "canvas/gesture.h"

#include "canvas/idle_handlers.h"
#include "toolkit/callbacks.h"

bool gesture_in_progress() { return find_motion("motion_act") != motion_trace; }
