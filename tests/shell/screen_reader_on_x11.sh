#!/usr/bin/env bash
# The lab read through AT-SPI (screen_reader_test.py), on a virtual X screen
# and a session bus of its own, so that nothing of the desktop it runs on
# (if any) takes part.
#
#   tests/shell/screen_reader_on_x11.sh <path to trelko>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/xvfb.sh
. "$here/../../scripts/xvfb.sh"
work=$(mktemp -d)
trap 'xvfb_stop; rm -rf "$work"' EXIT
xvfb_start random || { echo "FAILED: Xvfb did not start" >&2; exit 1; }
export DISPLAY=$XVFB_DISPLAY
# The lab keeps its series in a folder of the test's own.
export XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Debian's own Python, which has the bindings (python3-pyatspi).
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$1"
