#include "app/view_commands.h"

#include "canvas/canvas_context.h"
#include "canvas/gesture.h"
#include "canvas/grid.h"
#include "canvas/shape_drawing.h"
#include "canvas/spoken.h"
#include "toolkit/number_dialog.h"

#include <optional>
#include <string>
#include <vector>

namespace {

const char* const SPACING_TITLE = "Espaçamento da grade";

// The grid as it now is on the drawing, under the figures and the selection as they are.
void show_grid(CanvasWidget* canvas, const Grid& grid)
{
    set_canvas_grid(canvas, grid);
    if (ObjectList* list = canvas_list(canvas)) redraw_all(canvas, list);
}

}  // namespace

void toggle_grid(CanvasWidget* canvas)
{
    if (gesture_in_progress()) return;
    Grid grid = canvas_grid(canvas);
    grid.shown = !grid.shown;
    show_grid(canvas, grid);
    speak(grid.shown ? "Grade visível, espaçamento " + std::to_string(grid.spacing)
                                                   : std::string("Grade oculta"));
}

void toggle_snapping(CanvasWidget* canvas)
{
    Grid grid = canvas_grid(canvas);
    grid.snapping = !grid.snapping;
    set_canvas_grid(canvas, grid);
    speak(grid.snapping ? "Alinhar à grade ligado" : "Alinhar à grade desligado");
}

void ask_grid_spacing(CanvasWidget* canvas)
{
    if (gesture_in_progress()) return;
    Grid grid = canvas_grid(canvas);
    const std::optional<std::vector<int>> values =
        ask_numbers(SPACING_TITLE, {{"Pixels", grid.spacing}}, GRID_SPACING_MIN, GRID_SPACING_MAX);
    if (!values || values->front() == grid.spacing) return;
    grid.spacing = values->front();
    if (grid.shown) show_grid(canvas, grid);
    else set_canvas_grid(canvas, grid);
}
