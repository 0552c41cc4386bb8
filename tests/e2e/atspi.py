#!/usr/bin/python3
"""Finds widgets of a running program through the accessibility bus, as a screen reader would.

  atspi.py APP find NAME [ROLE]   prints the centre of the widget's extents: "X Y"
  atspi.py APP extents NAME [ROLE] prints the top-left corner of the widget: "X Y"
  atspi.py APP state NAME [ROLE]  prints the widget's states, one per line
  atspi.py APP text NAME [ROLE]   prints the widget's text (its name when it has no text)
  atspi.py APP dump               prints every widget: role, name, extents

Exits 1 when the program or the widget is not found (yet): callers retry.
"""
import sys

import pyatspi


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def extents(node):
    """(x, y, width, height) on the screen; None for a node without a place (the application)."""
    try:
        ext = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return ext.x, ext.y, ext.width, ext.height


def find(app, name, role=None, placed=False):
    """The first widget with that name and role; with `placed`, the first one shown on the screen
    (hidden windows keep their widgets in the tree, without extents)."""
    for node, _ in walk(app):
        if node.name != name or (role is not None and node.getRoleName() != role):
            continue
        if placed:
            ext = extents(node)
            if ext is None or ext[2] <= 0 or ext[3] <= 0:
                continue
        return node
    return None


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    app = application(sys.argv[1])
    if app is None:
        return 1
    command = sys.argv[2]
    if command == "dump":
        for node, depth in walk(app):
            print("  " * depth + f"{node.getRoleName()} '{node.name}' {extents(node)}")
        return 0
    node = find(app, sys.argv[3], sys.argv[4] if len(sys.argv) > 4 else None,
                placed=command in ("find", "extents"))
    if node is None:
        return 1
    if command == "find":
        ext = extents(node)
        if ext is None or ext[2] <= 0 or ext[3] <= 0:
            return 1
        x, y, width, height = ext
        print(x + width // 2, y + height // 2)
    elif command == "extents":
        ext = extents(node)
        if ext is None or ext[2] <= 0 or ext[3] <= 0:
            return 1
        print(ext[0], ext[1])
    elif command == "state":
        for state in node.getState().getStates():
            print(pyatspi.stateToString(state))
    elif command == "text":
        try:
            text = node.queryText()
            print(text.getText(0, text.characterCount))
        except NotImplementedError:
            print(node.name)
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
