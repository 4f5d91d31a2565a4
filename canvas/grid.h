// The grid: a light grey pixel at every point whose drawing coordinates (y up, as files hold
// them) are multiples of its spacing, drawn under the figures, and the snapping of the points the
// pointer places to it. Held on the canvas element as its attribute "grade", so it lasts as long
// as the window and every start begins hidden, not snapping, at a spacing of 10. Never in a file
// nor in what Copy or the converter draws: only the canvas's own redraws draw it.
#pragma once

#include "core/shape_list.h"
#include "toolkit/draw_surface.h"

#include <QMetaType>
#include <cstdint>

class CanvasWidget;

constexpr int GRID_SPACING = 10;
constexpr int GRID_SPACING_MIN = 2;
constexpr int GRID_SPACING_MAX = 100;
constexpr uint32_t COLOR_GRID = 0xC0C0C0;

struct Grid {
    bool shown = false;
    bool snapping = false;
    int spacing = GRID_SPACING;
};
Q_DECLARE_METATYPE(Grid)

Grid canvas_grid(const CanvasWidget* canvas);
void set_canvas_grid(CanvasWidget* canvas, const Grid& grid);

// The multiple of spacing nearest to v (halfway goes up).
int64_t nearest_multiple(int64_t v, int spacing);
// Return's figure: its first point to the nearest grid point while snapping is on.
void snap_point(CanvasWidget* canvas, int& x, int& y);
// A point the pointer places (drawing coordinates): the same, but free while Ctrl is held.
void snap_pointer(CanvasWidget* canvas, int& x, int& y);
// A drag's pointer (px, py), shifted so that the point it carries, which lands at (lx, ly), lands
// on the nearest grid point instead; free while Ctrl is held.
void snap_carried(CanvasWidget* canvas, int64_t lx, int64_t ly, int& px, int& py);

// The whole drawing on the surface: white, the grid when it is shown, then the figures; band by
// band as draw_list, which it is exactly while the grid is hidden.
void draw_list_on_grid(DrawSurface& s, const ObjectList* list, const Grid& grid);
