#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the running program through the accessibility bus as a pupil
would: opens every model through the chooser, moves each of its track bars
and scroll bars through its range and back, sets each of its radio buttons
and check boxes and presses its own buttons; then opens every window of the
tool row, and every window those open, each closed again with its own
button. Prints the program's resident memory as it goes. Used by
scripts/peak-memory.
usage: drive-program.py PID [STEPS]
"""
import sys
import time

import pyatspi

import atspi_program
from atspi_program import showing

PID = int(sys.argv[1])
STEPS = int(sys.argv[2]) if len(sys.argv) > 2 else 40
TOOL_ROW = ["СЛОВАРЬ ТЕРМИНОВ", "КРАТКИЙ СПРАВОЧНИК", "ОСНОВНЫЕ ФОРМУЛЫ", "ОТВЕЧАЕМ НА ВОПРОСЫ",
            "РЕШАЕМ ЗАДАЧИ", "КОНТРОЛЬ ЗНАНИЙ", "ПОМОЩЬ"]
# Buttons that would end the program, hide what is driven, or close a window;
# and the picture's commands, which wait in a dialog or cover the screen.
PICTURE_COMMANDS = {"Сохранить рисунок…", "Копировать рисунок", "Печать…", "Во весь экран"}
NOT_PRESSED = {"МОДЕЛИ", "ВЫХОД", "Скрыть модель", "ЗАКРЫТЬ"} | set(TOOL_ROW) | PICTURE_COMMANDS


def spoken(name):
    return " ".join(name.split())


def find(root, test):
    return atspi_program.find(root, test, only_showing=True)


def buttons(root):
    return find(root, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON)


def button(root, text):
    named = [b for b in buttons(root) if spoken(b.name) == spoken(text)]
    return named[0] if named else None


def press(node, settle=0.2):
    node.queryAction().doAction(0)
    time.sleep(settle)


def resident():
    with open(f"/proc/{PID}/status") as status:
        return int(next(line.split()[1] for line in status if line.startswith("VmRSS:"))) // 1024


def application():
    return atspi_program.application(PID)


def windows(app):
    return {frame.name: frame for frame in app if frame is not None and showing(frame)}


def drive_controls(frame):
    driven = 0
    for control in find(frame, lambda n: n.getRole() in (pyatspi.ROLE_SLIDER, pyatspi.ROLE_SCROLL_BAR)):
        value = control.queryValue()
        low, high = value.minimumValue, value.maximumValue
        for i in list(range(STEPS + 1)) + list(range(STEPS, -1, -1)):
            value.currentValue = low + (high - low) * i / STEPS
            time.sleep(0.01)
        driven += 1
    for choice in find(frame, lambda n: n.getRole() in (pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX)):
        press(choice, 0.05)
        driven += 1
    return driven


def open_and_close(app, opener, depth=1):
    """Presses opener; every window that opens has its own buttons pressed
    (to depth) and is closed with its close button."""
    before = windows(app)
    press(opener)
    for name, frame in windows(app).items():
        if name in before:
            continue
        if depth > 0:
            for inner in buttons(frame):
                if spoken(inner.name) not in NOT_PRESSED:
                    open_and_close(app, inner, depth - 1)
        closer = button(frame, "ЗАКРЫТЬ")
        if closer is not None:
            press(closer)
        print(f"  window {name}: resident {resident()} MB", flush=True)


def main():
    app = application()
    print(f"started: resident {resident()} MB", flush=True)
    main_window = next(frame for name, frame in windows(app).items() if name.startswith("**"))
    press(button(main_window, "МОДЕЛИ"), 0.5)
    chooser = windows(app)["Выбор компьютерной модели"]
    models = [b.name for b in buttons(chooser) if spoken(b.name) not in NOT_PRESSED]
    for model in models:
        if "Выбор компьютерной модели" not in windows(app):
            press(button(main_window, "МОДЕЛИ"), 0.5)
        press(button(windows(app)["Выбор компьютерной модели"], model), 0.5)
        driven = drive_controls(main_window)
        # The model's own buttons: refresh, defaults and its side windows.
        for own in buttons(main_window):
            if spoken(own.name) not in NOT_PRESSED:
                open_and_close(app, own, 0)
        print(f"{spoken(model)}: {driven} controls, resident {resident()} MB", flush=True)
    for name in TOOL_ROW:
        open_and_close(app, button(main_window, name))


main()
