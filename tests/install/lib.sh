# shellcheck shell=bash disable=SC2034
# Helpers shared by the install tests and the end-to-end test; sourced, never run.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }
need() { # <program>...: each is on the PATH (scripts/install-deps.sh installs them)
    local tool
    for tool in "$@"; do command -v "$tool" >/dev/null || fail "$tool is missing"; done
}

# new_workdir <name>: the work folder $tmp; at exit the `pids` end and it goes (KERANI_KEEP_TMP=1 keeps it).
tmp="" pids=()
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
stop() { # <pid>: ends a process the test started and takes it out of `pids`
    kill "$1" 2>/dev/null && wait "$1" 2>/dev/null || true
    local i
    for i in "${!pids[@]}"; do [ "${pids[i]}" != "$1" ] || unset 'pids[i]'; done
    pids=("${pids[@]}")
}
wait_for() { # <seconds> <command...>: true as soon as the command succeeds
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
start_xvfb() { # <width>x<height>x<depth>: an X server of its own (-noreset: never resetting as the last client leaves); exports DISPLAY
    exec 3>"$tmp/display"
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
    pids+=($!)
    exec 3>&-
    wait_for 10 test -s "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    DISPLAY=":$(head -n1 "$tmp/display")" && export DISPLAY
}
validate_desktop_entry() { # <file>: desktop-file-validate has nothing to say about it
    local out
    out="$(desktop-file-validate "$1" 2>&1)" && [ -z "$out" ] || fail "$1 does not validate: $out"
}
