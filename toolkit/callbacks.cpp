// The registry behind callbacks by name: one slot per name, holding a function of one kind.
#include "toolkit/callbacks.h"

#include <unordered_map>
#include <variant>

namespace {

using Callback = std::variant<ActionFn, ToggleFn, ButtonFn, MotionFn, RepaintFn>;

std::unordered_map<std::string, Callback>& registry()
{
    static std::unordered_map<std::string, Callback> functions;
    return functions;
}

template <class Fn>
Fn find_of_kind(const std::string& name)
{
    auto it = registry().find(name);
    if (it == registry().end()) return nullptr;
    const Fn* fn = std::get_if<Fn>(&it->second);
    return fn ? *fn : nullptr;
}

}  // namespace

void set_function(const std::string& name, ActionFn fn) { registry()[name] = fn; }
void set_function(const std::string& name, ToggleFn fn) { registry()[name] = fn; }
void set_function(const std::string& name, ButtonFn fn) { registry()[name] = fn; }
void set_function(const std::string& name, MotionFn fn) { registry()[name] = fn; }
void set_function(const std::string& name, RepaintFn fn) { registry()[name] = fn; }

ActionFn find_action(const std::string& name) { return find_of_kind<ActionFn>(name); }
ToggleFn find_toggle(const std::string& name) { return find_of_kind<ToggleFn>(name); }
ButtonFn find_button(const std::string& name) { return find_of_kind<ButtonFn>(name); }
MotionFn find_motion(const std::string& name) { return find_of_kind<MotionFn>(name); }
ResizeFn find_resize(const std::string& name) { return find_of_kind<ResizeFn>(name); }
RepaintFn find_repaint(const std::string& name) { return find_of_kind<RepaintFn>(name); }

void clear_functions() { registry().clear(); }
