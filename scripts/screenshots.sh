#!/usr/bin/env bash
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
cmake --build "$build" --target trelko -j "$(nproc)"
mkdir -p "$out"

work=$(mktemp -d)
xvfb_pid=""
lab_pid=""
cleanup() {
  for pid in $lab_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "$0: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

QT_QPA_PLATFORM=xcb "$build/shell/qt/trelko" >"$work/lab.log" 2>&1 &
lab_pid=$!

# The lab's visible window of the given client size, waiting for it.
window_of_size() {
  local id geometry
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid "$lab_pid" 2>/dev/null); do
      geometry=$(xdotool getwindowgeometry "$id" | awk '/Geometry:/ { print $2 }')
      if [ "$geometry" = "$1" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
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

# A press of the left button at a client point of the main window.
press() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

title=$(window_of_size 399x268)
sleep 1
capture "$title" "$out/title.png"
xdotool windowfocus --sync "$title" key Return
main=$(window_of_size 690x479)
sleep 1

# Three oscillations a timing; the stopwatch on.
xdotool mousemove --window "$main" 253 459 click 1 key ctrl+a type 3
press 270 56

# One timing: pull the ball 5 cm straight down from where it hangs and let
# go, wait for it to settle into its bounce, then reset, start, wait three
# periods (T = 2 pi sqrt(m / k)), stop and plot.
time_mass() {
  local mass=$1 hang pulled wait
  # Where it hangs: the string's natural 0.21 m plus its stretch m g / k,
  # at 400 px a metre below the fixed end (120, 20).
  hang=$(awk -v m="$mass" 'BEGIN { printf "%d", 20 + 400 * (0.21 + m * 9.805 / 27.9) }')
  pulled=$((hang + 20))
  xdotool mousemove --window "$main" 120 "$hang" mousedown 1
  xdotool mousemove --window "$main" 120 "$((hang + 10))"
  xdotool mousemove --window "$main" 120 "$pulled" mouseup 1
  sleep 1
  press 270 82
  press 342 82
  wait=$(awk -v m="$mass" 'BEGIN { printf "%.2f", 3 * 2 * 3.14159265 * sqrt(m / 27.9) }')
  sleep "$wait"
  press 377 82
  sleep 0.3
  xdotool mousemove --window "$main" 651 458 click 1
  sleep 0.3
}

# 1.0 kg hangs at the start: the ball's 0.7 kg and the 0.3 kg weight. The
# weights' pegs: 0.5 kg at 612, 0.3 kg at 552, 0.2 kg at 492 and 432.
take_off() { press $(($1 + 30)) 50; }
put_on() { press $(($1 + 27)) 90; }
take_off 552
time_mass 0.7
put_on 552
time_mass 1.0
put_on 492
time_mass 1.2
put_on 612
take_off 492
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
