// Callbacks bound by name. Elements carry the NAME of their handler; the function registered under
// that name is looked up when the event arrives, so registering another function under the same
// name changes the handling of the very next event. A name with nothing registered is ignored.
#pragma once

#include <string>

class QObject;
class CanvasWidget;

constexpr int IUP_DEFAULT = -2;   // go on
constexpr int IUP_CLOSE = -3;     // from a menu action: end the event loop

using ActionFn = int (*)(QObject* item);                                  // menu item chosen
using ToggleFn = int (*)(QObject* toggle, int state);                     // tool toggle turned on (1) or off (0)
using ButtonFn = int (*)(CanvasWidget* canvas, int button, int pressed, int x, int y);  // button '1' '2' '3'
using MotionFn = int (*)(CanvasWidget* canvas, int x, int y);
// The same shape as a motion handler: (canvas, width, height) with the new drawing-area size.
using ResizeFn = MotionFn;
using RepaintFn = int (*)(CanvasWidget* canvas);

void set_function(const std::string& name, ActionFn fn);
void set_function(const std::string& name, ToggleFn fn);
void set_function(const std::string& name, ButtonFn fn);
void set_function(const std::string& name, MotionFn fn);
void set_function(const std::string& name, RepaintFn fn);

// The function now registered under name, or null when none of that kind is.
ActionFn find_action(const std::string& name);
ToggleFn find_toggle(const std::string& name);
ButtonFn find_button(const std::string& name);
MotionFn find_motion(const std::string& name);
ResizeFn find_resize(const std::string& name);
RepaintFn find_repaint(const std::string& name);

// Forgets every registration (tests start each case from nothing).
void clear_functions();
