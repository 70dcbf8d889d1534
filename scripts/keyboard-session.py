#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The keys of scripts/keyboard-session, and what a screen reader hears
between them over the accessibility bus.
usage: keyboard-session.py PID FOLDER
"""
import subprocess
import sys
import time

import pyatspi

import atspi_program
from atspi_program import find

PID = int(sys.argv[1])
SHOTS = sys.argv[2]
N2 = "Показатель преломления среды 2, n2"
REFRACTION = "Угол преломления B"


def program():
    return atspi_program.application(PID, seconds=30)


def focused():
    # The model's tab reports the focus as long as it is the tab shown.
    nodes = find(program(), lambda n: n.getState().contains(pyatspi.STATE_FOCUSED)
                 and n.getRole() != pyatspi.ROLE_PAGE_TAB)
    return nodes[0].name if nodes else ""


def heard(name):
    nodes = find(program(), lambda n: n.name == name and n.getState().contains(pyatspi.STATE_SHOWING))
    return f"{nodes[0].name}: {nodes[0].description}" if nodes else f"{name}: (not shown)"


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)
    time.sleep(0.5)


def shot(step):
    path = f"{SHOTS}/{step}.png"
    subprocess.run(["import", "-window", "root", path], check=True)
    print(f"  shot {path}")


# The main window takes the keyboard as a window manager would give it.
windows = subprocess.run(["xdotool", "search", "--pid", str(PID), "--onlyvisible", "--name", "."],
                         capture_output=True, text=True).stdout.split()
subprocess.run(["xdotool", "windowfocus", "--sync", windows[-1]], check=False)
print("started")
shot("1-started")

key("ctrl+5")
print("Ctrl+5:", heard(REFRACTION))
shot("2-refraction")

for tab in range(40):
    if focused() == N2:
        break
    key("Tab")
print(f"Tab x{tab}: the focus is on", repr(focused()))
shot("3-focus-on-n2")
if focused() != N2:
    sys.exit("Tab never reached n2")

before = heard(REFRACTION)
key("Prior")
after = heard(REFRACTION)
print("before Page Up:", before)
print("after Page Up: ", after)
shot("4-page-up")
if before == after:
    sys.exit("Page Up on n2 changed nothing a reader hears")
