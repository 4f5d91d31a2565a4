#include "canvas/interaction_state.h"

#include "canvas/selection.h"

int anchor_x = 0;
int anchor_y = 0;
int tri_x[3] = {0, 0, 0};
int tri_y[3] = {0, 0, 0};
int tri_clicks = 0;
int grabbed_index = 0;

void reset_interaction_state()
{
    anchor_x = anchor_y = 0;
    for (int i = 0; i < 3; ++i) tri_x[i] = tri_y[i] = 0;
    tri_clicks = 0;
    grabbed_index = 0;
    forget_selection();
}
