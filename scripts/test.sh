#!/usr/bin/env bash
# Sets up, builds and runs every test. Extra arguments go to ctest (e.g. -L unit).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure "$@"
