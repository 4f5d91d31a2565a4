#!/usr/bin/python3
"""What a screen reader hears of the editor's drawing area, read over AT-SPI as Orca reads it:
with event listeners and libatspi's cache running, so a view the editor's events failed to update
stays stale and the test sees it.

Usage: atspi_reader.py VIEW EVENTS

Writes READY beside VIEW once listening. Then, ten times a second, rewrites VIEW whole:
    canvas NAME CHILDREN
    NAME | DESCRIPTION          one line per child, in order
    selected NAME / focused NAME for each child in that state
    box NAME X Y WIDTH HEIGHT   each child's extents on the screen
and appends "TYPE NAME" to EVENTS for each event the editor sends.
"""
import os
import sys

import pyatspi
from gi.repository import GLib

view_path, events_path = sys.argv[1:3]
canvas = None


def find_canvas():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quadrix":
            found = pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_CANVAS)
            if found is not None:
                return found
    return None


def child_lines(child):
    states = child.getState()
    box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    lines = [f"{child.name} | {child.description}"]
    lines += [f"{word} {child.name}" for word, state in (("selected", pyatspi.STATE_SELECTED),
                                                        ("focused", pyatspi.STATE_FOCUSED))
              if states.contains(state)]
    lines.append(f"box {child.name} {box.x} {box.y} {box.width} {box.height}")
    return lines


def write_view():
    global canvas
    try:
        canvas = canvas or find_canvas()
        if canvas is None:
            return True
        lines = [f"canvas {canvas.name} {canvas.childCount}"]
        for i in range(canvas.childCount):
            lines += child_lines(canvas.getChildAtIndex(i))
        with open(view_path + ".new", "w") as out:
            out.write("\n".join(lines) + "\n")
        os.replace(view_path + ".new", view_path)
    except Exception as error:  # the editor gone or busy: the next turn tries again
        print(f"reading the tree: {error}", file=sys.stderr)
    return True


def on_event(event):
    try:
        name = event.source.name
    except Exception:
        name = "?"
    with open(events_path, "a") as out:
        out.write(f"{event.type} {name}\n")


pyatspi.Registry.registerEventListener(
    on_event, "focus:", "object:state-changed", "object:children-changed",
    "object:property-change:accessible-name", "object:property-change:accessible-description")
GLib.timeout_add(100, write_view)
open(os.path.join(os.path.dirname(view_path), "READY"), "w").close()
pyatspi.Registry.start()
