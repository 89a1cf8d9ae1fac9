#!/bin/bash
# What a screen reader is told over the AT-SPI bus: starts the desktop program with a profile
# on a virtual display, with a session D-Bus and the accessibility bus of its own, walks the
# program's accessible objects from the registry and prints each one's role and name, indented
# by depth. Ends with a list of the focusable controls that have no name (exit status 1 when
# there are any).
#
#   scripts/atspi_names.sh build/app/zqvcps "data/ProfileTemplate/ZQ-880 Fleet.zqv" [display]
#
# Needs Xvfb, dbus-run-session, gdbus and at-spi2-core (at-spi-bus-launcher, at-spi2-registryd);
# no screen reader.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    program=$(readlink -f "$1")
    profile=$(readlink -f "$2")
    display=${3:-:64}
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    sleep 1
    DISPLAY=$display dbus-run-session -- "$0" --inside "$program" "$profile"
    exit $?
fi

program=$2
profile=$3
work=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    kill "$launcher" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress | sed -E "s/^\('(.*)',\)$/\1/")

# The program with a configuration of its own, told that assistive technology is listening.
XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache HOME=$work QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    "$program" --no-splash "$profile" >"$work/program.log" 2>&1 &
app=$!
sleep 12

ATSPI_ADDRESS=$address python3 - <<'EOF'
import os, re, subprocess, sys

address = os.environ["ATSPI_ADDRESS"]

def call(dest, path, method, *args):
    out = subprocess.run(["gdbus", "call", "--address", address, "--dest", dest, "--object-path", path,
                          "--method", method, *args], capture_output=True, text=True, timeout=10)
    return out.stdout.strip()

def prop(dest, path, name):
    out = call(dest, path, "org.freedesktop.DBus.Properties.Get", "org.a11y.atspi.Accessible", name)
    m = re.match(r"^\(<(?:'(.*)'|\"(.*)\")>,\)$", out)
    return (m.group(1) or m.group(2) or "") if m else ""

def children(dest, path):
    out = call(dest, path, "org.a11y.atspi.Accessible.GetChildren")
    return re.findall(r"\('([^']+)', (?:objectpath )?'([^']+)'\)", out)

def role(dest, path):
    out = call(dest, path, "org.a11y.atspi.Accessible.GetRoleName")
    m = re.match(r"^\('(.*)',\)$", out)
    return m.group(1) if m else "?"

def focusable(dest, path):
    out = call(dest, path, "org.a11y.atspi.Accessible.GetState")
    m = re.search(r"\[uint32 (\d+), (\d+)\]", out)
    return bool(m) and bool(int(m.group(1)) & (1 << 11))  # ATSPI_STATE_FOCUSABLE

unnamed = []
seen = 0

def walk(dest, path, depth):
    global seen
    seen += 1
    if seen > 3000 or depth > 40:
        return
    r = role(dest, path)
    name = prop(dest, path, "Name")
    print("  " * depth + f"{r}: {name!r}")
    item = r in ("table cell", "list item", "tree item")
    if not name and not item and r not in ("filler", "panel", "scroll bar", "unknown", "separator", "layered pane") \
            and focusable(dest, path):
        unnamed.append(f"{r} at {path}")
    if item and depth > 0:
        return
    for d, p in children(dest, path):
        walk(d, p, depth + 1)

apps = children("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
found = False
for dest, path in apps:
    if "zqv" in prop(dest, path, "Name").lower():
        found = True
        walk(dest, path, 0)
if not found:
    names = [prop(d, p, "Name") for d, p in apps]
    print(f"the program is not on the accessibility bus (applications: {names})", file=sys.stderr)
    sys.exit(2)
print(f"\n{seen} objects; focusable without a name: {len(unnamed)}")
for u in unnamed:
    print("  " + u)
sys.exit(1 if unnamed else 0)
EOF
