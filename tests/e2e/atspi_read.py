# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the named nodes of one window of a process over AT-SPI as JSON, name: {"text", "extents"},
or null while the window is not there. Usage: atspi_read.py <process id> <window title>"""
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


def named_nodes(window):
    found, stack = {}, list(window)
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if node.name and node.name not in found:
            found[node.name] = {"text": text_of(node), "extents": extents_of(node)}
        stack.extend(node)
    return found


def main():
    pid, title = int(sys.argv[1]), sys.argv[2]
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            for window in app:
                if window is not None and window.name == title:
                    print(json.dumps(named_nodes(window)))
                    return
    print("null")


if __name__ == "__main__":
    main()
