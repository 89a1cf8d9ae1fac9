#!/usr/bin/env bash
# Sets up, builds and starts the ZQV CPS desktop program. Arguments go to the program (a
# profile to open, --no-splash, --port PATH).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"
exec "$build/app/zqvcps" "$@"
