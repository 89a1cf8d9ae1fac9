#!/usr/bin/env bash
# The Debian package as a user gets it: built with cpack from the finished build, checked with
# lintian, unpacked into a temporary root (dpkg-deb -x), and its programs run from there with
# nothing of the build folder: the CLI's --version, new --template and show, and the desktop
# program with a profile on a private Xvfb display. Both find their data through the installed
# machine-wide configuration (its InstallPath is relative to the programs' folder).
#   package_test.sh BUILD_DIR PROBE      (PROBE: xwindow_probe)
set -euo pipefail
build="$1"
probe="$2"

if [ -z "${DISPLAY:-}" ] || [ -z "${ZQV_PACKAGE_INNER:-}" ]; then
  export ZQV_PACKAGE_INNER=1
  exec "$(dirname "$0")/../../scripts/with-xvfb.sh" "$0" "$@"
fi

work="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Build the package from the existing build (cpack never rebuilds it) and unpack it.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.txt" 2>&1 ||
  { cat "$work/cpack.txt"; fail "cpack did not build the package"; }
deb="$(ls "$work"/out/*.deb)"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(dpkg-deb -f "$deb" Depends)"
# The help window reads its files through Qt's SQLite driver: without it F1 says the help file
# is invalid, so it is a dependency, not a recommendation.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6sql6-sqlite' || fail "Depends lacks Qt's SQLite driver: $(dpkg-deb -f "$deb" Depends)"
[ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package names no homepage"
if command -v lintian >/dev/null; then
  rc=0
  lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || rc=$?
  grep -v 'running with root privileges' "$work/lintian.txt" || true
  [ "$rc" -eq 0 ] || fail "lintian reports errors"
else
  echo "lintian not installed: skipped"
fi
root="$work/root"
dpkg-deb -x "$deb" "$root"
grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\"" "$root/usr/share/metainfo/com.corvane.zqvcps.metainfo.xml" ||
  fail "the AppStream metadata has no release entry of this version"

for file in usr/bin/zqvcps usr/bin/zqvcps-cli usr/share/zqvcps/lib/Region.stv \
    "usr/share/zqvcps/ProfileTemplate/ZQ-450 Standard.zqv" etc/zqvcps/zqvcps.conf \
    usr/share/applications/com.corvane.zqvcps.desktop \
    usr/share/icons/hicolor/scalable/apps/com.corvane.zqvcps.svg \
    usr/share/icons/hicolor/48x48/apps/com.corvane.zqvcps.png \
    usr/share/mime/packages/com.corvane.zqvcps.xml usr/share/metainfo/com.corvane.zqvcps.metainfo.xml \
    usr/share/man/man1/zqvcps.1.gz usr/share/man/man1/zqvcps-cli.1.gz \
    usr/share/bash-completion/completions/zqvcps-cli usr/lib/udev/rules.d/70-zqvcps-cable.rules; do
  [ -e "$root/$file" ] || fail "the package lacks $file"
done
# The modules loaded on first use (the rule script's engine, printing, the SQL database, the help,
# the zip file).
for module in zqvrulescript zqvprint zqvsql zqvhelp zqvzip; do
  [ -n "$(find "$root/usr/lib" -path '*/zqvcps/lib'"$module"'.so')" ] || fail "the package lacks the module $module"
done
# The programs are built with Debian's hardening: stack protector and full RELRO. (Fortified
# calls show only where a program calls a C library function that has a checked variant.)
for program in zqvcps zqvcps-cli; do
  elf="$root/usr/bin/$program"
  # Read whole before grep -q ends early (pipefail would count readelf's broken pipe).
  headers="$(readelf -lW "$elf")" dynamic="$(readelf -dW "$elf")" symbols="$(readelf -W --dyn-syms "$elf")"
  grep -q GNU_RELRO <<<"$headers" || fail "$program has no RELRO segment"
  grep -Eq 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "$program does not bind its symbols at start"
  grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
done
# The changelog's date is a commit's, not the time of the build, so a rebuild gives the same package.
changelog_date="$(zcat "$root/usr/share/doc/zqvcps/changelog.gz" | sed -n 's/^ -- .*>  //p')"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
if git -C "$source_dir" rev-parse >/dev/null 2>&1; then
  commit_dates="$(git -C "$source_dir" log -300 --format=%ct |
    while read -r t; do LC_ALL=C date -u -d "@$t" '+%a, %d %b %Y %H:%M:%S +0000'; done)"
  grep -qxF "$changelog_date" <<<"$commit_dates" || fail "the changelog's date '$changelog_date' is no commit's date"
fi
# A double click on a .zqv file: the MIME database knows the type and the desktop entry opens it.
update-mime-database "$root/usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database refuses the MIME type"
grep -q 'application/x-zqv-profile:\*\.zqv' "$root/usr/share/mime/globs2" || fail "*.zqv is not a profile to the MIME database"
update-desktop-database "$root/usr/share/applications" || fail "update-desktop-database refuses the desktop entry"
grep -q '^application/x-zqv-profile=com.corvane.zqvcps.desktop' "$root/usr/share/applications/mimeinfo.cache" ||
  fail "the desktop entry does not open profiles"
# Nothing installed may point back into the build folder (a run path, a recorded path).
if grep -rlF "$build" "$root" >"$work/leaks.txt"; then
  fail "files refer to the build folder: $(cat "$work/leaks.txt")"
fi

# The programs run with a fresh user configuration and find the unpacked machine configuration,
# etc/zqvcps/zqvcps.conf, themselves, from a folder of their own.
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" LANG=C.UTF-8 LANGUAGE=
unset ZQV_SYSTEM_CONFIG_DIR LC_ALL LC_MESSAGES
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
cd "$work"
cli="$root/usr/bin/zqvcps-cli"
version="$(dpkg-deb -f "$deb" Version)"
[ "$("$cli" --version)" = "zqvcps-cli $version" ] || fail "--version says '$("$cli" --version)', the package is $version"
"$cli" new --template "ZQ-450 Standard" -o "$work/Shop radio.zqv" || fail "new --template"
"$cli" show "$work/Shop radio.zqv" >"$work/shown.xml" || fail "show"
grep -q '<' "$work/shown.xml" || fail "show printed no XML"
xmllint --noout "$work/shown.xml" || fail "show printed no well-formed XML"
# The templates came from the unpacked tree: without it the same command fails.
mv "$root/usr/share/zqvcps" "$root/usr/share/zqvcps.away"
if "$cli" new --template "ZQ-450 Standard" -o "$work/second.zqv" 2>/dev/null; then
  fail "new --template works without the unpacked data: it reads another installation"
fi
mv "$root/usr/share/zqvcps.away" "$root/usr/share/zqvcps"
echo "zqvcps-cli $version: new --template and show work from the unpacked package"

# The desktop program opens the profile: its main window, titled with the profile, stays up.
"$root/usr/bin/zqvcps" --no-splash "$work/Shop radio.zqv" >"$work/gui.txt" 2>&1 &
pid=$!
title="ZQV CPS - [Shop radio.zqv]"
"$probe" "$title" 30 >/dev/null || {
  kill -0 "$pid" 2>/dev/null || { cat "$work/gui.txt"; fail "zqvcps ended before its window appeared"; }
  fail "no window titled '$title' (a start-up message instead?)"
}
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$work/gui.txt"; fail "zqvcps did not stay up"; }
echo "zqvcps from the unpacked package shows '$title'"

# On a German desktop a new user starts in German: the installed default is the desktop's
# language. The unpacked translation loads (a missing one would show a message and reset the
# language to English), and the New Profile dialog has the German title.
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
[ -e "$root/usr/share/zqvcps/translations/zqvcps_de.qm" ] || fail "the package lacks the German translation"
grep -qx 'DefaultLanguage=Desktop' "$root/etc/zqvcps/zqvcps.conf" || fail "the installed default is not the desktop's language"
conf="$XDG_CONFIG_HOME/Corvane/ZQV CPS.conf"
rm -f "$conf"
LANG=de_DE.UTF-8 "$root/usr/bin/zqvcps" --no-splash "$work/Shop radio.zqv" >"$work/gui-de.txt" 2>&1 &
pid=$!
"$probe" "$title" 30 >/dev/null || {
  kill -0 "$pid" 2>/dev/null || { cat "$work/gui-de.txt"; fail "zqvcps in German ended before its window appeared"; }
  fail "no window titled '$title' in German (the language file missing?)"
}
grep -q '^CurrentLanguage=German' "$conf" || fail "zqvcps went back to English: $(grep CurrentLanguage "$conf")"
xdotool search --name "Shop radio\\.zqv" | head -1 | xargs -I{} xdotool windowfocus --sync {}
xdotool key ctrl+n
"$probe" "Neues Profil" 15 >/dev/null || fail "no New Profile dialog titled 'Neues Profil'"
echo "zqvcps from the unpacked package starts in German on a German desktop"

# A default the administrator writes into the machine's file wins over the desktop's language.
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
sed -i 's/^DefaultLanguage=.*/DefaultLanguage=French/' "$root/etc/zqvcps/zqvcps.conf"
rm -f "$conf"
LANG=de_DE.UTF-8 "$root/usr/bin/zqvcps" --no-splash "$work/Shop radio.zqv" >"$work/gui-fr.txt" 2>&1 &
pid=$!
"$probe" "$title" 30 >/dev/null || { cat "$work/gui-fr.txt"; fail "no window titled '$title' in French"; }
grep -q '^CurrentLanguage=French' "$conf" || fail "the machine's DefaultLanguage did not win: $(grep CurrentLanguage "$conf")"
echo "zqvcps takes the machine's DefaultLanguage from etc/zqvcps/zqvcps.conf over the desktop's language"
