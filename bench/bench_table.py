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


# The web page against the native headless host: a tick at most this many
# times the native one; the first frame and the page's weight at most these.
WEB_TICK_FACTOR = 3.0
WEB_FIRST_FRAME_MS = 1000.0
WEB_PAGE_BYTES = 3 * 1024 * 1024


def web_rows(result, medians):
    """Rows for the page's figures, each beside the native one it matches."""
    if "error" in result:
        return [("web page", f"failed: {result['error']}", "", "n/a")]

    def native(name):
        b = medians.get(name)
        return None if b is None or "error" in b else b["cpu_us"]

    def against(us, native_us, factor):
        if native_us is None:
            return (format_us(us), "", "n/a")
        ratio = us / native_us
        figure = f"{format_us(us)} ({ratio:.2f}× native {format_us(native_us)})"
        if factor is None:
            return (figure, "", "")
        return (figure, f"<= {factor:g}× native", "yes" if ratio <= factor else "**no**")

    rows = [
        ("timer tick in the page, stopwatch off",)
        + against(result["tick_us"], native("BM_Tick_StopwatchOff"), WEB_TICK_FACTOR),
        ("full paint in the page, empty table",)
        + against(result["paint_us"], native("BM_Paint/points:0"), None),
    ]
    first = result["first_frame_ms"]
    rows.append(("navigation to the first frame", f"{first:.0f} ms",
                 f"<= {WEB_FIRST_FRAME_MS / 1000:g} s",
                 "yes" if first <= WEB_FIRST_FRAME_MS else "**no**"))
    size = result["page_bytes"]
    rows.append(("page weight (trelko.html)", f"{size / (1024 * 1024):.2f} MiB ({size:,} bytes)",
                 "<= 3 MiB", "yes" if size <= WEB_PAGE_BYTES else "**no**"))
    return rows


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
