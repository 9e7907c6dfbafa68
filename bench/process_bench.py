#!/usr/bin/env python3
"""The process benchmark: the real lab beside the floor program, on Xvfb.

Each program runs on an X server of its own, which must answer a client
before any program starts on it. First both are launched alone, in turn, a
few times each, for their start-up figures; then, for several rounds, both
start at the same moment and run side by side for the chosen duration. Each
ratio is shown as the median of the rounds with its minimum and maximum. The lab is driven as a user
would drive it: its title picture dismissed with Enter (or a click on
"Entra"), the stopwatch switched on and started, and the ball released to
one side so that it swings. The floor program is a bare window of the same
size with the same 50 ms timer that repaints one small square per tick.

Per program it measures:
  * CPU seconds per minute (user + system, /proc/<pid>/stat) over the
    measured window, which starts once the lab has been set going;
  * peak resident memory (VmHWM, /proc/<pid>/status) just before stopping;
  * start-up, the median of the solo launches: the program's own report (ms
    from its start to its first frame shown), and from here the time from
    launch to its first window mapped (exec and loading included);
  * timer ticks handled against the ticks the wall clock allows, from the
    first tick to exit (less the 0.1 s in which the pressed "start" button
    holds the lab, by design, from handling any message).
The X servers' CPU is measured too, as the cost of presenting the pixels.

The programs report start-up and ticks when LAB_BENCH_REPORT names a file:
one line "first_frame_ms=<ms> ticks=<n> run_ms=<ms>" written on exit
(SIGTERM is a clean quit). A program without that report shows "n/a".

A run that could not measure every figure with a target ends with status 1
and its verdict says "not measured" and why; a measured run ends with 0,
whether or not the targets are met.

  process_bench.py --lab <trelko> --floor <lab_floor> [--duration 30]
                   [--rounds 3] [--startup-rounds 5] [--json out.json]
                   [--screenshot out.png] [--layout lab_layout.json]

Where to click comes from the lab's layout as its build wrote it
(<build>/lab_layout.json, found above the lab's executable unless --layout
names it); the X servers are started by scripts/xvfb.sh.
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CLIENT_WIDTH, CLIENT_HEIGHT = 690, 479
MAIN_TITLE = "Llei de Trelko"
TICK_MS = 50

XVFB_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "xvfb.sh")

# Client points of the lab's main window (the stopwatch's come from the
# layout: stopwatch_points).
BALL_RELEASE = (170, 150)  # in the simulation box, right of and above rest
POINTER_PARK = (1010, 760)  # off both windows, so hovering repaints nothing
# The title dialog's "Entra" button: its centre in client pixels.
ENTRA = (84, 201)

CLK_TCK = os.sysconf("SC_CLK_TCK")

# While a pressed stopwatch button shows (0.1 s) the lab handles no message
# at all, by design, so the ticks due meanwhile are not owed: the lab's
# expected ticks leave out the one press of "start".
HELD_MS = {"lab": 100, "floor": 0}


class BenchError(Exception):
    pass


def find_layout(lab_path):
    """<build>/lab_layout.json of the build the lab's executable is in."""
    folder = os.path.dirname(os.path.abspath(lab_path))
    while True:
        candidate = os.path.join(folder, "lab_layout.json")
        if os.path.isfile(candidate):
            return candidate
        parent = os.path.dirname(folder)
        if parent == folder:
            raise BenchError(f"no lab_layout.json in a folder above {lab_path}")
        folder = parent


def stopwatch_points(layout_path):
    """The stopwatch's power-on and start points, from the layout file."""
    try:
        with open(layout_path) as f:
            stopwatch = json.load(f)["stopwatch"]
        return tuple(stopwatch["powerOn"]), tuple(stopwatch["start"])
    except (OSError, ValueError, KeyError) as e:
        raise BenchError(f"{layout_path} gives no stopwatch points: {e}") from e


def parse_cpu_seconds(stat_text):
    """User + system CPU time, in seconds, from a /proc/<pid>/stat line."""
    # The command name may hold spaces and parentheses: the fields start
    # after its last ")". utime and stime are fields 14 and 15.
    fields = stat_text[stat_text.rindex(")") + 2:].split()
    utime, stime = int(fields[11]), int(fields[12])
    return (utime + stime) / CLK_TCK


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        return parse_cpu_seconds(f.read())


def expected_ticks(run_ms, held_ms=0):
    """Ticks of a 50 ms timer from its first tick (at 0) to run_ms."""
    return int((run_ms - held_ms) // TICK_MS) + 1


def status_kib(pid, key):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return None


class XServer:
    """An Xvfb of its own on the first free display, answering clients.

    scripts/xvfb.sh starts it (a server that does not answer is replaced,
    up to three tries), prints "<display> <Xvfb's pid>" and keeps it until
    the script is stopped. The figures' X server CPU is Xvfb's own.
    """

    def __init__(self, runtime_dir, log_path):
        self.log_path = log_path
        with open(log_path, "w") as log:
            self.proc = subprocess.Popen(["sh", XVFB_SCRIPT, "serve"], stdout=subprocess.PIPE,
                                         stderr=log, text=True)
        # Three tries of at most 10 s each.
        if wait_until(lambda: self.proc.poll() is not None or _readable(self.proc.stdout),
                      40, step=0.05) is None:
            self.stop()
            raise BenchError("Xvfb did not start in time" + log_tail(log_path))
        line = self.proc.stdout.readline().split()
        if len(line) != 2 or not line[1].isdigit():
            self.stop()
            raise BenchError("Xvfb did not start" + log_tail(log_path))
        self.display, self.pid = line[0], int(line[1])
        self.env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=runtime_dir)
        self.env.pop("WAYLAND_DISPLAY", None)

    def answers(self):
        """The server still serves a client with its screen (as xvfb.sh asks)."""
        if self.proc.poll() is not None:
            return False
        try:
            return self.xdotool("getdisplaygeometry").split() == ["1024", "768"]
        except subprocess.TimeoutExpired:
            return False

    def xdotool(self, *args, check=False):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=10)
        if check and result.returncode != 0:
            raise BenchError(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
        return result.stdout

    def visible_windows(self, pid=None, name=None):
        args = ["search", "--onlyvisible"]
        if pid is not None:
            args += ["--pid", str(pid)]
        if name is not None:
            args += ["--name", "^" + re.escape(name) + "$"]
        return [int(w) for w in self.xdotool(*args).split()]

    def geometry(self, window):
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", str(window)).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1", check=True)

    def screenshot(self, path):
        if shutil.which("xwd") is None:
            return False
        raw = path + ".xwd"
        with open(raw, "wb") as out:
            subprocess.run(["xwd", "-root", "-silent", "-display", self.display], stdout=out,
                           timeout=10)
        if shutil.which("convert") is not None and path.endswith(".png"):
            subprocess.run(["convert", raw, path], timeout=30)
            os.remove(raw)
        else:
            os.replace(raw, path)
        return True

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def _readable(stream):
    import select
    return bool(select.select([stream], [], [], 0)[0])


def log_tail(path, limit=600):
    """The end of a log, for an error message; "" when there is none."""
    try:
        with open(path, errors="replace") as f:
            text = f.read().strip()
    except OSError:
        return ""
    return f" (its log ends: {text[-limit:]})" if text else ""


def start_server(runtime_dir, work, notes, attempts=3):
    """An answering X server; a few tries, each noted when it failed."""
    for attempt in range(attempts):
        log_path = os.path.join(work, f"xvfb.{time.monotonic_ns()}.log")
        try:
            return XServer(runtime_dir, log_path)
        except BenchError as e:
            if attempt == attempts - 1:
                raise
            notes.append(f"X server start retried: {e}")
    raise BenchError("no X server")


class ProgramEnded(BenchError):
    pass


class Program:
    def __init__(self, name, path, server, report_path):
        self.name = name
        self.server = server
        self.report_path = report_path
        env = dict(server.env, LAB_BENCH_REPORT=report_path)
        self.launched = time.monotonic()
        # The program's messages go to a file: a full pipe would stall it.
        self.log_path = report_path + ".log"
        with open(self.log_path, "w") as log:
            self.proc = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=log)
        self.mapped = None  # s after launch, first window mapped
        self.figures = {}

    @property
    def pid(self):
        return self.proc.pid

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        """SIGTERM, then the program's own report."""
        if self.alive():
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
                self.figures["note"] = "did not quit on SIGTERM; killed"
        return read_report(self.report_path)


def read_report(path):
    try:
        with open(path) as f:
            return parse_report(f.read())
    except OSError:
        return None


def parse_report(text):
    """The figures of a report line, or None when one is missing."""
    values = dict(re.findall(r"(\w+)=(-?\d+(?:\.\d+)?)", text))
    try:
        return {k: float(values[k]) for k in ("first_frame_ms", "ticks", "run_ms")}
    except KeyError:
        return None


def wait_until(predicate, timeout, step=0.01):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return None


def main_window(server):
    for w in server.visible_windows(name=MAIN_TITLE):
        g = server.geometry(w)
        if g.get("WIDTH") == CLIENT_WIDTH and g.get("HEIGHT") == CLIENT_HEIGHT:
            return w, g
    return None


def set_lab_going(lab, stopwatch):
    """Dismisses the title picture and starts the stopwatch and the ball.

    stopwatch: the client points of its power switch and start button.
    """
    server = lab.server
    title = server.visible_windows(pid=lab.pid)
    if not title:
        raise BenchError("the lab shows no window")
    time.sleep(0.3)  # as long as a user takes to see it, at least
    server.xdotool("key", "Return")
    found = wait_until(lambda: main_window(server), 3)
    if found is None:
        # No keyboard focus on the title picture: click "Entra" instead.
        g = server.geometry(title[0])
        server.click(g["X"] + ENTRA[0], g["Y"] + ENTRA[1])
        found = wait_until(lambda: main_window(server), 5)
    if found is None:
        raise BenchError("the lab's main window did not come up")
    _, g = found
    # Without a window manager the window's position is its client origin.
    ox, oy = g["X"], g["Y"]
    time.sleep(0.3)
    for point in (*stopwatch, BALL_RELEASE):
        server.click(ox + point[0], oy + point[1])
        time.sleep(0.3)  # a stopwatch button stays down 0.1 s
    server.xdotool("mousemove", str(POINTER_PARK[0]), str(POINTER_PARK[1]))


def wait_mapped(program, timeout=30):
    """Polls every 10 ms for the program's first window; ms after launch."""
    deadline = program.launched + timeout
    while time.monotonic() < deadline:
        if not program.alive():
            raise ProgramEnded(f"the {program.name} program ended at start-up with status "
                               f"{program.proc.returncode}" + log_tail(program.log_path))
        if program.server.visible_windows(pid=program.pid):
            program.mapped = time.monotonic() - program.launched
            return program.mapped * 1000
        time.sleep(0.01)
    raise BenchError(f"the {program.name} program showed no window")


def launch(name, path, servers, index, report_path, runtime_dir, work, notes):
    """Starts a program on servers[index] and waits for its first window.

    A program that ends at start-up is started once more, on a new server
    when its own no longer answers; the retry is noted in the figures.
    """
    for attempt in range(2):
        p = Program(name, path, servers[index], report_path)
        try:
            return p, wait_mapped(p)
        except ProgramEnded as e:
            p.stop()
            if attempt == 1:
                raise
            notes.append(f"restarted once: {e}")
            if not servers[index].answers():
                servers[index].stop()
                servers[index] = start_server(runtime_dir, work, notes)
    raise BenchError("unreachable")


def median(values):
    values = sorted(v for v in values if v is not None)
    if not values:
        return None
    mid = len(values) // 2
    return values[mid] if len(values) % 2 else (values[mid - 1] + values[mid]) / 2


def measure_startup(args, servers, work, runtime_dir, notes):
    """Launches each program alone, in turn, and takes the medians.

    The two alternate (lab first in one round, floor first in the next) so
    that both meet the same conditions; launched together they would fight
    over the two cores and the figure would be mostly noise. Each launch
    lives until its first frame has surely been shown, then quits.
    """
    runs = {"lab": [], "floor": []}
    paths = {"lab": args.lab, "floor": args.floor}
    server_index = {"lab": 0, "floor": 1}
    for i in range(args.startup_rounds):
        for name in (("lab", "floor") if i % 2 == 0 else ("floor", "lab")):
            report_path = os.path.join(work, f"{name}.startup.{i}.report")
            p, mapped = launch(name, paths[name], servers, server_index[name], report_path,
                               runtime_dir, work, notes)
            try:
                time.sleep(0.4)
            finally:
                report = p.stop()
            first = None if report is None or report["first_frame_ms"] < 0 else (
                report["first_frame_ms"])
            runs[name].append({"first_frame_ms": first, "mapped_ms": mapped,
                               "reported": report is not None})
    return {name: {"runs": r,
                   "reported": any(x["reported"] for x in r),
                   "first_frame_ms": median(x["first_frame_ms"] for x in r),
                   "mapped_ms": median(x["mapped_ms"] for x in r)}
            for name, r in runs.items()}


def measure_round(args, servers, work, runtime_dir, notes, index):
    """Both programs side by side for the duration: one round's figures."""
    programs = []
    try:
        # Both start at the same moment.
        lab = Program("lab", args.lab, servers[0], os.path.join(work, f"lab.{index}.report"))
        floor = Program("floor", args.floor, servers[1],
                        os.path.join(work, f"floor.{index}.report"))
        programs = [lab, floor]
        try:
            for p in programs:
                wait_mapped(p)
        except ProgramEnded as e:
            # Once more, both again, on servers that answer.
            notes.append(f"round {index + 1} restarted once: {e}")
            for p in programs:
                p.stop()
            for i, server in enumerate(servers):
                if not server.answers():
                    server.stop()
                    servers[i] = start_server(runtime_dir, work, notes)
            lab = Program("lab", args.lab, servers[0], os.path.join(work, f"lab.{index}.r.report"))
            floor = Program("floor", args.floor, servers[1],
                            os.path.join(work, f"floor.{index}.r.report"))
            programs = [lab, floor]
            for p in programs:
                wait_mapped(p)
        set_lab_going(lab, args.stopwatch)

        # The measured window.
        watched = [(p.name, p.pid) for p in programs] + [
            ("lab_x", servers[0].pid), ("floor_x", servers[1].pid)]
        start = time.monotonic()
        cpu_start = {name: cpu_seconds(pid) for name, pid in watched}
        time.sleep(args.duration)
        for p in programs:
            if not p.alive():
                raise BenchError(f"the {p.name} program ended during the run" +
                                 log_tail(p.log_path))
        elapsed = time.monotonic() - start
        cpu_end = {name: cpu_seconds(pid) for name, pid in watched}
        for p in programs:
            p.figures["rss_peak_kib"] = status_kib(p.pid, "VmHWM")
            p.figures["rss_now_kib"] = status_kib(p.pid, "VmRSS")
        if args.screenshot:
            servers[0].screenshot(args.screenshot)

        per_minute = {n: (cpu_end[n] - cpu_start[n]) / elapsed * 60 for n, _ in watched}
        figures = {"measured_s": elapsed}
        for p in programs:
            report = p.stop()
            f = p.figures
            f["cpu_s_per_min"] = per_minute[p.name]
            f["x_server_cpu_s_per_min"] = per_minute[p.name + "_x"]
            f["ticks"] = f["expected_ticks"] = f["run_ms"] = None
            if report is not None and report["run_ms"] > 0:
                f["ticks"] = int(report["ticks"])
                f["run_ms"] = report["run_ms"]
                # The first tick comes at run time 0, then one every 50 ms.
                f["held_ms"] = HELD_MS[p.name]
                f["expected_ticks"] = expected_ticks(report["run_ms"], f["held_ms"])
            figures[p.name] = f
        return figures
    finally:
        for p in programs:
            if p.alive():
                p.proc.kill()
                p.proc.wait()


def combine(rounds, startup):
    """The figures of all rounds: medians per program, ticks summed, and the
    spread of each ratio (one value per round or per start-up pair)."""
    programs = {}
    for name in ("lab", "floor"):
        per_round = [r[name] for r in rounds]
        f = {key: median(x[key] for x in per_round)
             for key in ("cpu_s_per_min", "x_server_cpu_s_per_min", "rss_peak_kib")}
        ticks = [x["ticks"] for x in per_round]
        expected = [x["expected_ticks"] for x in per_round]
        f["ticks"] = None if None in ticks else sum(ticks)
        f["expected_ticks"] = None if None in expected else sum(expected)
        f["first_frame_ms"] = f["mapped_ms"] = None
        if startup is not None:
            f["first_frame_ms"] = startup[name]["first_frame_ms"]
            f["mapped_ms"] = startup[name]["mapped_ms"]
            f["startup_runs"] = startup[name]["runs"]
            f["startup_reported"] = startup[name]["reported"]
        programs[name] = f
    spread = {
        "cpu": [ratio(r["lab"]["cpu_s_per_min"], r["floor"]["cpu_s_per_min"]) for r in rounds],
        "rss": [None if None in (r["lab"]["rss_peak_kib"], r["floor"]["rss_peak_kib"]) else
                (r["lab"]["rss_peak_kib"] - r["floor"]["rss_peak_kib"]) / 1024 for r in rounds],
    }
    if startup is not None:
        pairs = list(zip(startup["lab"]["runs"], startup["floor"]["runs"]))
        spread["startup"] = [ratio(a["first_frame_ms"], b["first_frame_ms"]) for a, b in pairs]
        spread["mapped"] = [ratio(a["mapped_ms"], b["mapped_ms"]) for a, b in pairs]
    return programs, spread


def run(args):
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            raise BenchError(f"{tool} is not installed")
    for path in (args.lab, args.floor):
        if not os.access(path, os.X_OK):
            raise BenchError(f"{path} is not an executable")
    args.stopwatch = stopwatch_points(args.layout or find_layout(args.lab))

    work = tempfile.mkdtemp(prefix="lab-process-bench-")
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    servers = []
    notes = []
    result = {"duration_s": args.duration, "startup_rounds": args.startup_rounds,
              "rounds_asked": args.rounds, "notes": notes, "programs": {}}
    try:
        servers = [start_server(runtime, work, notes), start_server(runtime, work, notes)]
        startup = (measure_startup(args, servers, work, runtime, notes)
                   if args.startup_rounds > 0 else None)
        rounds = [measure_round(args, servers, work, runtime, notes, i)
                  for i in range(args.rounds)]
        result["rounds"] = rounds
        result["programs"], result["spread"] = combine(rounds, startup)
        result["measured_s"] = sum(r["measured_s"] for r in rounds)
    finally:
        for s in servers:
            s.stop()
        shutil.rmtree(work, ignore_errors=True)
    return result


def ratio(a, b):
    return None if a is None or b in (None, 0) else a / b


def with_spread(text, values, fmt, unit=""):
    """"1.33 x" and, over several rounds, "(min 1.20, max 1.50, 3 rounds)"."""
    values = [v for v in (values or []) if v is not None]
    if len(values) < 2:
        return text
    return (f"{text} (min {format(min(values), fmt)}{unit}, max {format(max(values), fmt)}{unit}, "
            f"{len(values)} runs)")


# The figures with a target: a run measured them all, or it did not measure.
TARGET_ROWS = ("CPU, lab / floor", "peak RSS, lab - floor, MB", "start-up, lab / floor",
               "lab: timer ticks / expected", "floor: timer ticks / expected")


def process_rows(result):
    """(figure, measured, target, met) rows for the table. A ratio over
    several rounds is their median, with its minimum and maximum."""
    lab = result["programs"]["lab"]
    floor = result["programs"]["floor"]
    spread = result.get("spread", {})

    def num(v, fmt):
        return "n/a" if v is None else format(v, fmt)

    def met(ok):
        return "n/a" if ok is None else ("yes" if ok else "**no**")

    def median_or(values, fallback):
        m = median(values or [])
        return fallback if m is None else m

    def startup_ratio_row(figure, key, spread_key, target):
        """Lab / floor of a start-up figure, met at 1.3 x or less."""
        r = ratio(lab[key], floor[key])
        if r is not None:
            r = median_or(spread.get(spread_key), r)
        return (figure,
                with_spread(num(r, ".2f") + (" x" if r is not None else ""),
                            spread.get(spread_key), ".2f", " x"),
                target, met(None if r is None else r <= 1.3))

    rows = []
    for name, f in (("lab", lab), ("floor", floor)):
        rows.append((f"{name}: CPU, s per min", num(f["cpu_s_per_min"], ".2f"), "", ""))
    r = median_or(spread.get("cpu"), ratio(lab["cpu_s_per_min"], floor["cpu_s_per_min"]))
    rows.append(("CPU, lab / floor",
                 with_spread(num(r, ".2f") + " x", spread.get("cpu"), ".2f", " x"), "<= 1.5 x",
                 met(None if r is None else r <= 1.5)))
    for name, f in (("lab", lab), ("floor", floor)):
        rows.append((f"{name}: X server CPU, s per min", num(f["x_server_cpu_s_per_min"], ".2f"),
                     "", ""))
    for name, f in (("lab", lab), ("floor", floor)):
        kib = f["rss_peak_kib"]
        rows.append((f"{name}: peak RSS (VmHWM), MB", num(None if kib is None else kib / 1024,
                                                          ".1f"), "", ""))
    d = None
    if lab["rss_peak_kib"] is not None and floor["rss_peak_kib"] is not None:
        d = median_or(spread.get("rss"), (lab["rss_peak_kib"] - floor["rss_peak_kib"]) / 1024)
    rows.append(("peak RSS, lab - floor, MB", with_spread(num(d, "+.1f"), spread.get("rss"), "+.1f"),
                 "<= +10", met(None if d is None else d <= 10)))
    for name, f in (("lab", lab), ("floor", floor)):
        value = num(f["first_frame_ms"], ".0f")
        if f["first_frame_ms"] is None:
            value = ("n/a (reported no frame)" if f.get("startup_reported") else
                     "n/a (no report)")
        rows.append((f"{name}: start-up to first frame (own report, median), ms", value, "", ""))
    rows.append(startup_ratio_row("start-up, lab / floor", "first_frame_ms", "startup",
                                  "<= 1.3 x"))
    for name, f in (("lab", lab), ("floor", floor)):
        rows.append((f"{name}: launch to window mapped (script, median), ms",
                     num(f["mapped_ms"], ".0f"), "", ""))
    rows.append(startup_ratio_row("launch to window mapped, lab / floor", "mapped_ms", "mapped",
                                  "(<= 1.3 x)"))
    for name, f in (("lab", lab), ("floor", floor)):
        if f["ticks"] is None or not f["expected_ticks"]:
            rows.append((f"{name}: timer ticks / expected", "n/a", ">= 99 %", "n/a"))
        else:
            share = 100.0 * f["ticks"] / f["expected_ticks"]
            rows.append((f"{name}: timer ticks / expected",
                         f"{f['ticks']} / {f['expected_ticks']} = {share:.1f} %", ">= 99 %",
                         met(share >= 99.0)))
    return rows


def verdict(result):
    """("measured", "") or ("not measured", why)."""
    if "error" in result:
        return "not measured", result["error"]
    rows = {r[0]: r for r in process_rows(result)}
    missing = [name for name in TARGET_ROWS if rows[name][3] == "n/a"]
    if missing:
        return "not measured", "no figure for " + ", ".join(missing)
    return "measured", ""


def verdict_line(result):
    state, why = verdict(result)
    if state == "measured":
        rounds = len(result.get("rounds", [])) or 1
        return f"verdict: measured ({rounds} round(s) of {result['duration_s']:g} s)"
    return f"verdict: not measured: {why}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lab", required=True, help="the lab's executable")
    parser.add_argument("--floor", required=True, help="the floor program")
    parser.add_argument("--duration", type=float, default=30.0,
                        help="seconds both run side by side in each round (default 30)")
    parser.add_argument("--rounds", type=int, default=3,
                        help="rounds side by side, for the spread of the ratios (default 3)")
    parser.add_argument("--startup-rounds", type=int, default=5,
                        help="launches of each program for the start-up figures (default 5)")
    parser.add_argument("--json", help="write the figures to this file")
    parser.add_argument("--screenshot", help="save the lab's screen at the end (PNG)")
    parser.add_argument("--layout", help="the build's lab_layout.json (default: found above "
                                         "the lab's executable)")
    args = parser.parse_args()
    if args.duration < 1:
        parser.error("--duration must be at least 1 s")
    if args.rounds < 1:
        parser.error("--rounds must be at least 1")
    # Stopped from outside: still stop the programs and servers started here.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        result = run(args)
    except BenchError as e:
        result = {"error": str(e)}
        print(f"process benchmark: {e}", file=sys.stderr)
    if args.json:
        with open(args.json, "w") as f:
            json.dump(result, f, indent=2)
    if "error" not in result:
        print("| Figure | Measured | Target | Met |")
        print("|---|---|---|---|")
        for row in process_rows(result):
            print("| " + " | ".join(row) + " |")
        for note in result.get("notes", []):
            print(f"* {note}")
    print(verdict_line(result))
    return 0 if verdict(result)[0] == "measured" else 1


if __name__ == "__main__":
    sys.exit(main())
