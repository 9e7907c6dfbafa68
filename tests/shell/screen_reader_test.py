"""The lab as a screen reader reads it on the Linux desktop, through AT-SPI.

Run by screen_reader_on_x11.sh on a virtual X screen and a session bus of
its own: names the title dialog, then finds every instrument and control
of the main window by name and role, follows Tab's accessible focus
through the instruments, and counts what hanging a weight announces.

    python3 screen_reader_test.py <path to trelko>
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

failures = []
heard = []
EVENTS = ("object:property-change:accessible-name",
          "object:property-change:accessible-description", "object:state-changed:focused")
# The instruments in reading order: the start of each one's name, its role.
INSTRUMENTS = [
    ("Bola, ", "push button"), ("Interruptor del cronòmetre", "check box"),
    ("Pantalla del cronòmetre, apagat", "status bar"), ("reset", "push button"),
    ("start", "push button"), ("stop", "push button"),
    ("Pes de 0.2 kg, al penjador", "push button"), ("Pes de 0.2 kg, al penjador", "push button"),
    ("Pes de 0.3 kg, penjat del fil", "push button"), ("Pes de 0.5 kg, al penjador", "push button"),
    ("Massa penjada, 1.0 kg", "status bar"), ("Gràfic de T² davant m", "chart"),
]


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def wait_for(find, tries=150):
    """What find() gives once it gives something, polling for up to 15 s (a
    loaded machine, a sanitizer build)."""
    for _ in range(tries):
        found = find()
        if found:
            return found
        pump(0.1)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(app, want=lambda w: True):
    return next((w for w in app if w is not None and want(w) and
                 w.getState().contains(pyatspi.STATE_SHOWING)), None)


def focused(window):
    """The innermost object with the focus (the client area has it while
    one of its instruments does), as (name, place among its siblings)."""
    found = [n for n in walk(window) if n.getState().contains(pyatspi.STATE_FOCUSED)]
    return (found[-1].name, found[-1].getIndexInParent()) if found else (None, -1)


def focus(window):
    return focused(window)[0]


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    pump(0.4)


def take_keyboard(pid):
    """Gives the keyboard to the lab's visible window (no window manager
    does it on the virtual screen)."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    if ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], check=False)


lab = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                               QT_QPA_PLATFORM="xcb"))
try:
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a is not None and
                                 a.get_process_id() == lab.pid), None))
    title = app and wait_for(lambda: showing(app))
    check(title is not None and title.name == "Llei de Trelko", "the title dialog is named")

    def main_window():
        shown = showing(app, lambda w: any(n.getRoleName() == "chart" for n in walk(w)))
        if shown is None:
            take_keyboard(lab.pid)
            key("Return")  # "Entra", until the main window shows
        return shown

    main = app and wait_for(main_window, 30)
    take_keyboard(lab.pid)
    if main is None:
        sys.exit("FAIL no main window on the bus")

    # Every instrument, in reading order, with the page's name, a role and,
    # for the ball, its keys; the controls by name.
    nodes = [(n.name, n.getRoleName(), n.description) for n in walk(main)]
    found = [n for n in nodes if n[1] in ("push button", "check box", "status bar", "chart")]
    print("\n".join("  %s: %s" % n[:2] for n in nodes), flush=True)
    check([(name.startswith(want), kind) for (name, kind, _), (want, _) in
           zip(found, INSTRUMENTS)] == [(True, kind) for _, kind in INSTRUMENTS],
          "every instrument named, in order, with its role")
    check(found[0][2].startswith("Fletxes"), "the ball's keys are its description")
    for control in [("Nombre d'oscil·lacions", "text"), ("Missatge", "text"),
                    ("Començar", "push button"), ("plot", "push button")]:
        check(control in [n[:2] for n in nodes], "control %r" % (control,))

    def listen(event):
        heard.append((event.type, event.source.name if event.source else None))

    pyatspi.Registry.registerEventListener(listen, *EVENTS)
    # The focus starts on the message line; Tab goes on to the count box and
    # Començar, then through every instrument, telling each move; Shift+Tab
    # comes back.
    check(focus(main) == "Missatge", "the focus starts on the message line")
    key("Tab", "Tab")
    wait_for(lambda: focus(main) == "Començar", 50)
    del heard[:]
    reached = []
    for _ in INSTRUMENTS:
        was = focused(main)
        key("Tab")
        reached.append(wait_for(lambda: focused(main) != was and focus(main), 50) or "")
    print("  Tab reached: %r" % reached, flush=True)
    check([r.startswith(want) for r, (want, _) in zip(reached, INSTRUMENTS)] ==
          [True] * len(INSTRUMENTS), "Tab reaches every instrument in order")
    moved = set(h[1] for h in heard if h[0] == EVENTS[2])
    check(set(reached) <= moved, "each Tab tells the focus moved: %r" % moved)
    key("Tab", "shift+Tab")
    check(wait_for(lambda: focus(main) == "Gràfic de T² davant m", 50),
          "Shift+Tab comes back to the graph")

    # Space on the 0.5 kg weight: the weight, the mass and the message line
    # each told once, the focus still on the weight.
    key("shift+Tab", "shift+Tab")
    check(wait_for(lambda: focus(main) == "Pes de 0.5 kg, al penjador", 50), "on the 0.5 kg weight")
    del heard[:]
    key("space")
    # (The ball, left alone, may come to rest meanwhile: that is its own news.)
    told = lambda: sorted(h for h in heard if h[0] != EVENTS[2] and
                          not (h[1] or "").startswith("Bola"))
    wait_for(lambda: len(told()) >= 3, 50)
    pump(1.0)  # and no second telling
    check(told() == [
        (EVENTS[1], "Missatge"), (EVENTS[0], "Massa penjada, 1.5 kg"),
        (EVENTS[0], "Pes de 0.5 kg, penjat del fil")], "each change told once: %r" % heard)
    line = next((n for n in walk(main) if n.name == "Missatge"), None)
    check(line is not None and line.description == " Massa penjada del fil elàstic = 1.5 kg",
          "the new message is the line's description")
    check(focus(main) == "Pes de 0.5 kg, penjat del fil", "the focus stays, its name new")
    pyatspi.Registry.deregisterEventListener(listen, *EVENTS)
finally:
    lab.terminate()
    try:
        lab.wait(10)
    except subprocess.TimeoutExpired:
        lab.kill()
sys.exit(1 if failures else 0)
