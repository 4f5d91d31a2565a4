// The editor's state that spans callbacks, all in one place. Everything else is reached through
// the elements: the list as the attribute "objetos", the canvas context as "CanvasContext".
#pragma once

extern int anchor_x;        // where the current drag began (drawing coordinates)
extern int anchor_y;
extern int tri_x[3];        // vertices of the triangle being built, in click order
extern int tri_y[3];
extern int tri_clicks;      // how many of those vertices are complete (0 to 2 between clicks)
extern int grabbed_index;   // figure grabbed by the last select press (0 at start), -1 when it hit nothing

// Back to the state at start-up (tests begin each case here), no figure selected; the file name is
// the door's (start_drawing, canvas/door.h). The highlighted figure is the selection's focus
// (canvas/selection.h).
void reset_interaction_state();
