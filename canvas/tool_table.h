// The tool bar's five tools, one row each, in tool-bar order: what the toggle is called, the name
// its action is registered under, the button handler that action installs, the trace line it
// prints and the pictures the toggle shows. Everything about a tool is read from its row.
#pragma once

#include "toolkit/callbacks.h"

#include <QImage>

// One picture of a toggle: the attribute naming it ("IMAGE", "IMPRESS" or "IMINACTIVE"), its
// handle name and its builder.
struct ToolPicture {
    const char* attribute;
    const char* handle;
    QImage (*build)();
};

struct Tool {
    const char* title;           // the toggle's title
    const char* action_name;     // the toggle's "ACTION"
    ToggleFn action;             // registered under action_name
    ButtonFn button;             // what the action registers under "button_act"
    const char* trace_format;    // printed by the action with the toggle's new state
    int group;                   // the framed group of the tool bar it sits in, from the left
    const char* hint;            // tooltip and accessible name: the title and what the tool does
    ToolPicture pictures[3];     // in build order; unused entries have a null handle
};

enum ToolIndex { TOOL_SEL, TOOL_DEL, TOOL_RECT, TOOL_ELLIPSE, TOOL_TRIANG, TOOL_COUNT };

extern const Tool TOOLS[TOOL_COUNT];

// The tool chosen now (its action registered its button handler), or -1 before any was.
int chosen_tool();
// Registers the action of the tool whose action name this is.
void register_tool(const char* action_name);
