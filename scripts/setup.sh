#!/usr/bin/env bash
# Installs every Debian package that building, running and testing ZQV CPS needs.
# Safe to run again: packages already present are left alone and nothing is downloaded then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-declarative-dev qt6-serialport-dev
  # The accessibility test switches Qt's accessibility on as a screen reader would.
  qt6-base-private-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools qt6-l10n-tools
  # Qt's own texts in the program's languages (the standard buttons of message boxes).
  qt6-translations-l10n
  libxml2-dev libxml2-utils
  # CSV import and export of contacts
  libcsv-dev
  # Qt SQL's SQLite driver: the write history (and the help's index)
  libqt6sql6-sqlite
  # the support bundle's zip file
  libzip-dev
  xvfb xauth imagemagick xdotool
  # a window manager for bench/keyboard_walk.sh (it gives new windows the focus, as a desktop does)
  openbox
  clang libclang-rt-14-dev
  # the formatting check of check-warnings.sh
  clang-format
  # The Debian package and its checks: cpack's dependency scan, lintian, the desktop-entry and
  # AppStream validators, the MIME database tool, bash-completion and man for their tests.
  dpkg-dev lintian desktop-file-utils appstream shared-mime-info bash-completion man-db
  # pdftotext, for the tests that read the text of a saved report
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
