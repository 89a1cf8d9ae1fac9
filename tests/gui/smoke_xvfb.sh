#!/usr/bin/env bash
# Smoke test of the real program: starts zqvcps under Xvfb with a profile on its command line,
# checks that the main window, titled with the program's and the profile's name, appears and
# stays up, and saves a screenshot.
#   smoke_xvfb.sh ZQVCPS PROBE PROFILE SCREENSHOT     (PROBE: xwindow_probe)
set -euo pipefail
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
