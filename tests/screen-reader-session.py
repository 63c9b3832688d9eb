#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A keyboard-only session on the real program, read as a screen reader reads it.

Run inside a D-Bus session with an X display (dbus-run-session -- xvfb-run ...): starts the
program given as the first argument with its accessibility bridge on, types real key events
with xdotool, and reads the AT-SPI tree and its events: the window is a frame named by its
caption, entering a point changes the canvas's description, and after Calculate the
description holds the rectangle's bounds."""

import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

CAPTION = "Математика -  покриващ правоъгълник"


def canvas_heard():
    return any(t.startswith("object:property-change:accessible-description")
               and role == pyatspi.ROLE_CANVAS for t, role in heard)


# Keys, then what must come of them within ten seconds. Shift+Tab from the task description
# reaches the canvas, where the crosshair starts at its centre (167, 88).
STEPS = [
    (["shift+Tab"], None),
    (["shift+Left", "shift+Left", "space"],  # a point at (147, 88)
     (canvas_heard, "entering a point raised a description change on the canvas")),
    (["Home", "shift+Down", "Return"], None),  # a point at (0, 98)
    (["shift+Tab", "Down"], None),  # the Y list: the first point is chosen
    (["shift+Tab", "shift+Tab", "shift+Tab", "Return"], None),  # Calculate
]
TICK_MS = 100
PATIENCE = 10_000 // TICK_MS

heard = []
failures = []
passes = 0


def find(accessible, role):
    if accessible is None:
        return None
    if accessible.getRole() == role:
        return accessible
    for child in accessible:
        found = find(child, role)
        if found:
            return found
    return None


def program_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "covering-rectangle":
            return find(app, pyatspi.ROLE_FRAME)
    return None


def check(condition, what):
    global passes
    print(("ok: " if condition else "FAILED: ") + what)
    if condition:
        passes += 1
    else:
        failures.append(what)


def listen(event):
    heard.append((event.type, event.source.getRole() if event.source else None))


def play(program):
    # Listening first: the program asks at its start which events anybody listens to.
    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-description")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    app = subprocess.Popen([program], env=env)
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "покриващ правоъгълник"],
                            capture_output=True, text=True, timeout=30).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
    steps = list(STEPS)
    state = {"waited": 0, "until": None}

    def tick():
        frame = program_window()
        state["waited"] += 1
        if state["until"] and not state["until"][0]():
            if state["waited"] < PATIENCE:
                return True
            check(False, state["until"][1])
        elif state["until"]:
            check(True, state["until"][1])
        state["until"] = None
        if frame is None:  # the bridge is still registering
            if state["waited"] < PATIENCE:
                return True
            check(False, "the program appears on the accessibility bus")
            pyatspi.Registry.stop()
            return False
        if steps:
            keys, state["until"] = steps.pop(0)
            heard.clear()
            state["waited"] = 0
            subprocess.run(["xdotool", "key", "--delay", "60"] + keys, check=True)
            return True
        canvas = find(frame, pyatspi.ROLE_CANVAS)
        description = canvas.description if canvas else ""
        if "правоъгълник" not in description and state["waited"] < PATIENCE:
            return True
        check(frame.name == CAPTION, "the window is a frame named by its caption")
        check(canvas is not None, "the drawing area is a canvas")
        print("canvas description: " + description)
        check(description.startswith("2 точки; избрана точка 1: X 147, Y 89"),
              "the description counts the points and names the chosen one")
        check("правоъгълник: X от 0 до 147, Y от 79 до 89" in description,
              "after Calculate the description holds the rectangle's bounds")
        pyatspi.Registry.stop()
        return False

    GLib.timeout_add(TICK_MS, tick)
    pyatspi.Registry.start()
    app.terminate()
    app.wait(timeout=10)


if __name__ == "__main__":
    play(sys.argv[1])
    print(f"{passes} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)
