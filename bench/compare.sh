#!/usr/bin/env bash
# Kerani beside the clocks people otherwise keep on the desktop, in one go on one private Xvfb:
# Kerani with 1 and 10 clocks, `xclock -update 1`, `xclock -digital -update 1` and gworldclock
# with ten zones. Each runs alone while it is measured (see bench/measure.sh); the table gives
# the figures and each program's ratio to Kerani with 10 clocks.
#
# Usage: bench/compare.sh [build-dir] [seconds-per-program]   (defaults: build, 60)
# Needs: xvfb, xdotool, x11-apps, gworldclock.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
seconds="${2:-60}"
command -v gworldclock >/dev/null || { echo "gworldclock is not installed" >&2; exit 1; }
source "$root/bench/measure.sh"

# gworldclock keeps its zones in ~/.tzlist; give it ten in a home of its own.
mkdir -p "$work/home"
for zone in America/Los_Angeles America/New_York America/Sao_Paulo Europe/London Europe/Berlin \
    Africa/Cairo Asia/Dubai Asia/Kolkata Asia/Tokyo Australia/Sydney; do
    printf '%s "%s"\n' "$zone" "${zone#*/}"
done >"$work/home/.tzlist"

results="$work/results.tsv"
{
    make_app_folder "$work/k1" 1
    measure "Kerani, 1 clock" "$work/k1/kerani"
    make_app_folder "$work/k10" 10
    measure "Kerani, 10 clocks" "$work/k10/kerani"
    measure "xclock -update 1" xclock -update 1
    measure "xclock -digital -update 1" xclock -digital -update 1
    measure "gworldclock, 10 zones" env HOME="$work/home" gworldclock
} >"$results"

awk -F'\t' '
    { label[NR] = $1; map[NR] = $2; total[NR] = $5; wake[NR] = $6; pss[NR] = $7 }
    $1 == "Kerani, 10 clocks" { base = NR }
    END {
        printf "| Program | map ms | CPU ms/min (own + X) | wake-ups/s | PSS MB | CPU ratio | map ratio |\n"
        printf "|---|---|---|---|---|---|---|\n"
        for (i = 1; i <= NR; ++i)
            printf "| %s | %d | %.1f | %.1f | %.1f | %.2f | %.2f |\n", label[i], map[i], total[i],
                   wake[i], pss[i], total[i] / total[base], map[i] / map[base]
    }' "$results"
