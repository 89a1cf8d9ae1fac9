#!/usr/bin/env bash
# Smoke test of the real program: starts zqvcps under Xvfb with a profile on its command line,
# checks that the main window, titled with the program's and the profile's name, appears and
# stays up, and saves a screenshot. Then a start without the machine's settings: its message
# box is answered and the program must end with status 1. Last, a start over a user settings
# file of random bytes: a notice, then the program runs with the old file kept beside.
#   smoke_xvfb.sh ZQVCPS PROBE PROFILE SCREENSHOT     (PROBE: xwindow_probe)
set -euo pipefail
# The program runs on the X display, whatever platform the caller's environment names.
export QT_QPA_PLATFORM=xcb
program="$1"
probe="$2"
profile_source="$3"
screenshot="$4"

if [ -z "${DISPLAY:-}" ] || [ -z "${ZQV_SMOKE_INNER:-}" ]; then
  export ZQV_SMOKE_INNER=1
  exec "$(dirname "$0")/../../scripts/with-xvfb.sh" "$0" "$@"
fi

work="$(mktemp -d)"
pid=""
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
cp "$profile_source" "$work/Dealer demo.zqv"

"$program" --no-splash "$work/Dealer demo.zqv" >"$work/output.txt" 2>&1 &
pid=$!
title="ZQV CPS - [Dealer demo.zqv]"

"$probe" "$title" 20 >/dev/null || {
  if ! kill -0 "$pid" 2>/dev/null; then
    rc=0; wait "$pid" || rc=$?
    echo "zqvcps ended (exit status $rc) before its window appeared:"; cat "$work/output.txt"; exit 1
  fi
  echo "no window titled '$title'"; exit 1
}

sleep 3
kill -0 "$pid" 2>/dev/null || { echo "zqvcps did not stay up"; cat "$work/output.txt"; exit 1; }
"$probe" "$title" 1 >/dev/null || { echo "the window went away"; exit 1; }
import -window root "$screenshot"
echo "main window '$title' is up; screenshot: $screenshot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# No machine-wide settings: the start shows its message and ends with status 1.
mkdir -p "$work/nosystem" "$work/config2"
XDG_CONFIG_HOME="$work/config2" ZQV_SYSTEM_CONFIG_DIR="$work/nosystem" \
  "$program" --no-splash >"$work/output2.txt" 2>&1 &
pid=$!
"$probe" "ZQV CPS" 20 >/dev/null || { echo "no message box at a failed start"; cat "$work/output2.txt"; exit 1; }
box="$(xdotool search --name '^ZQV CPS$' | head -n 1)"
xdotool windowfocus "$box"
sleep 0.5
xdotool key Return
rc=0
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "zqvcps did not end after its start-up message"; exit 1; fi
wait "$pid" || rc=$?
pid=""
[ "$rc" -eq 1 ] || { echo "a failed start ended with status $rc, not 1"; exit 1; }
echo "a failed start ends with status 1"

# Random bytes as the user's settings: a notice names the kept file, then the program runs.
mkdir -p "$work/config3/Corvane"
head -c 3000 /dev/urandom >"$work/config3/Corvane/ZQV CPS.conf"
XDG_CONFIG_HOME="$work/config3" "$program" --no-splash >"$work/output3.txt" 2>&1 &
pid=$!
"$probe" "ZQV CPS" 20 >/dev/null || { echo "no notice about the unreadable settings"; cat "$work/output3.txt"; exit 1; }
[ -f "$work/config3/Corvane/ZQV CPS.conf.unreadable" ] || { echo "the unreadable settings file was not kept"; exit 1; }
box="$(xdotool search --name '^ZQV CPS$' | head -n 1)"
xdotool windowfocus "$box"
sleep 0.5
xdotool key Return
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "zqvcps ended after repairing its settings"; cat "$work/output3.txt"; exit 1; }
"$probe" "ZQV CPS" 5 >/dev/null || { echo "no main window after repairing the settings"; exit 1; }
echo "unreadable user settings were set aside and the program started"
