#!/bin/sh
# Takes a picture of the whole virtual screen that run-xvfb.sh serves.
#
#   scripts/screenshot.sh <file.png>
#
# The display is :99 unless LAB_XVFB_DISPLAY (or, failing that, DISPLAY)
# names another.
set -eu

if [ $# -ne 1 ]; then
  echo "usage: $0 <file.png>" >&2
  exit 2
fi
display=${LAB_XVFB_DISPLAY:-${DISPLAY:-:99}}
import -display "$display" -window root "$1"
