# shellcheck shell=bash
# Helpers shared by the install tests; sourced, never run.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

# need <program>...: each is on the PATH.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
    done
}

# new_workdir <name>: makes the work folder $tmp. At exit the processes in `pids` are ended, newest
# first, and the folder is removed (kept with KERANI_KEEP_TMP=1).
tmp=""
pids=()
new_workdir() {
    tmp="$(mktemp -d "${TMPDIR:-/tmp}/kerani-$1.XXXXXX")"
    trap cleanup EXIT
}
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do wait "${pids[i]}" 2>/dev/null || true; done
    if [ -n "${KERANI_KEEP_TMP:-}" ]; then echo "kept $tmp"; return; fi
    chmod -R u+w "$tmp" 2>/dev/null || true # folders a test made read-only
    rm -rf "$tmp"
}

# stop <pid>: ends a process started by the test and takes it out of `pids`.
stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    local i
    for i in "${!pids[@]}"; do [ "${pids[i]}" != "$1" ] || unset 'pids[i]'; done
    pids=("${pids[@]}")
}

# wait_for <seconds> <command...>: true as soon as the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# start_xvfb <width>x<height>x<depth>: an X server of the test's own; exports DISPLAY.
start_xvfb() {
    exec 3>"$tmp/display"
    # -noreset: a program started just as the last one leaves must find the server up, not in
    # the middle of the reset that follows the last client.
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
    pids+=($!)
    exec 3>&-
    wait_for 10 test -s "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    DISPLAY=":$(head -n1 "$tmp/display")"
    export DISPLAY
}

# validate_desktop_entry <file>: desktop-file-validate has nothing to say about it.
validate_desktop_entry() {
    local out
    out="$(desktop-file-validate "$1" 2>&1)" || fail "$1 does not validate: $out"
    [ -z "$out" ] || fail "$1: $out"
}
