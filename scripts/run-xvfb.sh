#!/bin/sh
# Runs the lab on a virtual X screen (Xvfb), for looking at it without a
# display: start it in the background, drive it with xdotool and take
# pictures with screenshot.sh.
#
#   scripts/run-xvfb.sh <path to trelko> [arguments...]
#
# The screen is 1024 x 768 at 24 bits, display :99 unless LAB_XVFB_DISPLAY
# names another. An Xvfb already serving that display is used as it is;
# one started here is stopped when the lab ends. The lab's exit status is
# the script's.
set -eu

if [ $# -lt 1 ]; then
  echo "usage: $0 <path to trelko> [arguments...]" >&2
  exit 2
fi
program=$1
shift
if [ ! -x "$program" ]; then
  echo "$0: $program is not an executable" >&2
  exit 2
fi

display=${LAB_XVFB_DISPLAY:-:99}
number=${display#:}
started=""

if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  started=$!
  # Wait for the server to take connections (at most 10 s).
  tries=0
  until xdpyinfo -display "$display" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$started" 2>/dev/null; then
      echo "$0: Xvfb did not start on $display" >&2
      exit 1
    fi
    sleep 0.1
  done
fi

stop_xvfb() {
  if [ -n "$started" ]; then
    kill "$started" 2>/dev/null || true
    wait "$started" 2>/dev/null || true
  fi
}
trap stop_xvfb EXIT INT TERM

status=0
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" "$@" || status=$?
exit "$status"
