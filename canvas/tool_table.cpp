// The table of tools. Choosing a tool changes only which function handles the canvas's buttons;
// a drag or a triangle in progress and the highlight stay as they are.
#include "canvas/tool_table.h"

#include "canvas/creation_tools.h"
#include "canvas/select_tool.h"
#include "canvas/selection.h"
#include "canvas/tool_images.h"
#include "core/trace.h"

#include <cstring>

namespace {

// The toggle action of row I: every tool's action is this one function over its own row.
template <int I>
int tool_act(QObject*, int state)
{
    set_function("button_act", TOOLS[I].button);
    trace(TOOLS[I].trace_format, state);
    return IUP_DEFAULT;
}

}  // namespace

const Tool TOOLS[TOOL_COUNT] = {
    {"Sel", "sel_act", tool_act<TOOL_SEL>, select_button, "\nSelecao, modo %d", 0,
     "Sel: selecionar, mover (botão esquerdo) e esticar (botão direito)",
     {{"IMAGE", "sel", build_image_sel}, {"IMPRESS", "sel_press", build_image_sel_press}, {}}},
    {"Del", "del_act", tool_act<TOOL_DEL>, delete_button, "\nExclusão, modo %d ", 0,
     "Del: apagar figuras",
     {{"IMAGE", "del", build_image_del}, {"IMPRESS", "del_press", build_image_del_press},
      {"IMINACTIVE", "del_inactive", build_image_del_inactive}}},
    {"Rect", "rect_act", tool_act<TOOL_RECT>, rect_button, "\nRectangulo, modo %d", 1,
     "Rect: desenhar retângulos",
     {{"IMAGE", "rect", build_image_rect}, {"IMPRESS", "rect_press", build_image_rect_press}, {}}},
    {"Ellipse", "ellipse_act", tool_act<TOOL_ELLIPSE>, ellipse_button, "\nEllipse, modo %d", 1,
     "Ellipse: desenhar elipses",
     {{"IMAGE", "ellipse", build_image_ellipse}, {"IMPRESS", "ellipse_press", build_image_ellipse_press}, {}}},
    {"Triang", "triang_act", tool_act<TOOL_TRIANG>, triangle_button, "\nTriangulo, modo %d", 1,
     "Triang: desenhar triângulos",
     {{"IMAGE", "triang", build_image_triang}, {"IMPRESS", "triang_press", build_image_triang_press}, {}}},
};

void register_tool(const char* action_name)
{
    for (const Tool& tool : TOOLS)
        if (std::strcmp(tool.action_name, action_name) == 0) set_function(tool.action_name, tool.action);
}

int chosen_tool()
{
    const ButtonFn button = find_button("button_act");
    for (int i = 0; i < TOOL_COUNT; ++i)
        if (TOOLS[i].button == button) return i;
    return -1;
}
