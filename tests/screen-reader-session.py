#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A keyboard-only session on the real program, heard through Orca, speaking Bulgarian.

Run inside a D-Bus session with an X display (dbus-run-session -- xvfb-run ...): starts Orca
with its debug output on a pseudo-terminal (every "SPEECH OUTPUT:" line is an utterance; no
speech server is needed), then the program given as the first argument, or, given a page folder
(build/web/dist), Debian's Chromium showing that page from a server on 127.0.0.1 (with
--slower, as on a slow device on a slow line); types real keys with xdotool and checks, step by
step, that Orca said exactly the sentences expected, in their order, nothing in English, and that
the program wrote no warnings. Given a Windows program and the stand-in for UI Automation's core
(tests/windows/uiautomationcore.cpp), it plays the same steps on Qt's Windows platform under Wine
on an X display, and checks them against what UI Automation receives instead."""

import json
import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request


def layout():
    """The figures scripts find the window's parts by."""
    path = os.path.join(os.path.dirname(__file__), "..", "packaging", "layout")
    with open(path, encoding="utf-8") as file:
        pairs = (line.strip().split("=", 1) for line in file if "=" in line)
        return {name: value.strip('"') for name, value in pairs}


def steps(width, height):
    """Keys, then the sentences Orca says of them, whole and in order, and, where the page
    differs, what the page says (before a sentence of the drawing area, its new description:
    Orca says each change of the focused element's description). The
    «известяване» (notification) before the desktop's announcements is left out, as the page has
    none. The focus starts in the task description, the crosshair at the centre of the drawing
    area; the lists count Y upwards from its bottom edge."""
    x, y = (width - 1) // 2, height - (height - 1) // 2
    first = f"X {x - 29}, Y {y}"  # entered after moving left 29 pixels
    second = f"X 0, Y {height - 10}"  # 10 pixels below the top left corner
    x_list, y_list = "Абсциси на точките (Ос X)", "Ординати на точките (Ос Y)"
    calculate = "Изчисли минималния покриващ правоъгълник бутон"
    clear, delete = "Изчисти всички точки бутон", "Изтрий избраната точка бутон"
    canvas = "Поле за рисуване: натиснете, за да въведете точка канава"
    empty, full = "списък", "23 точки са въведени; няма място за още"

    def entered(keys, sentence, description):
        return keys, [sentence], [description, sentence]

    return [
        # The page once told an empty list as one of one row, and said nothing of it later.
        ("Tab", [x_list, empty]), ("Tab", [calculate]), ("Tab", [clear]), ("Tab", [delete]),
        ("Tab", [y_list, empty]), ("Tab", [canvas, f"няма точки; кръстче: X {x}, Y {y}"]),
        ("Right", [f"X {x + 1}, Y {y}"]),
        ("shift+Left shift+Left shift+Left", [first]),
        entered("space", f"Точка 1: {first}; 1 точка", f"1 точка; кръстче: {first}"),
        ("End", [f"X {width - 1}, Y {y}"]),
        ("Page_Down", [f"X {width - 1}, Y 1"]),
        ("Home", ["X 0, Y 1"]),
        ("Page_Up", [f"X 0, Y {height}"]),
        entered("shift+Down Return", f"Точка 2: {second}; 2 точки", f"2 точки; кръстче: {second}"),
        # Where Am I: the window, the drawing area, what it shows now (the page once read the
        # description from when the drawing area was reached).
        ("KP_Enter", ["рамка", "Поле за рисуване: натиснете, за да въведете точка",
                      f"2 точки; кръстче: {second}"], [f"{canvas} 2 точки; кръстче: {second}"]),
        *[entered("space", f"Точка {n}: {second}; {n} точки", f"{n} точки; кръстче: {second}")
          for n in range(3, 23)],
        entered("space", f"Точка 23: {second}; {full}", f"{full}; кръстче: {second}"),
        ("space", [full]),
        ("shift+Tab", [y_list, "Списък с 23 елемента"]),
        ("Down", [f"Точка 1: {first}"]),
        ("shift+Tab", [delete]), ("shift+Tab", [clear]), ("shift+Tab", [calculate]),
        ("shift+Tab", [x_list, "Списък с 23 елемента"]),
        ("Down", [f"Точка 2: {second}"]),
        ("Tab Return", [calculate, f"правоъгълник: X от 0 до {x - 29}, Y от {y} до {height - 10}"]),
        ("Tab", [clear]),
        ("Tab Return", [delete, f"Изтрита е Точка 2: {second}; остават: 22 точки"]),
        ("Return", ["Няма избрана точка"]),
        ("Return", ["Няма избрана точка"]),  # the page once said a repeat only once
        ("Tab", [y_list, "Списък с 22 елемента"]),  # the page once said the deleted row too
        ("shift+Tab", [delete]),
        ("shift+Tab space", [clear, "Точките и условието на задачата са изтрити"]),
        ("Tab", [delete]), ("Tab", [y_list, empty]),
        ("shift+Tab", [delete]), ("shift+Tab", [clear]),
        ("shift+Tab Return", [calculate, "няма точки"]),
        ("shift+Tab", [x_list, empty]),
    ]


SETTLE = 1.2  # seconds of quiet in which a step's speech is taken to be complete
SPEECH = re.compile(rb"SPEECH OUTPUT: '(.*?)'(?: ?\{|\r?\n)", re.S)
NOTIFICATION = "известяване "  # Orca's word for the desktop's announcements
LOADING = re.compile(r"Зареждане… (\d+) %")


class Reader:
    """A screen reader's words, as its heard() gives them: a list of pieces, each what one
    utterance or event says (maybe nothing), after about 50 ms of waiting at most."""

    def utterances(self, seconds, until=lambda said: True, limit=90):
        """What is said until it has been quiet for the given time, once until() holds of it
        (or limit seconds have passed)."""
        said = []
        quiet_until = time.monotonic() + seconds
        end = time.monotonic() + limit
        while time.monotonic() < end and (time.monotonic() < quiet_until or not until(said)):
            for piece in self.heard():
                said += piece
                quiet_until = time.monotonic() + seconds
        return said


class Orca(Reader):
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

    def heard(self):
        """What Orca has said since, an utterance a piece (a key it echoes an empty one)."""
        ready, _, _ = select.select([self.master], [], [], 0.05)
        if not ready:
            return []
        self.pending += os.read(self.master, 1 << 16)
        # An utterance may run over several lines; what is not yet whole waits.
        pieces, taken = [], 0
        for utterance in SPEECH.finditer(self.pending):
            text = utterance.group(1).decode("utf-8", "replace")
            # Orca echoes each key by its name; those utterances end with a blank.
            # Orca ends what it says of a control with a full stop, not a live region's.
            echo = text.endswith(" ")
            pieces.append([] if echo else
                          [text.removeprefix(NOTIFICATION).removesuffix(".").rstrip("\xa0")])
            taken = utterance.end()
        self.pending = self.pending[taken:]
        return pieces

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:  # still busy with a slowed browser
            self.process.kill()


class UiAutomation(Reader):
    """What a Windows screen reader receives, as the stand-in for UI Automation's core in a Wine
    prefix of its own writes it down, said as the steps word it: a focused control by its name
    and role word, then its value and its description (or its help text, which NVDA reads when
    there is no description); a list item by its name and place («1 от 23»); a notification by
    its text. The role word is the one the program gives (the canvas's), else the steps' word for
    UI Automation's control type (a Windows reader says its own word for it, in the system's
    language), so what is checked is the type. What NVDA would not say, or say wrongly, is said
    so: a sender that does not reach the program's window drops its notification there, and a
    list item not selected is heard as such."""

    WINDOW, EDIT, LIST_ITEM, LIST = 50032, 50004, 50007, 50008
    WORDS = {50000: "бутон", EDIT: "текст", LIST: "списък", WINDOW: "рамка"}
    VALUE = 30045  # a value change, which readers say as the notification's fallback

    def __init__(self, program, standin, env):
        self.wine_run = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                     "packaging", "windows", "wine-run")
        cache = os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache"))
        self.log = os.path.join(tempfile.mkdtemp(), "uia.log")
        open(self.log, "w").close()
        self.env = dict(env, WINEPREFIX=os.path.join(cache, "covering-rectangle", "wine-uia"),
                        WINEDLLOVERRIDES="uiautomationcore=n", UIA_LOG=windows_path(self.log),
                        QT_QPA_PLATFORM="windows")
        subprocess.run([self.wine_run, "cmd", "/c", "exit"], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, timeout=300)  # the prefix is whole
        system32 = os.path.join(self.env["WINEPREFIX"], "drive_c", "windows", "system32")
        shutil.copy(standin, os.path.join(system32, "uiautomationcore.dll"))
        self.standin = standin
        self.program = program
        self.read = 0
        self.focus = None  # the name of the control that has the focus

    def start(self, errors):
        return subprocess.Popen([self.wine_run, self.program], env=self.env, stderr=errors)

    def listen(self, caption_part, seconds=30):
        """Asks the window for its root element, as a reader does when it comes to the front,
        until the window has answered (Qt answers none while the program is starting)."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            subprocess.run([self.wine_run, "rundll32", windows_path(self.standin) + ",Listen",
                            caption_part], env=self.env, check=True, timeout=60)
            if os.path.getsize(self.log):
                return
            time.sleep(0.5)
        raise RuntimeError(f"the window gave UI Automation no root element within {seconds} s")

    def said(self, element):
        word = element["role"] or self.WORDS.get(element["type"], "")
        if element.get("readOnly") and element["type"] == self.EDIT:
            word = "само за четене " + word
        said = [" ".join(filter(None, [element["name"], word]))]
        if element["type"] == self.LIST_ITEM:
            said[0] += "" if element.get("selected") else " неизбран"
            said[0] += f" {element['position']} от {element['size']}"
        return said + list(filter(None, [element.get("value"),
                                         element["description"] or element["help"]]))

    def event_said(self, event):
        kind = event["event"]
        if kind == "start":
            return self.said(event["window"]) + self.said(event["focus"])
        if kind not in ("focus", "notification", "property") or \
                kind == "property" and event["id"] != self.VALUE:
            return []
        sender = event["sender"]
        parents = sender["parents"]
        reaches = sender["type"] == self.WINDOW or bool(parents) and parents[-1]["type"] == self.WINDOW
        said = [event.get("text", event.get("value"))]
        if kind == "focus":
            # An item in a list it was not in before is heard after its list.
            item = sender["type"] == self.LIST_ITEM and parents
            entered = item and parents[0]["name"] != self.focus
            said = ([f"{parents[0]['name']} {self.WORDS[self.LIST]}"] if entered else []) + \
                self.said(sender)
            self.focus = parents[0]["name"] if item else sender["name"]
        return said if reaches else [f"{s} (не стига до прозореца)" for s in said]

    def heard(self):
        time.sleep(0.05)
        with open(self.log, encoding="utf-8") as file:
            file.seek(self.read)
            lines = file.read()
        whole = lines[:lines.rfind("\n") + 1]  # a line still being written waits
        self.read += len(whole.encode("utf-8"))
        return [self.event_said(json.loads(line)) for line in whole.splitlines()]

    def stop(self):
        subprocess.run(["wineserver", "-k"], env=self.env, check=False)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def on_windows(steps):
    """The steps as a Windows reader says them: a list by its name and role word, without
    Orca's count of its rows, and then the chosen point, which has the focus in a list (as in
    Windows' own list boxes); a list item with its place in the list, «1 от 23». Orca's own key
    (Where Am I) is left out."""
    count, chosen = 0, None
    for keys, heard, *_ in steps:
        if keys == "KP_Enter":
            continue
        said = []
        for sentence in heard:
            if sentence == "списък" or sentence.startswith("Списък с "):
                count = int(sentence.split()[2]) if sentence != "списък" else 0
                said[-1] += " списък"
                said += [chosen] if chosen else []
            elif keys == "Down":
                chosen = f"{sentence} {int(sentence.split()[1].rstrip(':'))} от {count}"
                said.append(chosen)
            else:
                said.append(sentence)
                if sentence.startswith("Изтрит") or sentence.startswith("Точките и условието"):
                    chosen = None  # a deletion leaves no point chosen
        yield keys, said


def bulgarian_locale():
    """bg_BG.UTF-8, built into a folder of its own, so that the machine stays as it is."""
    folder = tempfile.mkdtemp()
    subprocess.run(["localedef", "-i", "bg_BG", "-f", "UTF-8", os.path.join(folder, "bg_BG.UTF-8")],
                   check=True, stderr=subprocess.DEVNULL)
    return folder


class DevTools:
    """Chromium's DevTools protocol on its one page: slows the page's processor, and tells what
    the page wrote to its console as warnings or errors, or threw."""

    def __init__(self, profile):
        import websocket  # Debian's python3-websocket; only the page's session needs it
        port_file = os.path.join(profile, "DevToolsActivePort")
        for _ in range(300):
            if os.path.exists(port_file) and open(port_file, encoding="ascii").read().strip():
                break
            time.sleep(0.1)
        port = open(port_file, encoding="ascii").read().split()[0]
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json") as answer:
            target = next(t for t in json.load(answer) if t["type"] == "page")
        self.socket = websocket.create_connection(target["webSocketDebuggerUrl"],
                                                  suppress_origin=True)
        self.serial = 0

    def send(self, method, **params):
        self.serial += 1
        self.socket.send(json.dumps({"id": self.serial, "method": method, "params": params}))

    def warnings(self):
        """What the browser has sent since, read until it has been quiet for a second."""
        found = []
        self.socket.settimeout(1)
        try:
            while message := json.loads(self.socket.recv()):
                params = message.get("params", {})
                if message.get("method") == "Runtime.consoleAPICalled" and \
                        params["type"] in ("warning", "error"):
                    found.append(" ".join(str(arg.get("value", arg.get("description")))
                                          for arg in params["args"]))
                elif message.get("method") == "Runtime.exceptionThrown":
                    found.append(params["exceptionDetails"]["text"])
        except Exception:  # quiet
            return found


def page(folder, env, slower):
    """A server of the page folder on 127.0.0.1, as a school's site serves it (see
    tests/web/page.mjs), and Chromium showing it, reading it to assistive technology, with WebGL
    drawn in software and no offer to translate the page. With slower, the server sends about
    10 Mbit/s and the page's processor runs six times slower, as on a low-end Chromebook."""
    serve = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web", "page.mjs")
    server = subprocess.Popen(
        ["node", "--input-type=module", "-e",
         f"import {{ serve }} from {json.dumps(serve)};"
         f"const site = await serve(process.argv[1], {{ piece: 65536, delay: {52 if slower else 0} }});"
         "console.log(site.url, site.neighbour);", folder], stdout=subprocess.PIPE, text=True)
    # The browser starts on another page of the site, so that the keys go to the page's
    # content, then goes to the program's once its processor is slowed.
    url, neighbour = server.stdout.readline().split()
    profile = tempfile.mkdtemp()
    os.mkdir(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w", encoding="utf-8") as file:
        json.dump({"translate": {"enabled": False}}, file)
    browser = subprocess.Popen(
        ["chromium", "--no-sandbox", "--force-renderer-accessibility", "--lang=bg",
         "--user-data-dir=" + profile, "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
         "--no-first-run", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--disable-quic", "--remote-debugging-port=0", neighbour],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    devtools = DevTools(profile)
    devtools.send("Runtime.enable")
    if slower:
        devtools.send("Emulation.setCPUThrottlingRate", rate=6)
    devtools.send("Page.navigate", url=url)
    return [browser, server], devtools


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


# What the window says as it starts: on the page, after the share loaded (in tenths, each once)
# and the browser's own words of the load.
CAPTION = "Математика -  покриващ правоъгълник"
START = [f"{CAPTION} рамка", "Условие на задачата само за четене текст",
         "Нека имаме съвкупност от точки в равнината с известни"]
# The page's text box is read whole, as an entry (поле за писане), as browsers show it.
PAGE_START = ("Условие на задачата само за четене поле за писане Нека имаме съвкупност от точки"
              " в равнината с известни координати")
# The program's key events wait 100 ms for Orca's answer (Qt's own limit), then go on with a
# warning; Orca takes longer on this machine. Nothing else may be written there.
QT_KEY_WAIT = re.compile(r"QSpiApplication::(keyEventError|notifyKeyboardListenerCallback with no"
                         r" queued key called)"
                         # Under Wine, Qt's Windows platform also says what Wine has not built.
                         r"|^(SetProcessDpiAwarenessContext|EnableNonClientDpiScaling)\(.*\) failed")


def main(program, standin=None, slower=False):
    runtime = tempfile.mkdtemp()
    env = dict(os.environ, LOCPATH=bulgarian_locale(), LANG="bg_BG.UTF-8", LC_ALL="bg_BG.UTF-8",
               LANGUAGE="bg", SPEECHD_CMD="/bin/false", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime)
    in_page = os.path.isdir(program)
    failures = passes = 0
    transcript = []

    def check(condition, what):
        nonlocal failures, passes
        print(("ok: " if condition else "FAILED: ") + what)
        passes += bool(condition)
        failures += not condition

    reader = UiAutomation(program, standin, env) if standin else Orca(env)
    processes, devtools = [], None
    errors = tempfile.TemporaryFile("w+")
    try:
        reader.utterances(3)  # Orca is up
        if in_page:
            processes, devtools = page(program, env, slower)
        elif standin:
            processes = [reader.start(errors)]
        else:
            processes = [subprocess.Popen([program], env=env, stderr=errors)]
        window = window_named("покриващ правоъгълник")
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
        if standin:
            reader.listen("покриващ правоъгълник")
        def started(said):
            if standin:  # the whole task description is the text box's value
                return said[:len(START) - 1] == START[:-1] and said[-1].startswith(START[-1])
            if not in_page:
                return said[-len(START):] == START
            # Orca may say last that it takes the keys on to the page (режим на фокус).
            said = [s for s in said if s != "Режим на фокус"]
            return bool(said) and said[-1].startswith(PAGE_START)
        said = reader.utterances(5 if in_page else 3, until=started)
        print(f"start: {said}")
        transcript += said
        loading = [LOADING.fullmatch(s) for s in said]
        tenths = [int(m.group(1)) for m in loading if m]
        check(tenths == sorted(set(tenths)) and all(t % 10 == 0 for t in tenths),
              "the share loaded is heard in tenths, each once")
        check(bool(tenths) or not slower, "the share loaded is heard on a slow line")
        check(CAPTION.replace("  ", " ") in " ".join(said).replace("  ", " "),
              "the window's caption is heard")
        check(started(said), "the focus in the task description is heard last")
        figures = layout()
        table = steps(int(figures["canvas_width"]), int(figures["canvas_height"]))
        for keys, heard, *page_heard in on_windows(table) if standin else table:
            heard = page_heard[0] if in_page and page_heard else heard
            subprocess.run(["xdotool", "key", "--delay", "60"] + keys.split(), check=True)
            said = reader.utterances(2 * SETTLE if slower else SETTLE)
            transcript += said
            check(said == heard, f"{keys}: {said} is {heard}")
        # Besides X and Y; the browser's name is heard as its window gets the focus.
        english = [s for s in transcript if re.search("[A-Za-z]{2,}", s.replace("Chromium", ""))]
        check(not english, f"nothing is said in English: {english}")
    finally:
        written = devtools.warnings() if devtools else []  # while the browser is there
        for process in processes:
            process.terminate()
            process.wait(timeout=10)
        reader.stop()
    errors.seek(0)
    written += [line for line in errors.read().splitlines() if not QT_KEY_WAIT.search(line)]
    check(not written, f"the program writes no warnings: {written}")
    print(f"{passes} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    arguments = [a for a in sys.argv[1:] if a != "--slower"]
    sys.exit(main(*arguments, slower="--slower" in sys.argv[2:]))
