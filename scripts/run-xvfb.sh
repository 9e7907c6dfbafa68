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

# shellcheck source=scripts/xvfb.sh
. "$(dirname "$0")/xvfb.sh"
xvfb_start "${LAB_XVFB_DISPLAY:-:99}" || exit 1
trap xvfb_stop EXIT INT TERM

status=0
DISPLAY=$XVFB_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" || status=$?
exit "$status"
