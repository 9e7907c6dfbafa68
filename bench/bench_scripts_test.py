#!/usr/bin/env python3
"""Checks of the benchmark scripts' parsing and arithmetic (no programs run).

  python3 bench/bench_scripts_test.py
"""

import contextlib
import io
import json
import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench_table  # noqa: E402
import process_bench as pb  # noqa: E402


class ReportLine(unittest.TestCase):
    def test_parses_the_three_figures(self):
        self.assertEqual(pb.parse_report("first_frame_ms=183 ticks=642 run_ms=32047\n"),
                         {"first_frame_ms": 183.0, "ticks": 642.0, "run_ms": 32047.0})

    def test_a_missing_figure_or_an_empty_file_gives_none(self):
        for text in ("", "first_frame_ms=183 ticks=642\n", "garbage"):
            with self.subTest(text=text):
                self.assertIsNone(pb.parse_report(text))

    def test_no_frame_yet_stays_negative(self):
        self.assertEqual(pb.parse_report("first_frame_ms=-1 ticks=0 run_ms=0")["first_frame_ms"],
                         -1.0)


class Layout(unittest.TestCase):
    def test_found_above_the_executable_and_read_for_the_stopwatch(self):
        with tempfile.TemporaryDirectory() as build:
            lab = os.path.join(build, "shell", "qt", "trelko")
            os.makedirs(os.path.dirname(lab))
            layout = os.path.join(build, "lab_layout.json")
            with open(layout, "w") as f:
                json.dump({"stopwatch": {"powerOn": [269, 56], "start": [342, 82]}}, f)
            self.assertEqual(pb.find_layout(lab), layout)
            self.assertEqual(pb.stopwatch_points(layout), ((269, 56), (342, 82)))

    def test_a_missing_or_wrong_layout_is_an_error_that_names_it(self):
        with tempfile.TemporaryDirectory() as build:
            layout = os.path.join(build, "lab_layout.json")
            for text in (None, "not json", '{"stopwatch": {}}'):
                with self.subTest(text=text):
                    if text is not None:
                        with open(layout, "w") as f:
                            f.write(text)
                    with self.assertRaisesRegex(pb.BenchError, "lab_layout.json"):
                        pb.stopwatch_points(layout)


class ProcStat(unittest.TestCase):
    def test_command_names_with_spaces_and_parentheses(self):
        tail = " S 1 2 3 4 5 6 7 8 9 10 250 50 0 0 20 0 1 0"
        for name in ("(trelko)", "(my (odd) name)", "(a b)"):
            with self.subTest(name=name):
                self.assertAlmostEqual(pb.parse_cpu_seconds(f"4242 {name}{tail}"),
                                       300 / pb.CLK_TCK)


class ExpectedTicks(unittest.TestCase):
    def test_counts_the_first_tick_and_leaves_out_the_held_time(self):
        for run_ms, held_ms, expected in ((0, 0, 1), (49, 0, 1), (50, 0, 2), (30000, 0, 601),
                                          (30000, 100, 599)):
            with self.subTest(run_ms=run_ms, held_ms=held_ms):
                self.assertEqual(pb.expected_ticks(run_ms, held_ms), expected)


def process_result(lab_first=250.0, lab_ticks=600):
    def program(cpu, rss_mib, first, mapped, ticks):
        return {"cpu_s_per_min": cpu, "x_server_cpu_s_per_min": 0.2,
                "rss_peak_kib": rss_mib * 1024, "first_frame_ms": first, "mapped_ms": mapped,
                "startup_reported": True, "ticks": ticks,
                "expected_ticks": None if ticks is None else 600}
    return {"measured_s": 30.0, "programs": {
        "lab": program(0.9, 40.0, lab_first, 330.0, lab_ticks),
        "floor": program(0.5, 26.0, 200.0, 300.0, 600)}}


class ProcessRows(unittest.TestCase):
    def rows(self, result):
        return {r[0]: r for r in pb.process_rows(result)}

    def test_ratios_against_the_targets(self):
        rows = self.rows(process_result())
        self.assertEqual(rows["CPU, lab / floor"][1:], ("1.80 x", "<= 1.5 x", "**no**"))
        self.assertEqual(rows["peak RSS, lab - floor, MB"][1:], ("+14.0", "<= +10", "**no**"))
        self.assertEqual(rows["start-up, lab / floor"][1:], ("1.25 x", "<= 1.3 x", "yes"))
        self.assertEqual(rows["lab: timer ticks / expected"][1:],
                         ("600 / 600 = 100.0 %", ">= 99 %", "yes"))

    def test_a_program_without_its_report_shows_na(self):
        rows = self.rows(process_result(lab_first=None, lab_ticks=None))
        self.assertEqual(rows["start-up, lab / floor"][1:], ("n/a", "<= 1.3 x", "n/a"))
        self.assertEqual(rows["lab: timer ticks / expected"][1:], ("n/a", ">= 99 %", "n/a"))
        self.assertTrue(rows["lab: start-up to first frame (own report, median), ms"][1]
                        .startswith("n/a"))


class MicroJson(unittest.TestCase):
    def write(self, benchmarks):
        f = tempfile.NamedTemporaryFile("w", suffix=".json", delete=False)
        json.dump({"context": {}, "benchmarks": benchmarks}, f)
        f.close()
        self.addCleanup(os.remove, f.name)
        return f.name

    def test_takes_the_median_and_converts_to_microseconds(self):
        def aggregate(kind, cpu):
            return {"name": f"BM_Paint/points:0_{kind}", "run_name": "BM_Paint/points:0",
                    "run_type": "aggregate", "aggregate_name": kind, "repetitions": 3,
                    "cpu_time": cpu, "time_unit": "ms"}
        path = self.write([aggregate("mean", 9.0), aggregate("median", 0.25),
                           aggregate("stddev", 1.0)])
        _, medians = bench_table.micro_medians(path)
        self.assertAlmostEqual(medians["BM_Paint/points:0"]["cpu_us"], 250.0)
        rows = {r[0]: r for r in bench_table.micro_rows(medians)}
        self.assertEqual(rows["full paint, empty table"][1:], ("250.0 µs", "<= 3 ms", "yes"))
        self.assertEqual(rows["timer tick, stopwatch off"][1], "n/a")

    def test_a_single_run_and_a_failed_benchmark(self):
        path = self.write([
            {"name": "BM_Tick_StopwatchOff", "run_name": "BM_Tick_StopwatchOff",
             "run_type": "iteration", "cpu_time": 25000.0, "time_unit": "ns"},
            {"name": "BM_Tick_StopwatchRunning", "run_name": "BM_Tick_StopwatchRunning",
             "run_type": "iteration", "error_occurred": True,
             "error_message": "the stopwatch did not start"}])
        _, medians = bench_table.micro_medians(path)
        rows = {r[0]: r for r in bench_table.micro_rows(medians)}
        self.assertEqual(rows["timer tick, stopwatch off"][1:], ("25.0 µs", "<= 20 µs", "**no**"))
        self.assertEqual(rows["timer tick, stopwatch running"][1],
                         "failed: the stopwatch did not start")


def round_figures(lab_cpu, floor_cpu, lab_rss_mib=40.0, ticks=600):
    def program(cpu, rss_mib):
        return {"cpu_s_per_min": cpu, "x_server_cpu_s_per_min": 0.2,
                "rss_peak_kib": rss_mib * 1024, "ticks": ticks,
                "expected_ticks": None if ticks is None else 600}
    return {"measured_s": 10.0, "lab": program(lab_cpu, lab_rss_mib),
            "floor": program(floor_cpu, 26.0)}


def startup(lab_first, floor_first):
    def runs(values):
        return {"runs": [{"first_frame_ms": v, "mapped_ms": v + 50, "reported": True}
                         for v in values],
                "first_frame_ms": pb.median(values),
                "mapped_ms": pb.median(v + 50 for v in values), "reported": True}
    return {"lab": runs(lab_first), "floor": runs(floor_first)}


class Rounds(unittest.TestCase):
    def result(self, rounds, start=None):
        programs, spread = pb.combine(rounds, start)
        return {"duration_s": 10, "measured_s": 30.0, "rounds": rounds, "programs": programs,
                "spread": spread}

    def test_each_ratio_is_the_median_of_the_rounds_with_its_extremes(self):
        result = self.result([round_figures(1.0, 0.5), round_figures(0.6, 0.5),
                              round_figures(0.75, 0.5)],
                             startup([250.0, 300.0, 260.0], [200.0, 200.0, 200.0]))
        rows = {r[0]: r for r in pb.process_rows(result)}
        self.assertEqual(rows["CPU, lab / floor"][1:],
                         ("1.50 x (min 1.20 x, max 2.00 x, 3 runs)", "<= 1.5 x", "yes"))
        self.assertEqual(rows["start-up, lab / floor"][1],
                         "1.30 x (min 1.25 x, max 1.50 x, 3 runs)")
        self.assertEqual(rows["lab: timer ticks / expected"][1], "1800 / 1800 = 100.0 %")
        self.assertEqual(pb.verdict(result), ("measured", ""))
        self.assertEqual(pb.verdict_line(result), "verdict: measured (3 round(s) of 10 s)")

    def test_a_round_without_its_tick_report_leaves_the_run_not_measured(self):
        result = self.result([round_figures(1.0, 0.5), round_figures(1.0, 0.5, ticks=None)],
                             startup([250.0], [200.0]))
        state, why = pb.verdict(result)
        self.assertEqual(state, "not measured")
        self.assertIn("lab: timer ticks / expected", why)


class FailurePaths(unittest.TestCase):
    def test_an_error_is_not_measured_and_says_why(self):
        result = {"error": "the floor program ended at start-up with status -6"}
        self.assertEqual(pb.verdict_line(result),
                         "verdict: not measured: the floor program ended at start-up with "
                         "status -6")

    def test_a_program_that_ends_at_start_up_is_started_once_more(self):
        attempts = []

        class FakeProgram:
            def __init__(self, name, path, server, report_path):
                attempts.append(name)
                self.log_path = ""

            def stop(self):
                return None

        def mapped(program):
            if len(attempts) == 1:
                raise pb.ProgramEnded("the floor program ended at start-up with status -6")
            return 120.0

        class Server:
            def answers(self):
                return True

        notes = []
        with mock_attr(pb, "Program", FakeProgram), mock_attr(pb, "wait_mapped", mapped):
            _, ms = pb.launch("floor", "/bin/floor", [Server(), Server()], 1, "r", "rt", "w",
                              notes)
        self.assertEqual((attempts, ms), (["floor", "floor"], 120.0))
        self.assertEqual(len(notes), 1)
        self.assertIn("restarted once", notes[0])

    def test_a_second_end_at_start_up_fails_the_run(self):
        class FakeProgram:
            def __init__(self, *args):
                self.log_path = ""

            def stop(self):
                return None

        def ended(program):
            raise pb.ProgramEnded("the lab program ended at start-up with status 1")

        class Server:
            def answers(self):
                return True

        with mock_attr(pb, "Program", FakeProgram), mock_attr(pb, "wait_mapped", ended):
            with self.assertRaises(pb.ProgramEnded):
                pb.launch("lab", "/bin/lab", [Server(), Server()], 0, "r", "rt", "w", [])

    def test_the_table_of_a_failed_process_run_counts_every_target_not_measured(self):
        micro = tempfile.NamedTemporaryFile("w", suffix=".json", delete=False)
        json.dump({"context": {}, "benchmarks": []}, micro)
        micro.close()
        process = tempfile.NamedTemporaryFile("w", suffix=".json", delete=False)
        json.dump({"error": "the floor program ended at start-up"}, process)
        process.close()
        self.addCleanup(os.remove, micro.name)
        self.addCleanup(os.remove, process.name)
        out = io.StringIO()
        argv = ["bench_table.py", "--micro", micro.name, "--process", process.name]
        with mock_attr(sys, "argv", argv), contextlib.redirect_stdout(out):
            status = bench_table.main()
        text = out.getvalue()
        self.assertEqual(status, 1)
        self.assertIn("| process | CPU, lab / floor | not measured | <= 1.5 x | n/a |", text)
        self.assertIn("process benchmark failed: the floor program ended at start-up", text)
        self.assertIn("* verdict: not measured", text)
        self.assertNotIn("targets not measured: 0", text)


@contextlib.contextmanager
def mock_attr(owner, name, value):
    saved = getattr(owner, name)
    setattr(owner, name, value)
    try:
        yield
    finally:
        setattr(owner, name, saved)


class WebRows(unittest.TestCase):
    MEDIANS = {"BM_Tick_StopwatchOff": {"cpu_us": 10.0}, "BM_Paint/points:0": {"cpu_us": 400.0}}

    def rows(self, **changes):
        result = {"tick_us": 25.0, "paint_us": 1200.0, "first_frame_ms": 180.0,
                  "page_bytes": 900_000}
        result.update(changes)
        return {r[0]: r[1:] for r in bench_table.web_rows(result, self.MEDIANS)}

    def test_each_figure_against_its_target(self):
        cases = [
            ({}, "timer tick in the page, stopwatch off", "<= 3× native", "yes"),
            ({"tick_us": 31.0}, "timer tick in the page, stopwatch off", "<= 3× native", "**no**"),
            ({}, "navigation to the first frame", "<= 1 s", "yes"),
            ({"first_frame_ms": 1001.0}, "navigation to the first frame", "<= 1 s", "**no**"),
            ({}, "page weight (trelko.html)", "<= 3 MiB", "yes"),
            ({"page_bytes": 3 * 1024 * 1024 + 1}, "page weight (trelko.html)", "<= 3 MiB",
             "**no**"),
        ]
        for changes, row, target, met in cases:
            with self.subTest(changes=changes, row=row):
                self.assertEqual(self.rows(**changes)[row][1:], (target, met))

    def test_the_ratio_to_native_and_a_missing_native_figure(self):
        rows = self.rows()
        self.assertIn("2.50× native 10.0 µs", rows["timer tick in the page, stopwatch off"][0])
        self.assertIn("3.00× native", rows["full paint in the page, empty table"][0])
        missing = {r[0]: r[1:] for r in bench_table.web_rows(
            {"tick_us": 25.0, "paint_us": 1.0, "first_frame_ms": 1.0, "page_bytes": 1}, {})}
        self.assertEqual(missing["timer tick in the page, stopwatch off"][2], "n/a")

    def test_a_failed_run(self):
        rows = bench_table.web_rows({"error": "no page"}, {})
        self.assertEqual(rows, [("web page", "failed: no page", "", "n/a")])


if __name__ == "__main__":
    unittest.main()
