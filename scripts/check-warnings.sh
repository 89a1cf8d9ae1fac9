#!/usr/bin/env bash
# Builds everything with -Wshadow and every warning an error, into ./build-werror (or
# $ZQV_WERROR_BUILD_DIR). CI runs it after the tests.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_WERROR_BUILD_DIR:-$here/build-werror}"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$build" -G Ninja -DZQV_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
