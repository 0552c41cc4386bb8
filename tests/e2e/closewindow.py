#!/usr/bin/python3
"""Asks the top-level window titled TITLE to close, as a window manager does when the user
clicks its close box: a WM_DELETE_WINDOW message. Exits 1 when no such window is mapped.

  closewindow.py TITLE
"""
import sys

from Xlib import X, display, protocol


def find(window, title, wm_name):
    name = window.get_full_property(wm_name, 0)
    if name is not None and name.value.decode("utf-8", "replace") == title:
        attrs = window.get_attributes()
        if attrs.map_state == X.IsViewable:
            return window
    for child in window.query_tree().children:
        found = find(child, title, wm_name)
        if found is not None:
            return found
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    d = display.Display()
    wm_name = d.intern_atom("_NET_WM_NAME")
    target = find(d.screen().root, sys.argv[1], wm_name)
    if target is None:
        return 1
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    target.send_event(event, event_mask=X.NoEventMask)
    d.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
