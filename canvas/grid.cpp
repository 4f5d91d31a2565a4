#include "canvas/grid.h"

#include "canvas/figure_raster.h"
#include "toolkit/canvas_widget.h"

#include <QVariant>
#include <algorithm>
#include <climits>

namespace {

bool snaps_pointer(const CanvasWidget* canvas)
{
    return canvas_grid(canvas).snapping && !canvas->ctrl_held();
}

int held_in_int(int64_t v) { return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

// The grid's points on one band, in its grey; the pen's colour is left as it was.
void draw_grid(DrawSurface& band, int spacing)
{
    const uint32_t pen = band.foreground;
    surface_foreground(band, COLOR_GRID);
    surface_grid(band, spacing);
    surface_foreground(band, pen);
}

}  // namespace

Grid canvas_grid(const CanvasWidget* canvas)
{
    return canvas ? canvas->property("grade").value<Grid>() : Grid{};
}

void set_canvas_grid(CanvasWidget* canvas, const Grid& grid)
{
    canvas->setProperty("grade", QVariant::fromValue(grid));
}

int64_t nearest_multiple(int64_t v, int spacing)
{
    const int64_t t = v + spacing / 2;
    const int64_t q = t / spacing - (t % spacing < 0 ? 1 : 0);  // rounded down, negative values too
    return q * spacing;
}

void snap_point(CanvasWidget* canvas, int& x, int& y)
{
    const Grid grid = canvas_grid(canvas);
    if (!grid.snapping) return;
    x = held_in_int(nearest_multiple(x, grid.spacing));
    y = held_in_int(nearest_multiple(y, grid.spacing));
}

void snap_pointer(CanvasWidget* canvas, int& x, int& y)
{
    if (snaps_pointer(canvas)) snap_point(canvas, x, y);
}

void snap_carried(CanvasWidget* canvas, int64_t lx, int64_t ly, int& px, int& py)
{
    if (!snaps_pointer(canvas)) return;
    const int spacing = canvas_grid(canvas).spacing;
    px = held_in_int(px + nearest_multiple(lx, spacing) - lx);
    py = held_in_int(py + nearest_multiple(ly, spacing) - ly);
}

void draw_list_on_grid(DrawSurface& s, const ObjectList* list, const Grid& grid)
{
    if (!grid.shown) {
        draw_list(s, list);
        return;
    }
    surface_redraw(s, [list, spacing = grid.spacing](DrawSurface& band) {
        draw_grid(band, spacing);
        draw_figures(band, list);
    });
}
