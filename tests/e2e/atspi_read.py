# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the nodes below one window of a process over AT-SPI as a JSON list, depth first, each
{"name", "role", "showing", "focusable", "depth", "text", "extents"}, or null while the window is
not there. Usage: atspi_read.py <process id> <window title>"""
import json
import sys

import pyatspi


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def extents_of(node):
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return [extents.x, extents.y, extents.width, extents.height]


def nodes_below(window):
    found, stack = [], [(child, 1) for child in window]
    while stack:
        node, depth = stack.pop()
        if node is None:
            continue
        states = node.getState()
        found.append({"name": node.name, "role": node.getRoleName(), "depth": depth,
                      "showing": states.contains(pyatspi.STATE_SHOWING),
                      "focusable": states.contains(pyatspi.STATE_FOCUSABLE),
                      "text": text_of(node), "extents": extents_of(node)})
        stack.extend((child, depth + 1) for child in node)
    return found


def main():
    pid, title = int(sys.argv[1]), sys.argv[2]
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            for window in app:
                if window is not None and window.name == title:
                    print(json.dumps(nodes_below(window)))
                    return
    print("null")


if __name__ == "__main__":
    main()
