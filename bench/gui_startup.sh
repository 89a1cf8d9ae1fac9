#!/usr/bin/env bash
# The desktop program's start-up time and memory against a bare Qt main window of the same
# size and bars (a program of its own that links Qt Widgets only), without and with a
# 150-contact profile, and the first open of that profile; on a private Xvfb display with a
# configuration of its own. Build the target bench_gui_startup first.
#   bench/gui_startup.sh [BUILD_DIR] [--runs N] [--language NAME] [--app PATH]   (NAME: German, say;
#   PATH: another build's bench_gui_app, to compare with)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The build folder is the first argument only when it is not an option.
build="$here/build"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  build="$1"
  shift
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ZQV_SYSTEM_CONFIG_DIR="$build/etc/xdg"
exec "$here/scripts/with-xvfb.sh" "$build/bench/bench_gui_startup" "$@"
