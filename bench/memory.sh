#!/usr/bin/env bash
# Memory of the running program by number of clocks: Kerani with every row on and the two-colour
# gradient, each count alone on one private Xvfb (1280 x 1024, see bench/measure.sh). The clocks
# are the factory cities in turn, as many times over as the count asks. For each count: the peak
# resident memory of the process (VmHWM: start-up included), its PSS once it runs, and the
# width of its window in columns (width / 78; X takes windows up to 32,767 pixels wide, so this
# is never more than 420 whatever number of columns the program built).
#
# Usage: bench/memory.sh [build-dir] [clock counts...]   (defaults: build, 10 100 400 32767)
# Needs: xvfb, xdotool, x11-utils.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
counts=("$@")
((${#counts[@]} > 0)) || counts=(10 100 400 32767)
seconds=0 # measure.sh asks for it; nothing here runs for a set time
source "$root/bench/measure.sh"

printf '| Clocks | window width in columns | peak RSS MB | PSS MB after start-up |\n|---|---|---|---|\n'
for count in "${counts[@]}"; do
    make_app_folder "$work/m$count" "$count" 1 'Follow_DST=1\r\n'
    "$work/m$count/kerani" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    # Many clocks take long to build: wait up to five minutes for the window.
    for _ in $(seq 3000); do
        xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep 3 # the first ticks, dates and paints
    window=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
    width=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, s, "x"); print s[1] }')
    peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    pss=$(pss_kb "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v n="$count" -v w="$width" -v h="$peak" -v p="$pss" \
        'BEGIN { printf "| %d | %d | %.1f | %.1f |\n", n, w / 78, h / 1024, p / 1024 }'
done
