#!/usr/bin/env bash
# Configures and builds ZQV CPS into ./build (or $ZQV_BUILD_DIR). Used by run.sh and test.sh.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_BUILD_DIR:-$here/build}"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j"$(nproc)"
