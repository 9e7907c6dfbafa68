#!/usr/bin/env bash
# Builds the lab in release mode with its benchmarks, runs the micro
# benchmarks on the headless host, the process benchmark (the real lab
# beside the floor program on Xvfb) and the web page's benchmark in headless
# Chromium (build/web), and prints every figure as one table with the
# targets beside them.
#
#   scripts/bench.sh [--duration <s>] [--rounds <n>] [--min-time <s>]
#                    [--repetitions <n>] [--no-web]
#
#   --duration     seconds the two programs run side by side a round (30)
#   --rounds       rounds side by side; each ratio shows its median, minimum
#                  and maximum (default 3)
#   --min-time     minimum time of each micro benchmark (default 0.2)
#   --repetitions  runs of each micro benchmark; the median is shown (3)
#   --no-web       leave out the web page's benchmark
#
# The build directory is build/bench unless LAB_BENCH_BUILD_DIR names
# another. The raw figures (JSON) are kept in <build>/bench-results. The
# status is 1 when a figure with a target could not be measured (the table's
# verdict then says "not measured"), 0 otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

duration=30
rounds=3
min_time=0.2
repetitions=3
web=1
while [ $# -gt 0 ]; do
  case "$1" in
    --duration) duration=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --min-time) min_time=$2; shift 2 ;;
    --repetitions) repetitions=$2; shift 2 ;;
    --no-web) web=0; shift ;;
    -h|--help) sed -n '2,21p' "$0"; exit 0 ;;
    *) echo "$0: unknown argument $1" >&2; exit 2 ;;
  esac
done

# What the build and the page's benchmark need (Debian packages, the
# browser tools pinned in tests/web), as for the tests: a fresh clone
# measures everything.
scripts/install-deps.sh

build=${LAB_BENCH_BUILD_DIR:-build/bench}
results=$build/bench-results
jobs=$(nproc)

echo "== configuring and building (release) in $build" >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLAB_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target lab_bench lab_floor trelko lab_layout_json_file -j "$jobs" >&2
mkdir -p "$results"
rm -f "$results/micro.json" "$results/process.json" "$results/web.json"

echo "== micro benchmarks" >&2
micro_status=0
"$build/bench/lab_bench" --benchmark_min_time="$min_time" \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_out="$results/micro.json" --benchmark_out_format=json >&2 || micro_status=$?

echo "== process benchmark (${rounds} rounds of ${duration} s side by side)" >&2
process_status=0
python3 bench/process_bench.py --lab "$build/shell/qt/trelko" --floor "$build/bench/floor/lab_floor" \
  --duration "$duration" --rounds "$rounds" --json "$results/process.json" >&2 ||
  process_status=$?

web_args=()
if [ "$web" = 1 ]; then
  echo "== web page benchmark (headless Chromium)" >&2
  cmake --preset web >/dev/null
  cmake --build --preset web --target trelko_page trelko_test_page -j "$jobs" >&2
  node bench/web/page_bench.mjs --page build/web/trelko_test.html --json "$results/web.json" \
    >/dev/null || true
  web_args=(--web "$results/web.json")
fi

echo >&2
table_status=0
python3 bench/bench_table.py --micro "$results/micro.json" --process "$results/process.json" \
  "${web_args[@]}" || table_status=$?
if [ "$micro_status" -ne 0 ] || [ "$process_status" -ne 0 ] || [ "$table_status" -ne 0 ]; then
  echo "bench.sh: not measured (micro $micro_status, process $process_status, table $table_status)" >&2
  exit 1
fi
