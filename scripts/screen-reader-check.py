#!/usr/bin/python3
"""What a screen reader finds of hoshi through AT-SPI, for scripts/screen-reader-check.sh.

  listen   prints, as they come, the events a reader speaks: the focus moving
           ("focus: E5, empty [table cell]"), the focused object's description
           changing ("described: Black E5") and a notification showing
           ("notified: Black E5")
  tree     prints the window's accessible tree: role and name of each object,
           the board's 81 intersections as nine rows

Run with Debian's python3 (pyatspi is a Debian package).
"""

import sys

import pyatspi


def line(text):
    print(text, flush=True)


def label(obj):
    return f"{obj.name} [{obj.getRoleName()}]"


def hoshi():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.name == "hoshi"), None)


def listen():
    def focused(event):
        if event.detail1 == 1 and event.host_application.name == "hoshi":
            description = event.source.description
            line(f"focus: {label(event.source)}" + (f" — {description}" if description else ""))

    # Qt 6.4 sends the object, not its new description, with the event: the description is read from it.
    def described(event):
        if event.host_application.name == "hoshi":
            line(f"described: {event.source.description}    (on {label(event.source)})")

    def shown(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            line(f"notified: {event.source.name}")

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(described, "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    line("listening")
    pyatspi.Registry.start()


def tree():
    app = hoshi()
    if app is None:
        line("no application named hoshi on the accessibility bus")
        sys.exit(1)

    def walk(obj, depth):
        if obj.getRole() == pyatspi.ROLE_TABLE:
            table = obj.queryTable()
            line("  " * depth + f"{label(obj)}: {table.nRows} x {table.nColumns}, {obj.childCount} children")
            for row in range(table.nRows):
                cells = [table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
                line("  " * (depth + 1) + " | ".join(cells))
            children = [obj.getChildAtIndex(i) for i in range(table.nRows * table.nColumns, obj.childCount)]
        else:
            line("  " * depth + label(obj))
            children = [obj.getChildAtIndex(i) for i in range(obj.childCount)]
        for child in children:
            if child is not None and not child.getState().contains(pyatspi.STATE_DEFUNCT):
                if child.getState().contains(pyatspi.STATE_SHOWING) or child.getRole() == pyatspi.ROLE_TABLE_CELL:
                    walk(child, depth + 1)

    walk(app, 0)


if __name__ == "__main__":
    {"listen": listen, "tree": tree}[sys.argv[1]]()
