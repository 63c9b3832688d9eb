#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A keyboard-only session on the real program, heard through Orca, speaking Bulgarian.

Run inside a D-Bus session with an X display (dbus-run-session -- xvfb-run ...): starts Orca
with its debug output on a pseudo-terminal (every "SPEECH OUTPUT:" line is an utterance; no
speech server is needed), then the program given as the first argument, or, given a page folder
(build/web/dist), Debian's Chromium showing that page from a server on 127.0.0.1; types real keys
with xdotool and checks, step by step, what Orca said: the words each step must be heard with,
words it must not be, and that nothing was said twice."""

import json
import os
import pty
import re
import select
import socket
import subprocess
import sys
import tempfile
import time


def layout():
    """The figures scripts find the window's parts by."""
    path = os.path.join(os.path.dirname(__file__), "..", "packaging", "layout")
    with open(path, encoding="utf-8") as file:
        pairs = (line.strip().split("=", 1) for line in file if "=" in line)
        return {name: value.strip('"') for name, value in pairs}


def steps(width, height):
    """Keys, then what Orca must say of them, and what it must not. The crosshair starts at the
    centre of the drawing area; the lists count Y upwards from its bottom edge."""
    cx, cy = (width - 1) // 2, (height - 1) // 2
    first = f"X {cx - 29}, Y {height - cy}"  # entered after moving left 29 pixels
    second = f"X 0, Y {height - 10}"  # 10 pixels below the top left corner
    return [
        ("shift+Tab", ["Поле за рисуване", "канава", "няма точки",
                       f"кръстче: X {cx}, Y {height - cy}"], []),
        ("Right", [f"X {cx + 1}, Y {height - cy}"], []),
        ("shift+Left shift+Left shift+Left", [first], []),
        ("space", [f"Точка 1: {first}; 1 точка"], []),
        ("End", [f"X {width - 1}, Y {height - cy}"], []),
        ("Page_Down", [f"X {width - 1}, Y 1"], []),
        ("Home", ["X 0, Y 1"], []),
        ("Page_Up", [f"X 0, Y {height}"], []),
        ("shift+Down Return", [f"Точка 2: {second}; 2 точки"], []),
        (" ".join(["space"] * 21), [f"Точка 23: {second}; 23 точки са въведени; няма място"], []),
        ("space", ["23 точки са въведени; няма място за още"], ["Точка 24"]),
        ("shift+Tab", ["Ординати на точките (Ос Y)"], []),
        ("Down", [f"Точка 1: {first}"], ["Абсциси"]),
        ("shift+Tab shift+Tab shift+Tab shift+Tab", ["Абсциси на точките (Ос X)"], []),
        ("Down", [f"Точка 2: {second}"], ["Ординати"]),
        ("Tab Return", [f"правоъгълник: X от 0 до {cx - 29}, Y от {height - cy} до {height - 10}"],
         []),
        ("Tab Tab Return", [f"Изтрита е Точка 2: {second}; остават: 22 точки"], []),
        ("Return", ["Няма избрана точка"], []),
        ("shift+Tab space", ["Точките и условието на задачата са изтрити"], []),
        ("shift+Tab Return", ["няма точки"], ["правоъгълник:"]),
    ]


SETTLE = 1.2  # seconds of quiet in which a step's speech is taken to be complete
SPEECH = re.compile(rb"SPEECH OUTPUT: '(.*?)' ?\{", re.S)


class Orca:
    """Orca in this session, its debug output read from a pseudo-terminal: with a plain file
    its output is held back and lands under the wrong step."""

    def __init__(self, env):
        # The terminal's other end stays open here, so that reading never meets its end.
        self.master, self.slave = pty.openpty()
        self.prefs = tempfile.mkdtemp()
        self.process = subprocess.Popen(
            ["orca", "--debug-file", os.ttyname(self.slave), "-u", self.prefs], env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pending = b""

    def utterances(self, seconds):
        """What Orca says until it has been quiet for the given time."""
        said = []
        quiet_until = time.monotonic() + seconds
        while time.monotonic() < quiet_until:
            ready, _, _ = select.select([self.master], [], [], 0.05)
            if not ready:
                continue
            self.pending += os.read(self.master, 1 << 16)
            # An utterance may run over several lines; what is not yet whole waits.
            end = 0
            for utterance in SPEECH.finditer(self.pending):
                said.append(utterance.group(1).decode("utf-8", "replace"))
                end = utterance.end()
                quiet_until = time.monotonic() + seconds
            self.pending = self.pending[end:]
        # Orca echoes each key by its name; those utterances end with a blank.
        return [s for s in said if not s.endswith(" ")]

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def bulgarian_locale():
    """bg_BG.UTF-8, built into a folder of its own, so that the machine stays as it is."""
    folder = tempfile.mkdtemp()
    subprocess.run(["localedef", "-i", "bg_BG", "-f", "UTF-8", os.path.join(folder, "bg_BG.UTF-8")],
                   check=True, stderr=subprocess.DEVNULL)
    return folder


def page(folder, env):
    """A server of the page folder on 127.0.0.1 and Chromium showing it, reading it to
    assistive technology, with WebGL drawn in software and no offer to translate the page."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1",
                               "--directory", folder, str(port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    profile = tempfile.mkdtemp()
    os.mkdir(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w", encoding="utf-8") as file:
        json.dump({"translate": {"enabled": False}}, file)
    time.sleep(0.5)  # the server is listening
    browser = subprocess.Popen(
        ["chromium", "--no-sandbox", "--force-renderer-accessibility", "--lang=bg",
         "--user-data-dir=" + profile, "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
         "--no-first-run", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--disable-quic", f"http://127.0.0.1:{port}/"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return [browser, server]


def window_named(name, seconds=30):
    """The first window whose title holds name, once it shows. xdotool's own wait gives up
    without a word when a window it is looking at goes away, as Chromium's first ones do."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--name", name], capture_output=True,
                               text=True, timeout=10).stdout.split()
        if found:
            return found[0]
        time.sleep(0.2)
    raise RuntimeError(f"no window named «{name}» within {seconds} s")


def main(program):
    env = dict(os.environ, LOCPATH=bulgarian_locale(), LANG="bg_BG.UTF-8", LC_ALL="bg_BG.UTF-8",
               LANGUAGE="bg", SPEECHD_CMD="/bin/false", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb")
    in_page = os.path.isdir(program)
    failures = passes = 0

    def check(condition, what):
        nonlocal failures, passes
        print(("ok: " if condition else "FAILED: ") + what)
        passes += bool(condition)
        failures += not condition

    orca = Orca(env)
    processes = []
    try:
        orca.utterances(3)  # Orca is up
        # The program's stderr would carry only the bridge's complaints of keys Orca was slow
        # to answer.
        processes = page(program, env) if in_page else [
            subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)]
        window = window_named("покриващ правоъгълник")
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
        said = orca.utterances(5 if in_page else 3)
        print(f"start: {said}")
        speech = " | ".join(said)
        check("Математика -  покриващ правоъгълник рамка" in speech or in_page,
              "the window is heard as a frame named by its caption")
        check("Условие на задачата" in speech, "the focus is heard in the task description")
        figures = layout()
        for keys, heard, unheard in steps(int(figures["canvas_width"]),
                                          int(figures["canvas_height"])):
            subprocess.run(["xdotool", "key", "--delay", "60"] + keys.split(), check=True)
            said = orca.utterances(SETTLE)
            print(f"{keys}: {said}")
            speech = " | ".join(said)
            for words in heard:
                check(words in speech, f"{keys}: «{words}» is heard")
            for words in unheard:
                check(words not in speech, f"{keys}: «{words}» is not heard")
            check(len(said) == len(set(said)), f"{keys}: nothing is said twice")
    finally:
        for process in processes:
            process.terminate()
            process.wait(timeout=10)
        orca.stop()
    print(f"{passes} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
