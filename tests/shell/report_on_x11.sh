#!/usr/bin/env bash
# shellcheck disable=SC2154  # the layout's values are assigned by an eval
# The real lab on a virtual X screen of its own, driven with xdotool:
# three timings, "Copia les dades" from the window menu (the text must be on
# the X clipboard, as xclip reads it), then a kill -9; a new start must
# offer the three points as the previous series, and restoring them must
# draw the same graph panel as before the kill.
#
#   tests/shell/report_on_x11.sh <path to trelko> <the build's lab_layout.json>
set -euo pipefail

program=$1
layout=$2
work=$(mktemp -d)
lab_pid=""
# shellcheck source=scripts/xvfb.sh
. "$(dirname "$0")/../../scripts/xvfb.sh"
cleanup() {
  # The lab may be killed outright; the server is asked, so that it removes
  # its lock file.
  [ -z "$lab_pid" ] || kill -9 "$lab_pid" 2>/dev/null || true
  xvfb_stop
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
# Runs a command every 0.1 s until it succeeds, for at most ten seconds (a
# loaded machine, a sanitizer build).
wait_for() {
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A display of our own: a number no other server holds (other tests and
# other programs may start theirs meanwhile), another one if the server
# dies or does not answer.
xvfb_start random || fail "Xvfb did not start"
export DISPLAY=$XVFB_DISPLAY

# Where to press (the stopwatch's controls, the weights' balls on the rack
# and empty pegs) and the graph panel's rectangle, from the build's layout.
eval "$(python3 - "$layout" <<'EOF'
import json, sys
L = json.load(open(sys.argv[1]))
for name, (x, y) in L["stopwatch"].items():
    print(f"{name}_point='{x} {y}'")
for i, w in enumerate(L["weights"]):
    print(f"weight_on_rack_{i}='{w['onRack'][0]} {w['onRack'][1]}'")
    print(f"empty_peg_{i}='{w['emptyPeg'][0]} {w['emptyPeg'][1]}'")
panel = L["graphPanel"]
print(f"panel_crop={panel['width']}x{panel['height']}")
print(f"panel_left={panel['left']} panel_top={panel['top']}")
EOF
)"
export XDG_STATE_HOME=$work/state
export QT_QPA_PLATFORM=xcb
state=$XDG_STATE_HOME/trelko/series

window_of_size() {
  x_window_of_size "$lab_pid" "$1" || fail "no window of $1 ($(cat "$work/lab.log"))"
}

start_lab() {
  local title attempt
  # A fresh virtual server now and then refuses a client it has just
  # answered; a lab that could not connect ends at once and is started
  # again, up to three times.
  for attempt in 1 2 3; do
    "$program" >"$work/lab.log" 2>&1 &
    lab_pid=$!
    for _ in $(seq 50); do
      kill -0 "$lab_pid" 2>/dev/null || break
      [ -z "$(xdotool search --onlyvisible --pid "$lab_pid" 2>/dev/null)" ] || break 2
      sleep 0.1
    done
    kill -0 "$lab_pid" 2>/dev/null && break
    wait "$lab_pid" 2>/dev/null || true
    grep -q "could not connect to display" "$work/lab.log" ||
      fail "the lab ended at start-up: $(cat "$work/lab.log")"
    echo "attempt $attempt: the lab could not connect to $DISPLAY; starting it again" >&2
    wait_for xvfb_answers || fail "the X server stopped answering"
  done
  title=$(window_of_size 399x268)
  xdotool windowfocus --sync "$title" key Return
  main=$(window_of_size 690x479)
  sleep 0.5
}

# shellcheck disable=SC2086  # a point is "x y", two words
press() { xdotool mousemove --window "$main" $1 ${2:-} click 1; }

# The window menu from a right press outside the box, once it is up, then
# keys in it.
menu_open() { [ "$(xdotool search --onlyvisible --pid "$lab_pid" 2>/dev/null | wc -l)" -gt 1 ]; }
menu_keys() {
  xdotool mousemove --window "$main" 600 440 click 3
  wait_for menu_open || fail "no window menu"
  sleep 0.2
  xdotool key "$@"
  wait_for eval '! menu_open' || fail "the window menu stays open"
}

panel_of() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/local /')"
  import -display "$DISPLAY" -window root -crop "$panel_crop+$((X + panel_left))+$((Y + panel_top))" \
    +repage "$1"
}

start_lab
[ ! -e "$state" ] || fail "a state before any point"
# One oscillation a timing, the stopwatch on; 0.7, 1.0 and 1.2 kg.
xdotool mousemove --window "$main" 253 459 click 1 key ctrl+a type 1
press "$powerOn_point"
timing() {
  press "$reset_point"
  press "$start_point"
  sleep "$1"
  press "$stop_point"
  sleep 0.2
  press 651 458
  sleep 0.2
}
press "$empty_peg_1"
timing 1.0
press "$weight_on_rack_1"
timing 1.2
press "$weight_on_rack_2"
timing 1.4
wait_for grep -q '^current 3$' "$state" || fail "three points not kept: $(cat "$state" 2>&1)"
sleep 0.3
panel_of "$work/before.png"

# "Copia les dades": the second item of the menu (after the title's).
menu_keys Down Down Return
wait_for xclip -o -selection clipboard || fail "nothing on the clipboard"
xclip -o -selection clipboard >"$work/clipboard.txt"
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
wait_for eval '[ "$(stat -c %i "$state")" != "$inode" ]' || fail "the restore kept nothing anew"
[ "$(grep -c '^current 3$' "$state")" = 1 ] || fail "not restored: $(cat "$state")"
same_panel() {
  panel_of "$work/after.png"
  [ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)" = 0 ]
}
wait_for same_panel || true
if [ -n "${LAB_X11_TEST_PICTURES:-}" ]; then
  cp "$work/before.png" "$work/after.png" "$LAB_X11_TEST_PICTURES/"
fi
differing=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the restored panel differs in $differing pixels"
xdotool key Escape
echo "ok"
