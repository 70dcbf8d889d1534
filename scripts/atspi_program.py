# SPDX-License-Identifier: GPL-3.0-or-later
"""The running program as the accessibility bus shows it, for the scripts
that drive it and listen to it (drive-program.py, keyboard-session.py)."""
import sys
import time

import pyatspi


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def application(pid, seconds=60):
    """The program's node on the bus, which it joins some time after it starts."""
    for _ in range(seconds):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(1)
    sys.exit("the program is not on the accessibility bus")


def find(root, test, only_showing=False):
    """The nodes under root that pass test; with only_showing, looking only
    into what is on the screen."""
    found = []

    def walk(node):
        try:
            if only_showing and node is not root and not showing(node):
                return
            if test(node):
                found.append(node)
            for child in node:
                if child is not None:
                    walk(child)
        except Exception:  # a widget that went away meanwhile
            pass

    walk(root)
    return found
