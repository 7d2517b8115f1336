#!/usr/bin/env bash
# Process-level benchmark: Kerani with 1, 10 and 100 clocks (every row on, two-colour gradient)
# and `xclock -update 1`, one after the other on one private Xvfb, each measured alone:
#   - time from the start of the process to its window being mapped,
#   - CPU milliseconds per minute of running: the program's own (all its threads, from
#     /proc/PID/task/*/schedstat) plus the X server's over the same interval,
#   - wake-ups per second (context switches of the program's threads),
#   - PSS memory (from /proc/PID/smaps_rollup).
#
# Usage: bench/process_bench.sh [build-dir] [seconds-per-program]   (defaults: build, 60)
# Needs: xvfb, xdotool, x11-apps (xclock); run ./scripts/install-deps.sh first.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-60}"
source "$root/bench/measure.sh"

printf '%-24s %8s %10s %10s %10s %9s %9s\n' program "map ms" "own ms/m" "X ms/m" "total ms/m" "wakeup/s" "PSS MB"
{
    for clocks in 1 10 100; do
        make_app_folder "$work/k$clocks" "$clocks"
        measure "kerani $clocks clocks" "$work/k$clocks/kerani"
    done
    measure "xclock -update 1" xclock -update 1
} | awk -F'\t' '{ printf "%-24s %8d %10.1f %10.1f %10.1f %9.1f %9.1f\n", $1, $2, $3, $4, $5, $6, $7 }'
