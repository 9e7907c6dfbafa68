#!/usr/bin/env bash
# shellcheck disable=SC2154  # the layout's values are assigned by an eval
# Takes the README's pictures of the real lab: builds it in release mode,
# starts it on a private virtual X screen and drives it with xdotool as a
# student would.
#
#   scripts/screenshots.sh [output folder]        (default docs/images)
#
# Writes title.png (the title picture), main-window.png (the main window
# after 0.7, 1.0, 1.2 and 1.5 kg were timed over three oscillations each:
# four points on the graph, the fitted line and k, a reading on the
# stopwatch) and report-menu.png (the same window with its window menu open
# over the graph: the report's items and the restore item). The lab runs in
# real time, so this takes about half a minute. The build directory is
# build/release unless LAB_SCREENSHOT_BUILD_DIR names another.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-docs/images}
build=${LAB_SCREENSHOT_BUILD_DIR:-build/release}

scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target trelko lab_layout_json_file -j "$(nproc)"
mkdir -p "$out"

# Where to press and what to wait for, from the build's copy of the lab's
# layout: the stopwatch's controls, the weights (their balls on the rack and
# their empty pegs, 0.5, 0.3, 0.2 and 0.2 kg), the string's fixed end in the
# box and the box's pixels a metre, the string's values.
eval "$(python3 - "$build/lab_layout.json" <<'EOF'
import json, sys
L = json.load(open(sys.argv[1]))
box, world, phys = L["simulationBox"], L["boxWorld"], L["physical"]
for name, (x, y) in L["stopwatch"].items():
    print(f"{name}_point='{x} {y}'")
for i, w in enumerate(L["weights"]):
    print(f"weight_on_rack_{i}='{w['onRack'][0]} {w['onRack'][1]}'")
    print(f"empty_peg_{i}='{w['emptyPeg'][0]} {w['emptyPeg'][1]}'")
print(f"fixed_end_x={box['left'] + box['width'] // 2}")
print(f"fixed_end_y={box['top']}")
print(f"pixels_a_metre={box['height'] / (world['top'] - world['bottom'])!r}")
print(f"natural_length={phys['naturalLength']!r}")
print(f"gravity={phys['gravity']!r}")
print(f"string_k={phys['stringK']!r}")
EOF
)"

work=$(mktemp -d)
lab_pid=""
. scripts/xvfb.sh
cleanup() {
  if [ -n "$lab_pid" ]; then
    kill "$lab_pid" 2>/dev/null || true
    wait "$lab_pid" 2>/dev/null || true
  fi
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display of our own, on the first free number.
xvfb_start
export DISPLAY=$XVFB_DISPLAY

QT_QPA_PLATFORM=xcb "$build/shell/qt/trelko" >"$work/lab.log" 2>&1 &
lab_pid=$!

# The lab's visible window of the given client size, waiting for it.
window_of_size() {
  x_window_of_size "$lab_pid" "$1" && return 0
  echo "$0: no window of $1 (the lab said: $(cat "$work/lab.log"))" >&2
  return 1
}

# A picture of one window. Without a window manager the window has no frame
# and its position is its client area's.
capture() {
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/local /')"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
  import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
  echo "$2 (${w} x ${h})" >&2
}

# A press of the left button at a client point of the main window ("x y").
# shellcheck disable=SC2086  # the point is two words
press() { xdotool mousemove --window "$main" $1 click 1; }

title=$(window_of_size 399x268)
sleep 1
capture "$title" "$out/title.png"
xdotool windowfocus --sync "$title" key Return
main=$(window_of_size 690x479)
sleep 1

# Three oscillations a timing; the stopwatch on.
xdotool mousemove --window "$main" 253 459 click 1 key ctrl+a type 3
press "$powerOn_point"

# One timing: pull the ball 5 cm straight down from where it hangs and let
# go, wait for it to settle into its bounce, then reset, start, wait three
# periods (T = 2 pi sqrt(m / k)), stop and plot.
time_mass() {
  local mass=$1 hang pulled wait
  # Where it hangs: the string's natural length plus its stretch m g / k,
  # below the fixed end.
  hang=$(awk -v m="$mass" -v y="$fixed_end_y" -v s="$pixels_a_metre" -v l="$natural_length" \
    -v g="$gravity" -v k="$string_k" 'BEGIN { printf "%d", y + s * (l + m * g / k) }')
  pulled=$((hang + 20))
  xdotool mousemove --window "$main" "$fixed_end_x" "$hang" mousedown 1
  xdotool mousemove --window "$main" "$fixed_end_x" "$((hang + 10))"
  xdotool mousemove --window "$main" "$fixed_end_x" "$pulled" mouseup 1
  sleep 1
  press "$reset_point"
  press "$start_point"
  wait=$(awk -v m="$mass" -v k="$string_k" 'BEGIN { printf "%.2f", 3 * 2 * 3.14159265 * sqrt(m / k) }')
  sleep "$wait"
  press "$stop_point"
  sleep 0.3
  xdotool mousemove --window "$main" 651 458 click 1
  sleep 0.3
}

# 1.0 kg hangs at the start: the ball's 0.7 kg and the 0.3 kg weight (1).
# A weight's empty peg takes it off the string, its ball on the rack puts it
# on.
press "$empty_peg_1"
time_mass 0.7
press "$weight_on_rack_1"
time_mass 1.0
press "$weight_on_rack_2"
time_mass 1.2
press "$weight_on_rack_0"
press "$empty_peg_2"
time_mass 1.5
xdotool mousemove --window "$main" 600 440
sleep 0.5
capture "$main" "$out/main-window.png"

# The window menu from a right press on the graph (outside the box): with
# four points the report's items are offered; the restore item is greyed,
# as no series came before this one.
xdotool mousemove --window "$main" 480 285 click 3
sleep 0.7
capture "$main" "$out/report-menu.png"
xdotool key Escape
sleep 0.3
