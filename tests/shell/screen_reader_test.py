"""The lab as a screen reader reads it on the Linux desktop, through AT-SPI.

Run by screen_reader_on_x11.sh on a virtual X screen and a session bus of
its own: starts the lab with accessibility on, names the title dialog,
enters the lab, then finds every instrument and control by name and role,
goes through the Tab ring checking where the accessible focus is, hangs a
weight from the keyboard and types a bad count, counting what is announced.

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

PROGRAM = sys.argv[1]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(find, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    return None


def walk(node):
    yield node
    for n in range(node.childCount):
        child = node.getChildAtIndex(n)
        if child is not None:
            yield from walk(child)


def role(node):
    return node.getRoleName()


def lab_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for n in range(desktop.childCount):
        app = desktop.getChildAtIndex(n)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def showing_window(app):
    for n in range(app.childCount):
        w = app.getChildAtIndex(n)
        if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def focused(window):
    """The innermost object that has the focus (the client area has it
    while one of its instruments does)."""
    found = None
    for node in walk(window):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            found = node
    return found


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    pump(0.4)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
           QT_ACCESSIBILITY="1")
lab = subprocess.Popen([PROGRAM], env=env)
try:
    app = wait_for(lambda: lab_app(lab.pid))
    check(app is not None, "the lab is on the accessibility bus")
    if app is None:
        sys.exit(1)

    title = wait_for(lambda: showing_window(app))
    check(title is not None and title.name == "Llei de Trelko",
          "the title dialog is named: %r" % (title.name if title else None))
    names = [n.name for n in walk(title)] if title else []
    check("Entra" in names, "the title's button: %r" % names)
    key("Return")

    def main_window():
        w = showing_window(app)
        return w if w is not None and w.name.startswith("Llei de Trelko") and \
            any(role(n) == "chart" for n in walk(w)) else None

    main = wait_for(main_window)
    check(main is not None, "the main window with its instruments")
    if main is None:
        sys.exit(1)

    # Every instrument the core lists, in reading order, with its role, then
    # the named controls.
    nodes = list(walk(main))
    by_name = [(n.name, role(n)) for n in nodes]
    print("\n".join("  %s: %s" % item for item in by_name), flush=True)
    expected = [
        ("Bola, ", "push button"),
        ("Interruptor del cronòmetre", "check box"),
        ("Pantalla del cronòmetre, apagat", "status bar"),
        ("reset", "push button"), ("start", "push button"), ("stop", "push button"),
        ("Pes de 0.2 kg, al penjador", "push button"),
        ("Pes de 0.2 kg, al penjador", "push button"),
        ("Pes de 0.3 kg, penjat del fil", "push button"),
        ("Pes de 0.5 kg, al penjador", "push button"),
        ("Massa penjada, 1.0 kg", "status bar"),
        ("Gràfic de T² davant m", "chart"),
    ]
    instruments = [n for n in nodes if n.parent is not None and n.parent.parent == main and
                   role(n) in ("push button", "check box", "status bar", "chart")]
    check(len(instruments) == len(expected),
          "%d instruments, %d found" % (len(expected), len(instruments)))
    for (name, kind), node in zip(expected, instruments):
        check(node.name.startswith(name) and role(node) == kind,
              "instrument %r (%s): %r (%s)" % (name, kind, node.name, role(node)))
    ball = instruments[0] if instruments else None
    check(ball is not None and "Fletxes" in (ball.description or ""),
          "the ball's keys are its description")
    for name, kind in [("Nombre d'oscil·lacions", "text"), ("Missatge", "text"),
                       ("Començar", "push button"), ("plot", "push button")]:
        check((name, kind) in by_name, "control %r (%s)" % (name, kind))

    # The focus starts on the message line; Tab goes on to the count box and
    # Començar, then through every instrument; Shift+Tab comes back.
    start = focused(main)
    check(start is not None and start.name == "Missatge",
          "the focus starts on the message line: %r" % (start.name if start else None))
    key("Tab", "Tab")
    node = focused(main)
    check(node is not None and node.name == "Començar",
          "Tab reaches Començar: %r" % (node.name if node else None))
    heard = []

    def listen(event):
        heard.append((event.type, event.source.name if event.source else None))

    pyatspi.Registry.registerEventListener(
        listen, "object:property-change:accessible-name",
        "object:property-change:accessible-description", "object:state-changed:focused")
    pump(0.5)
    # The ball left alone (its depth may change at every tick): no news.
    del heard[:]
    pump(1.0)
    check(not [h for h in heard if h[1] and h[1].startswith("Bola")],
          "the ball left alone announces nothing: %r" % heard)
    reached = []
    for _ in range(len(expected) + 1):
        key("Tab")
        node = focused(main)
        reached.append(node.name if node is not None else None)
    print("  Tab reached: %r" % reached, flush=True)
    moved = [h[1] for h in heard if h[0] == "object:state-changed:focused"]
    check(len(moved) >= len(expected) and
          all(any((m or "").startswith(name) for m in moved) for name, _ in expected),
          "each Tab tells the focus moved: %r" % moved)
    for n, (name, _) in enumerate(expected):
        check(n < len(reached) and (reached[n] or "").startswith(name),
              "Tab reaches %r" % name)
    key("shift+Tab")
    node = focused(main)
    check(node is not None and node.name.startswith("Gràfic"),
          "Shift+Tab comes back to the graph: %r" % (node.name if node else None))

    # A weight hung from the keyboard: the weight, the mass and the message
    # line's new message each announced once.
    for _ in range(len(expected)):
        if node is None or node.name.startswith("Pes de 0.5 kg"):
            break
        key("shift+Tab")
        node = focused(main)
    check(node is not None and node.name == "Pes de 0.5 kg, al penjador",
          "on the 0.5 kg weight: %r" % (node.name if node else None))
    del heard[:]
    key("space")
    pump(0.5)
    named = [h for h in heard if h[0].endswith("accessible-name")]
    weight = [h for h in named if (h[1] or "").startswith("Pes de 0.5 kg")]
    mass = [h for h in named if (h[1] or "").startswith("Massa penjada")]
    check(len(weight) == 1 and weight[0][1] == "Pes de 0.5 kg, penjat del fil",
          "the weight hung is announced once: %r" % heard)
    check(len(mass) == 1 and mass[0][1] == "Massa penjada, 1.5 kg",
          "the mass that hangs is announced once: %r" % heard)
    told = [h for h in heard if h[0].endswith("accessible-description")]
    check(len(told) == 1, "the new message is told once: %r" % heard)
    line = [n for n in walk(main) if n.name == "Missatge"]
    check(bool(line) and line[0].description == " Massa penjada del fil elàstic = 1.5 kg",
          "the message line's description is its message: %r" %
          (line[0].description if line else None))
    node = focused(main)
    check(node is not None and node.name == "Pes de 0.5 kg, penjat del fil",
          "the focus stays on the weight, its name new")

    # Tab goes on from the instruments to the named count box.
    for _ in range(len(expected)):
        if node is None or node.name == "Nombre d'oscil·lacions":
            break
        key("Tab")
        node = focused(main)
    check(node is not None and role(node) == "text", "Tab reaches the count box")
    pyatspi.Registry.deregisterEventListener(
        listen, "object:property-change:accessible-name",
        "object:property-change:accessible-description", "object:state-changed:focused")
finally:
    lab.terminate()
    try:
        lab.wait(10)
    except subprocess.TimeoutExpired:
        lab.kill()

sys.exit(1 if failures else 0)
