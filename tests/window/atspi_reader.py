#!/usr/bin/python3
"""The editor's drawing area as a screen reader hears it over AT-SPI: listening to events with
libatspi's cache on, as Orca does, so a view the editor's events failed to update stays stale.
Usage: atspi_reader.py VIEW. Touches VIEW.ready once listening, then ten times a second rewrites
VIEW: "canvas NAME COUNT", then per child "NAME | DESCRIPTION", "selected NAME" and "focused NAME"
when it is, and "box NAME X Y WIDTH HEIGHT" on the screen."""
import os
import sys

import pyatspi
from gi.repository import GLib

view = sys.argv[1]


def child_lines(child):
    box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    states = child.getState()
    return ([f"{child.name} | {child.description}"]
            + [f"{word} {child.name}" for word, state in (("selected", pyatspi.STATE_SELECTED),
                                                          ("focused", pyatspi.STATE_FOCUSED)) if states.contains(state)]
            + [f"box {child.name} {box.x} {box.y} {box.width} {box.height}"])


def write_view():
    try:
        for app in pyatspi.Registry.getDesktop(0):
            canvas = app and app.name == "quadrix" and pyatspi.findDescendant(
                app, lambda a: a.getRole() == pyatspi.ROLE_CANVAS)
            if canvas:
                lines = [f"canvas {canvas.name} {canvas.childCount}"]
                for child in canvas:
                    lines += child_lines(child)
                with open(view + ".new", "w") as out:
                    out.write("\n".join(lines) + "\n")
                os.replace(view + ".new", view)
    except Exception as error:  # the editor not there yet, or gone: the next turn reads again
        print(error, file=sys.stderr)
    return True


# Qt's bridge sends only the events some client listens to.
pyatspi.Registry.registerEventListener(
    lambda event: None, "focus:", "object:state-changed", "object:children-changed", "object:property-change")
GLib.timeout_add(100, write_view)
open(view + ".ready", "w").close()
pyatspi.Registry.start()
