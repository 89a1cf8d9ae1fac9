#!/usr/bin/env bash
# Sets up, builds and starts ZQV CPS. Arguments go to the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"
if [ $# -eq 0 ]; then set -- --help; fi
exec "$build/cli/zqvcps-cli" --install-dir "$build/data" "$@"
