// Choosing a tool changes only which function handles the canvas's buttons; a drag or a triangle
// in progress and the highlight stay as they are.
#include "canvas/tool_choice.h"

#include "canvas/creation_tools.h"
#include "canvas/selection.h"
#include "shapes/trace.h"
#include "toolkit/callbacks.h"

int sel_act(QObject*, int state)
{
    set_function("button_act", select_button);
    trace("\nSelecao, modo %d", state);
    return IUP_DEFAULT;
}

int del_act(QObject*, int state)
{
    set_function("button_act", delete_button);
    trace("\nExclusão, modo %d ", state);
    return IUP_DEFAULT;
}

int rect_act(QObject*, int state)
{
    set_function("button_act", rect_button);
    trace("\nRectangulo, modo %d", state);
    return IUP_DEFAULT;
}

int ellipse_act(QObject*, int state)
{
    set_function("button_act", ellipse_button);
    trace("\nEllipse, modo %d", state);
    return IUP_DEFAULT;
}

int triang_act(QObject*, int state)
{
    set_function("button_act", triangle_button);
    trace("\nTriangulo, modo %d", state);
    return IUP_DEFAULT;
}
