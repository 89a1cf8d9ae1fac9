#!/usr/bin/env bash
# The dealer's day with the keyboard alone: on a private Xvfb display (with a window manager,
# as on a desktop) and a simulated radio, the desktop program creates a profile, adds a public
# group, a private group with a member and a private with a home group, edits a setting, opens
# the help at a field with F1, saves, writes the radio, reads it back into a new window and
# prints a report to PDF. Only keys are sent (xdotool key/type, never the mouse); the script
# waits for each window by its title, checks what each step left behind (the file saved, the
# radio's memory, the window read, the PDF) and prints the key presses of every step. A step
# that does not reach its window or its result stops the walk with the step named.
#   bench/keyboard_walk.sh [BUILD_DIR] [--shots DIR]   (DIR: a screenshot after every step;
#   ZQV_WALK_DISPLAY=:N runs it on display N)
# Needs Xvfb, xdotool, ImageMagick's import for --shots, and a window manager (openbox).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  build="$(cd "$1" && pwd)"
  shift
fi
shots=""
[ "${1:-}" = "--shots" ] && shots="$2" && mkdir -p "$shots"

# A display of its own: ZQV_WALK_DISPLAY names one (":65"), else a free one is drawn.
if [ -z "${ZQV_WALK_INNER:-}" ]; then
  export ZQV_WALK_INNER=1
  if [ -z "${ZQV_WALK_DISPLAY:-}" ]; then
    exec "$here/scripts/with-xvfb.sh" "$0" "$build" ${shots:+--shots "$shots"}
  fi
  Xvfb "$ZQV_WALK_DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT
  sleep 1
  rc=0
  DISPLAY="$ZQV_WALK_DISPLAY" "$0" "$build" ${shots:+--shots "$shots"} || rc=$?
  exit "$rc"
fi
command -v openbox >/dev/null || { echo "keyboard_walk: openbox is needed (it gives new windows the focus)" >&2; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.5
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" "$HOME" "$work/dealer"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export ZQV_SYSTEM_CONFIG_DIR="$build/etc/xdg"

openbox >/dev/null 2>&1 &
pids+=($!)
cp "$build/data/ProfileTemplate/ZQ-450 Standard.zqv" "$work/radio.zqv"
"$build/sim/zqv-radio-sim" --profile "$work/radio.zqv" --dump "$work/radio-memory.zqv" >"$work/sim.out" 2>&1 </dev/null &
pids+=($!)
for _ in $(seq 1 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty="$(head -n 1 "$work/sim.out")"
# The program runs in the dealer's folder, where the file dialogs start.
(cd "$work/dealer" && exec "$build/app/zqvcps" --no-splash --port "$pty") >"$work/app.out" 2>&1 &
pids+=($!)

declare -a names counts
step=""
presses=0
# begin NAME: a new step; its key presses are counted until the next one.
begin() {
  [ -n "$step" ] && names+=("$step") && counts+=("$presses")
  step="$1"
  presses=0
}
# keys KEY...: presses each key (a chord such as ctrl+s is one press).
keys() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    presses=$((presses + 1))
    sleep 0.3
  done
}
# typed TEXT: types the text, one press per character.
typed() {
  xdotool type --delay 40 "$1"
  presses=$((presses + ${#1}))
  sleep 0.15
}
fail() {
  echo "keyboard_walk: step '$step': $*" >&2
  [ -n "$shots" ] && import -window root "$shots/failed.png"
  sed 's/^/  program: /' "$work/app.out" >&2
  exit 1
}
# window TITLE: waits until a window of that exact title is shown and has the focus.
window() {
  local id="" pattern
  pattern="^$(printf '%s' "$1" | sed 's/[][\\.*^$+?(){}|]/\\&/g')\$"
  for _ in $(seq 1 300); do
    id="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)"
    [ -n "$id" ] && [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ] && break
    id=""
    sleep 0.1
  done
  [ -n "$id" ] || fail "no focused window '$1' (focus: $(xdotool getwindowfocus getwindowname 2>/dev/null))"
  sleep 0.3
}
shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }
# The text of a profile as the program and the simulated radio write it: plain, UTF-16LE or
# scrambled (each byte XOR 0xA5).
profile_text() {
  python3 - "$1" <<'PY'
import sys
b = open(sys.argv[1], 'rb').read()
if not (b.startswith(b'\xff\xfe') or b.lstrip(b'\xef\xbb\xbf').startswith(b'<')):
    b = bytes(x ^ 0xA5 for x in b)
print(b[2:].decode('utf-16-le') if b.startswith(b'\xff\xfe') else b.decode('utf-8', 'replace'))
PY
}
contains() {
  profile_text "$1" >"$work/text" || fail "cannot read $1"
  grep -q "$2" "$work/text" || fail "$1 does not hold $2"
}

window "ZQV CPS"

begin "create a profile (File > New)"
keys ctrl+n
window "New Profile"
keys Down Return
window "ZQV CPS - [Profile1]"
shot 01-new

# The tree: ZQV450, All Contacts, Contacts, Privates, This Radio, Private Groups, Public Groups.
begin "add public group Depot"
keys Down Down Down Down Down Down ctrl+a
typed Depot
keys Tab
window "ZQV CPS - [Profile1 *]"
shot 02-public-group

# Back in the tree, Private Groups is five down from the top. Name, Channel, ID, then the list
# of all privates: Tab into it selects This Radio, Enter makes it a member.
begin "add private group Crew with a member"
keys F6 Home Down Down Down Down Down ctrl+a
typed Crew
keys Tab Tab Tab Return
shot 03-private-group

# Privates is three down from the top. Name, Channel, ID, Read Private ID, Home Group.
begin "add private Ann with home group Crew"
keys F6 Home Down Down Down ctrl+a
typed Ann
keys Tab Tab Tab Tab Down Tab
shot 04-private

begin "edit a setting (Contrast)"
keys F6
typed Se
keys F6 Tab Down
shot 05-settings

begin "help on the focused field (F1, Esc)"
keys F1
window "Settings"
shot 06-help
keys Escape
window "ZQV CPS - [Profile1 *]"

begin "save (Ctrl+S)"
keys Tab ctrl+s
window "Save As"
typed fleet.zqv
keys Return
window "ZQV CPS - [fleet.zqv]"
contains "$work/dealer/fleet.zqv" 'name="Crew"'
contains "$work/dealer/fleet.zqv" 'name="Ann"'
contains "$work/dealer/fleet.zqv" 'name="Depot"'
shot 07-saved

begin "write the radio (Ctrl+W)"
keys ctrl+w
window "Changes to the Radio"
shot 08-changes
keys Return
window "ZQV CPS"
keys Return
window "ZQV CPS - [fleet.zqv]"
contains "$work/radio-memory.zqv" 'name="Ann"'
contains "$work/radio-memory.zqv" 'name="Crew"'

begin "read the radio into a new window (Ctrl+R)"
keys ctrl+r
window "Reading successful!"
keys Return
window "ZQV CPS"
keys alt+y
window "ZQV CPS - [10000101 *]"
shot 09-read

begin "print a report to PDF (Report)"
keys alt+r
window "Reports"
keys Return
window "Report"
keys Return
window "Print"
keys alt+f ctrl+a
typed "$work/dealer/report.pdf"
keys Return
window "Report"
keys Escape
window "ZQV CPS - [10000101 *]"
for _ in $(seq 1 50); do [ -s "$work/dealer/report.pdf" ] && break; sleep 0.1; done
[ -s "$work/dealer/report.pdf" ] || fail "no report.pdf"
shot 10-report
begin ""

total=0
printf '%-48s %s\n' "step" "key presses"
for i in "${!names[@]}"; do
  printf '%-48s %5d\n' "${names[$i]}" "${counts[$i]}"
  total=$((total + counts[i]))
done
printf '%-48s %5d\n' "total" "$total"
