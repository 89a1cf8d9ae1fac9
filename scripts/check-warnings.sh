#!/usr/bin/env bash
# Builds everything with -Wshadow and every warning an error, into ./build-werror (or
# $ZQV_WERROR_BUILD_DIR). CI runs it after the tests.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_WERROR_BUILD_DIR:-$here/build-werror}"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$build" -G Ninja -DZQV_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# The tree stays as .clang-format writes it: any file that differs fails the check.
cd "$here"
unformatted=$(git ls-files '*.cpp' '*.h' | while read -r f; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "$f"
done)
if [ -n "$unformatted" ]; then
  echo "These files differ from .clang-format (run clang-format -i on them):" >&2
  echo "$unformatted" >&2
  exit 1
fi
