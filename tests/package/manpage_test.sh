#!/usr/bin/env bash
# Every command that `zqvcps-cli --help` lists has an entry in the manual page, and the page
# renders without warnings.
#   manpage_test.sh MANUAL_PAGE ZQVCPS_CLI
set -euo pipefail
page="$1"
cli="$2"
missing=0
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF && $1 !~ /^-/ && $1 != "Commands:" { print $1 }'); do
  # An entry starts a tagged paragraph with the command's name: .B name / .BI "name ..." / .BI name
  escaped="${command//-/\\\\-}"
  grep -Eq "^\.(B|BI) \"?${escaped}( |\"|$)" "$page" || { echo "FAIL: $command has no entry in $(basename "$page")"; missing=1; }
done
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)"
[ -z "$warnings" ] || { echo "FAIL: the page renders with warnings:"; echo "$warnings"; missing=1; }
[ "$missing" -eq 0 ] && echo "every command of $("$cli" --version) is in $(basename "$page")"
