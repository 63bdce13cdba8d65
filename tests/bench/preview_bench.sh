#!/usr/bin/env bash
# Prints the preview's processor seconds per second and peak memory while it paints into a host
# for a while (default 10 s), beside the same figures for a minimal program that paints one
# bitmap on a 100 ms timer. Usage: tests/bench/preview_bench.sh [seconds] [preset]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-10}"
preset="${2:-win64}"
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target preview_bench >/dev/null
exec "build/$preset/wine-run" "build/$preset/tests/bench/preview_bench.exe" "$seconds"
