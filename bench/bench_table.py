#!/usr/bin/env python3
"""Prints every benchmark figure as one markdown table, targets beside them.

  bench_table.py --micro <lab_bench JSON> [--process <process_bench JSON>]
                 [--web <page_bench JSON>]

Ends with status 1, its verdict "not measured", when a figure with a target
has no value (a benchmark failed or did not run).

The micro figures are the medians of the repetitions in the JSON that
lab_bench writes with --benchmark_out (CPU time per call); the process
figures come from process_bench.py --json, the web page's from
bench/web/page_bench.mjs --json (wall time in headless Chromium, beside the
native micro figures of the same run).
"""

import argparse
import json
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import process_bench  # noqa: E402

# Benchmark name -> (what it is, target in µs or None).
MICRO = [
    ("BM_ParticleStep", "CParticle::Step, one step of the ball", None),
    ("BM_Tick_StopwatchOff", "timer tick, stopwatch off", 20.0),
    ("BM_Tick_StopwatchRunning", "timer tick, stopwatch running", 20.0),
    ("BM_Paint/points:0", "full paint, empty table", 3000.0),
    ("BM_Paint/points:100", "full paint, 100 points", 3000.0),
    ("BM_DrawGraphPanel/points:3", "CLabDlg::DrawGraphPanel, 3 points", None),
    ("BM_DrawGraphPanel/points:100", "CLabDlg::DrawGraphPanel, 100 points", None),
    ("BM_DrawTickLabels", "CPlotArea::DrawTickLabels, the graph", None),
    ("BM_LcdDrawNumber", "CLcdDisplay::DrawNumber, six cells", None),
    ("BM_Press_HeldByTheHost/real_time", "a stopwatch button's press, the host holding 0.1 s", 10000.0),
    ("BM_Press_WaitingOnTheClock/real_time", "the same wait spent looping on the clock", None),
]
# Counters shown as rows of their own: benchmark, counter, what it is.
COUNTERS = [
    ("BM_Tick_StopwatchOff", "changed_px", "pixels reported changed per tick, stopwatch off"),
    ("BM_Tick_StopwatchRunning", "changed_px",
     "pixels reported changed per tick, stopwatch running"),
]

TO_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def micro_medians(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    for b in data.get("benchmarks", []):
        if b.get("error_occurred"):
            medians[b["run_name"]] = {"error": b.get("error_message", "failed")}
            continue
        # With repetitions, the medians; a single run stands for itself.
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        name = b.get("run_name", b["name"])
        if b.get("run_type") == "iteration" and name in medians:
            continue
        entry = dict(b)
        entry["cpu_us"] = b["cpu_time"] * TO_US[b.get("time_unit", "ns")]
        medians[name] = entry
    return data.get("context", {}), medians


def format_us(us):
    if us >= 1000:
        return f"{us:,.0f} µs ({us / 1000:.2f} ms)"
    if us >= 10:
        return f"{us:.1f} µs"
    if us >= 0.1:
        return f"{us:.2f} µs"
    return f"{us:.4f} µs ({us * 1000:.1f} ns)"


def format_target(us):
    return f"<= {us / 1000:g} ms" if us >= 1000 else f"<= {us:g} µs"


def micro_rows(medians):
    rows = []
    for name, what, target in MICRO:
        b = medians.get(name)
        if b is None or "error" in b:
            note = "n/a" if b is None else f"failed: {b['error']}"
            rows.append((what, note, format_target(target) if target else "", "n/a"))
            continue
        met = ""
        if target is not None:
            met = "yes" if b["cpu_us"] <= target else "**no**"
        rows.append((what, format_us(b["cpu_us"]), format_target(target) if target else "", met))
    for name, counter, what in COUNTERS:
        b = medians.get(name)
        value = "n/a" if b is None or counter not in b else f"{b[counter]:,.0f} px"
        rows.append((what, value, "", ""))
    return rows


# The web page against the native headless host: a tick or a full paint at
# most this many times the native one, with its changes put on the canvas
# and without; the first frame and the page's weight at most these.
WEB_TICK_FACTOR = 3.0
WEB_FIRST_FRAME_MS = 1000.0
WEB_PAGE_BYTES = 3 * 1024 * 1024
# The page before the work on its start: every build must stay lighter.
WEB_PAGE_BYTES_BEFORE = 1_291_097
# With the processor slowed (page_bench's --slowdown, 6 by default), the
# title picture within this; Lighthouse's mobile score at least this; the
# page's main-thread time against a bare canvas page at most this.
WEB_SLOWED_TITLE_MS = 1000.0
WEB_LIGHTHOUSE_SCORE = 90.0
WEB_CANVAS_RATIO = 1.2


def web_figure(result, key):
    """The median of a figure (page_bench gives a plain number or its median
    with the minimum and maximum), its spread as text, and an error or None."""
    value = result.get(key)
    if value is None:
        return None, "", "not measured"
    if isinstance(value, dict):
        if "error" in value:
            return None, "", f"not measured: {value['error']}"
        spread = ""
        if value.get("n", 1) > 1:
            spread = f"{value['min']:,.4g}–{value['max']:,.4g}, n={value['n']}"
        return value["median"], spread, None
    return value, "", None


def web_rows(result, medians):
    """Rows for the page's figures, each beside the native one it matches."""
    if "error" in result and not any(k in result for k in ("tick_us", "first_frame_ms")):
        return [("web page", f"failed: {result['error']}", "", "n/a")]

    def native(name):
        b = medians.get(name)
        return None if b is None or "error" in b else b["cpu_us"]

    def with_spread(text, spread):
        return f"{text} [{spread}]" if spread else text

    def against(key, native_us, factor):
        us, spread, error = web_figure(result, key)
        target = f"<= {factor:g}× native" if factor is not None else ""
        if error:
            return (error, target, "n/a")
        if native_us is None:
            return (with_spread(format_us(us), spread), target, "n/a" if factor else "")
        ratio = us / native_us
        figure = with_spread(f"{format_us(us)} ({ratio:.2f}× native {format_us(native_us)})",
                             spread)
        if factor is None:
            return (figure, "", "")
        return (figure, target, "yes" if ratio <= factor else "**no**")

    def limited(key, fmt, target_text, ok):
        value, spread, error = web_figure(result, key)
        if error:
            return (error, target_text, "n/a" if target_text else "")
        met = "" if ok is None else ("yes" if ok(value) else "**no**")
        return (with_spread(fmt(value), spread), target_text, met)

    rows = [
        ("timer tick in the page, stopwatch off",)
        + against("tick_us", native("BM_Tick_StopwatchOff"), WEB_TICK_FACTOR),
        ("full paint in the page, empty table",)
        + against("paint_us", native("BM_Paint/points:0"), WEB_TICK_FACTOR),
    ]
    if "tick_core_us" in result:
        rows.append(("timer tick in the page, changes kept off the canvas",)
                    + against("tick_core_us", native("BM_Tick_StopwatchOff"), WEB_TICK_FACTOR))
    if "paint_core_us" in result:
        rows.append(("full paint in the page, changes kept off the canvas",)
                     + against("paint_core_us", native("BM_Paint/points:0"), WEB_TICK_FACTOR))
    ms = lambda v: f"{v:.0f} ms"  # noqa: E731
    rows.append(("navigation to the first frame",)
                + limited("first_frame_ms", ms, f"<= {WEB_FIRST_FRAME_MS / 1000:g} s",
                          lambda v: v <= WEB_FIRST_FRAME_MS))
    slowdown = result.get("slowdown", 6)
    if "title_picture_ms" in result:
        rows.append(("navigation to the title picture shown",)
                    + limited("title_picture_ms", ms, "", None))
    if "slowed_title_picture_ms" in result:
        rows.append((f"navigation to the title picture shown, processor {slowdown}× slower",)
                    + limited("slowed_title_picture_ms", ms,
                              f"<= {WEB_SLOWED_TITLE_MS / 1000:g} s",
                              lambda v: v <= WEB_SLOWED_TITLE_MS))
    if "slowed_first_frame_ms" in result:
        rows.append((f"navigation to the program's first frame, processor {slowdown}× slower",)
                    + limited("slowed_first_frame_ms", ms,
                              f"<= {WEB_SLOWED_TITLE_MS / 1000:g} s",
                              lambda v: v <= WEB_SLOWED_TITLE_MS))
    size = result["page_bytes"]
    rows.append(("page weight (trelko.html)", f"{size / (1024 * 1024):.2f} MiB ({size:,} bytes)",
                 "<= 3 MiB", "yes" if size <= WEB_PAGE_BYTES else "**no**"))
    if "slowed_title_picture_ms" in result:
        rows.append(("page weight against the page before its start was reworked",
                     f"{size / WEB_PAGE_BYTES_BEFORE:.2f}× {WEB_PAGE_BYTES_BEFORE:,} bytes",
                     f"< {WEB_PAGE_BYTES_BEFORE:,} bytes",
                     "yes" if size < WEB_PAGE_BYTES_BEFORE else "**no**"))
    if "page_against_canvas" in result:
        rows.append(("main-thread time, the running lab against a bare 20 Hz canvas page",)
                    + limited("page_against_canvas", lambda v: f"{v:.2f}×",
                              f"<= {WEB_CANVAS_RATIO:g}×", lambda v: v <= WEB_CANVAS_RATIO))
    if "lighthouse_performance" in result:
        rows.append(("Lighthouse performance score, mobile profile, static server",)
                    + limited("lighthouse_performance", lambda v: f"{v:.0f}",
                              f">= {WEB_LIGHTHOUSE_SCORE:g}",
                              lambda v: v >= WEB_LIGHTHOUSE_SCORE))
    return rows


def web_note(result):
    """What the page's figures were measured on."""
    m = result.get("machine")
    if not m:
        return None
    load = ", ".join(f"{x:.2f}" for x in m.get("load_average_before", []))
    after = ", ".join(f"{x:.2f}" for x in m.get("load_average_after", []))
    lh = result.get("lighthouse_metrics") or {}
    metrics = "; ".join(f"{k.upper()} {v['median']:,.{3 if k == 'cls' else 0}f}"
                        for k, v in lh.items())
    note = (f"web page: {m.get('cores', '?')} cores, load average {load} before and {after} "
            f"after, {m.get('chromium', '?')}; each figure the median of its rounds "
            f"[minimum–maximum, rounds]")
    if metrics:
        note += f"; Lighthouse's medians: {metrics}"
    return note


def process_table_rows(path):
    """Rows of the process figures and a note. A benchmark that did not run or
    failed still gives one row per target, not measured, so that the table
    never reads as if it had nothing to miss."""
    def unmeasured(why):
        targets = {"CPU, lab / floor": "<= 1.5 x", "peak RSS, lab - floor, MB": "<= +10",
                   "start-up, lab / floor": "<= 1.3 x",
                   "lab: timer ticks / expected": ">= 99 %",
                   "floor: timer ticks / expected": ">= 99 %"}
        return [(name, "not measured", targets[name], "n/a")
                for name in process_bench.TARGET_ROWS], why

    if path is None:
        return unmeasured("process benchmark not run")
    try:
        with open(path) as f:
            result = json.load(f)
    except (OSError, ValueError):
        return unmeasured("process benchmark gave no figures")
    if "error" in result:
        return unmeasured(f"process benchmark failed: {result['error']}")
    rounds = len(result.get("rounds", [])) or 1
    note = (f"process benchmark: both programs side by side, {rounds} round(s), "
            f"{result['measured_s']:.1f} s in all (CPU and memory over those windows; "
            f"ratios are medians with their minimum and maximum)")
    for n in result.get("notes", []):
        note += f"; {n}"
    return process_bench.process_rows(result), note


def has_target(row):
    """A figure with a target of its own (not one in parentheses, for
    information)."""
    return bool(row[-2]) and not row[-2].startswith("(")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--micro", required=True)
    parser.add_argument("--process")
    parser.add_argument("--web")
    args = parser.parse_args()

    notes = []
    try:
        context, medians = micro_medians(args.micro)
        rows = [("micro",) + r for r in micro_rows(medians)]
        reps = next((b.get("repetitions") for b in medians.values() if "repetitions" in b), 1)
        notes.append(f"micro benchmarks: CPU time per call, median of {reps} repetition(s), "
                     f"headless host, {context.get('num_cpus', '?')} CPUs, load average "
                     f"{', '.join(f'{x:.2f}' for x in context.get('load_avg', []))}")
        if context.get("library_build_type") == "debug":
            notes.append("the system's Google Benchmark library says it was built for debugging; "
                         "the timed loops are compiled into lab_bench, in release mode")
    except (OSError, ValueError) as e:
        rows = []
        medians = {}
        notes.append(f"micro benchmarks gave no figures ({e})")
    if args.web:
        try:
            with open(args.web) as f:
                result = json.load(f)
            rows += [("web",) + r for r in web_rows(result, medians)]
            if web_note(result):
                notes.append(web_note(result))
            notes.append("web page: wall time per call in headless Chromium (performance.now() "
                         "around the page's exported calls, batches of calls, median), beside "
                         "the native CPU time of the same run")
        except (OSError, ValueError) as e:
            notes.append(f"web benchmark gave no figures ({e})")
    prows, note = process_table_rows(args.process)
    rows += [("process",) + r for r in prows]
    notes.append(note)

    print("| Benchmark | Figure | Measured | Target | Met |")
    print("|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print()
    for n in notes:
        print(f"* {n}")
    missed = sum(1 for r in rows if r[-1] == "**no**")
    unmeasured = sum(1 for r in rows if r[-1] == "n/a" and has_target(r))
    print(f"* targets missed: {missed}; targets not measured: {unmeasured}")
    if unmeasured:
        print(f"* verdict: not measured ({unmeasured} target(s) without a figure)")
        return 1
    print("* verdict: measured")
    return 0


if __name__ == "__main__":
    sys.exit(main())
