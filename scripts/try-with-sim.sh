#!/usr/bin/env bash
# Try Read and Write without a radio: builds ZQV CPS, starts the simulated radio
# (zqv-radio-sim) on a pseudo-terminal and the desktop program connected to it, with a demo
# profile open. The simulated radio holds the same profile, so Device > Read and Device >
# Write work at once; it keeps what is written to it in build/try/radio-memory.zqv.
# Extra arguments go to the simulator (for example --password 1234, --fw-version 5, --full).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZQV_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"

try="$build/try"
mkdir -p "$try"
demo="$try/Demo radio.zqv"
[ -f "$demo" ] || cp "$build/data/ProfileTemplate/ZQ-450 Standard.zqv" "$demo"

coproc SIM { exec "$build/sim/zqv-radio-sim" --profile "$demo" --dump "$try/radio-memory.zqv" "$@"; }
trap 'kill "$SIM_PID" 2>/dev/null || true' EXIT
read -r pty <&"${SIM[0]}"
echo "Simulated radio on $pty (its memory is saved to $try/radio-memory.zqv)"
"$build/app/zqvcps" --port "$pty" "$demo"
