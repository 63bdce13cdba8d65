#!/usr/bin/env bash
# Prints how long the settings dialog takes to open and what it costs, beside a plain window of
# the same size. Usage: tests/bench/opening_bench.sh [preset]   (default win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
preset=${1:-win64}
cmake --build --preset "$preset" --target opening_bench >/dev/null
launcher="$root/build/$preset/wine-run"
bench="$root/build/$preset/tests/bench/opening_bench.exe"
"$launcher" "$bench" floor
"$launcher" "$bench"
