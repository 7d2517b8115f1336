# shellcheck shell=bash
# shellcheck disable=SC2034,SC2154 # set and read by the scripts that source it
# Shared by stripshots.sh and dialogshots.sh; sourced, never run. Reads $app_source, $out and
# $locales; makes the work folder, the missing locales and a private Xvfb (DISPLAY exported).
# The processes in `pids` end at exit and the work folder goes.
app_source=$(cd "$app_source" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kerani-shots.XXXXXX")
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for locale in $locales; do
    if ! locale -a 2>/dev/null | grep -qix "${locale}.utf-\?8"; then
        localedef -i "$locale" -f UTF-8 "$locale.UTF-8" 2>/dev/null ||
            echo "warning: no locale $locale.UTF-8 (localedef needs root); C is used" >&2
    fi
done

# start_xvfb <first display number> <width>x<height>
start_xvfb() {
    local display=$1
    while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 "${2}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$display"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
}

# window_box <window>: sets x y w h to the window's place on the screen and its size.
window_box() {
    local info
    info=$(xwininfo -id "$1")
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
}
