#!/bin/sh
# A virtual X screen (Xvfb, 1024 x 768 at 24 bits) that answers clients,
# for every script and test that drives the lab on X. POSIX sh, so that it
# also runs in a bare Debian root (packaging/test-deb.sh copies it there).
#
# Sourced (`. scripts/xvfb.sh`), it gives:
#   xvfb_start [display]   starts a server and waits until it answers
#                          `xdotool getdisplaygeometry` with its own screen;
#                          a server that dies or does not answer within 10 s
#                          is stopped and another one started, three tries
#                          in all. Without a display the server takes the
#                          first free number; "random" takes a number of
#                          200 .. 899 that no lock file holds, a new one each
#                          try; ":N" takes that one, and a server that already
#                          answers there is used as it is (and not stopped).
#                          Sets XVFB_DISPLAY and XVFB_PID (empty for a server
#                          that was there); status 1, with a message on
#                          stderr, when no server answers.
#   xvfb_stop              stops the server xvfb_start started, if any.
#   xvfb_answers [display] status 0 while the server (by default the one
#                          started, else $DISPLAY) answers with its screen.
#   x_window_of_size PID WxH
#                          prints the id of the program's visible window of
#                          that client size, waiting for it up to 10 s.
#
# Run as a program, `scripts/xvfb.sh serve [display]` starts a server the
# same way, prints one line "<display> <Xvfb's process id>" and keeps the
# server until it is stopped itself (TERM, INT or HUP) or the server ends.

XVFB_DISPLAY=""
XVFB_PID=""

xvfb_answers() {
  [ "$(DISPLAY=${1:-${XVFB_DISPLAY:-${DISPLAY:-}}} xdotool getdisplaygeometry 2>/dev/null)" = "1024 768" ]
}

# One server on $1 ("" for the first free display); 0 once it answers.
# -noreset: by default the server starts over each time its last client
# leaves, and a client that connects meanwhile is refused (the check below,
# or the session bus's launcher, is often that last client a moment before
# the lab connects).
xvfb_try() {
  _xvfb_fd=$(mktemp)
  if [ -z "$1" ]; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$_xvfb_fd" >/dev/null 2>&1 &
  else
    Xvfb "$1" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_DISPLAY=$1
  fi
  XVFB_PID=$!
  _xvfb_tries=0
  while [ "$_xvfb_tries" -lt 100 ] && kill -0 "$XVFB_PID" 2>/dev/null; do
    if [ -z "$1" ] && [ -s "$_xvfb_fd" ]; then
      XVFB_DISPLAY=:$(head -n 1 "$_xvfb_fd")
    fi
    # The number comes as soon as Xvfb has its lock, and a display number
    # can be taken under it by a server this one cannot see (one in another
    # root shares the socket names, not the lock files): a client must be
    # served before the server counts.
    if [ -n "$XVFB_DISPLAY" ] && xvfb_answers "$XVFB_DISPLAY"; then
      rm -f "$_xvfb_fd"
      return 0
    fi
    _xvfb_tries=$((_xvfb_tries + 1))
    sleep 0.1
  done
  rm -f "$_xvfb_fd"
  xvfb_stop
  return 1
}

xvfb_start() {
  XVFB_DISPLAY=""
  XVFB_PID=""
  case "${1:-}" in
    :*)
      if xvfb_answers "$1"; then
        XVFB_DISPLAY=$1
        return 0
      fi
      ;;
  esac
  for _xvfb_attempt in 1 2 3; do
    case "${1:-}" in
      random)
        _xvfb_number=$((200 + $(od -An -N2 -tu2 /dev/urandom) % 700))
        [ -e "/tmp/.X$_xvfb_number-lock" ] && continue
        xvfb_try ":$_xvfb_number" && return 0
        ;;
      *)
        xvfb_try "${1:-}" && return 0
        ;;
    esac
  done
  echo "xvfb.sh: no X server answered${1:+ on $1} after three tries" >&2
  return 1
}

xvfb_stop() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}

x_window_of_size() {
  for _ in $(seq 100); do
    for _xvfb_id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
      if [ "$(xdotool getwindowgeometry "$_xvfb_id" | awk '/Geometry:/ { print $2 }')" = "$2" ]; then
        echo "$_xvfb_id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

case "$0" in xvfb.sh | */xvfb.sh) _xvfb_run=${1:-} ;; *) _xvfb_run="" ;; esac
if [ "$_xvfb_run" = serve ]; then
  set -eu
  xvfb_start "${2:-}"
  trap 'xvfb_stop; exit 0' TERM INT HUP
  echo "$XVFB_DISPLAY $XVFB_PID"
  if [ -n "$XVFB_PID" ]; then
    # wait returns at once when a trapped signal comes.
    wait "$XVFB_PID" || true
  fi
fi
