// Which figure lies under a point. Figures count as filled areas.
#pragma once

#include "core/shape_list.h"

// 0 when (px, py) is inside the figure, 1 when it is not.
int shape_contains(ShapeRecord record, int px, int py);
// Index of the top-most figure containing the point, or -1.
int list_pick(const ObjectList* list, int px, int py);
