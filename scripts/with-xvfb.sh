#!/usr/bin/env bash
# Runs a command on a private Xvfb display (1280x800), for the smoke test and the GUI
# benchmark: with-xvfb.sh COMMAND [ARGS...]
#
# Other X servers may run on this machine (their abstract sockets are visible even when their
# lock files are not), so the display number is drawn at random from a range they do not use,
# and another is tried when the server cannot start.
set -euo pipefail
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 1 10); do
  n=$(( 300 + RANDOM % 600 ))
  [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 1 50); do
    [ -S "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$xvfb" 2>/dev/null && [ -S "/tmp/.X11-unix/X$n" ]; then
    export DISPLAY=":$n"
    break
  fi
  xvfb=""
done
[ -n "$xvfb" ] || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
"$@"
