#!/usr/bin/env bash
# The real lab on a virtual X screen of its own, driven with xdotool:
# three timings, "Copia les dades" from the window menu (the text must be on
# the X clipboard, as xclip reads it), then a kill -9; a new start must
# offer the three points as the previous series, and restoring them must
# draw the same graph panel as before the kill.
#
#   tests/shell/report_on_x11.sh <path to trelko>
set -euo pipefail

program=$1
work=$(mktemp -d)
xvfb_pid=""
lab_pid=""
cleanup() {
  for pid in $lab_pid $xvfb_pid; do
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# A free display: Xvfb picks the number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")
export XDG_STATE_HOME=$work/state
export QT_QPA_PLATFORM=xcb
state=$XDG_STATE_HOME/trelko/series

window_of_size() {
  local id
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid "$lab_pid" 2>/dev/null); do
      if [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry:/ { print $2 }')" = "$1" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no window of $1 ($(cat "$work/lab.log"))"
}

start_lab() {
  "$program" >"$work/lab.log" 2>&1 &
  lab_pid=$!
  local title
  title=$(window_of_size 399x268)
  xdotool windowfocus --sync "$title" key Return
  main=$(window_of_size 690x479)
  sleep 0.5
}

press() { xdotool mousemove --window "$main" "$1" "$2" click 1; }

# The window menu from a right press outside the box, then keys in it.
menu_keys() {
  xdotool mousemove --window "$main" 600 440 click 3
  sleep 0.5
  xdotool key "$@"
  sleep 0.5
}

panel_of() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/local /')"
  import -display "$DISPLAY" -window root -crop "432x296+$((X + 239))+$((Y + 124))" +repage "$1"
}

start_lab
[ ! -e "$state" ] || fail "a state before any point"
# One oscillation a timing, the stopwatch on; 0.7, 1.0 and 1.2 kg.
xdotool mousemove --window "$main" 253 459 click 1 key ctrl+a type 1
press 270 56
timing() {
  press 270 82
  press 342 82
  sleep "$1"
  press 377 82
  sleep 0.2
  press 651 458
  sleep 0.2
}
press 582 50
timing 1.0
press 579 90
timing 1.2
press 519 90
timing 1.4
[ "$(grep -c '^current 3$' "$state")" = 1 ] || fail "three points not kept: $(cat "$state")"
panel_of "$work/before.png"

# "Copia les dades": the second item of the menu (after the title's).
menu_keys Down Down Return
xclip -o -selection clipboard >"$work/clipboard.txt" || fail "nothing on the clipboard"
head -n 1 "$work/clipboard.txt" | grep -q $'^Punt\tm (kg)\tT\xc2\xb2 (s\xc2\xb2)$' ||
  fail "clipboard: $(cat "$work/clipboard.txt")"
[ "$(grep -c $'^[123]\t' "$work/clipboard.txt")" = 3 ] || fail "not three rows"
grep -q $'^Nombre de punts\t3$' "$work/clipboard.txt" || fail "no count of points"
grep -q $'^1\t0,7\t' "$work/clipboard.txt" && grep -q $'^3\t1,2\t' "$work/clipboard.txt" ||
  fail "the masses 0.7 and 1.2 kg with a decimal comma: $(cat "$work/clipboard.txt")"
xclip -o -selection clipboard -t TARGETS | grep -q '^text/html$' || fail "no HTML on the clipboard"

# A crash: nothing is asked, nothing more is written.
kill -9 "$lab_pid"
wait "$lab_pid" 2>/dev/null || true
lab_pid=""

start_lab
inode=$(stat -c %i "$state")
# With an empty table only the title's item and the restore item are
# enabled; the keys skip the greyed ones.
menu_keys Down Down Return
[ "$(stat -c %i "$state")" != "$inode" ] || fail "the restore kept nothing anew"
[ "$(grep -c '^current 3$' "$state")" = 1 ] || fail "not restored: $(cat "$state")"
panel_of "$work/after.png"
if [ -n "${LAB_X11_TEST_PICTURES:-}" ]; then
  cp "$work/before.png" "$work/after.png" "$LAB_X11_TEST_PICTURES/"
fi
differing=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the restored panel differs in $differing pixels"
xdotool key Escape
echo "ok"
