#!/usr/bin/env bash
# Memory and undefined-behaviour checks of the whole program, for people to re-run:
#   1. builds everything with AddressSanitizer and UBSan (KERANI_SANITIZE) in a build folder of its
#      own and runs the whole CTest suite there; any sanitizer report fails its test;
#   2. builds normally in another folder and runs every model test (the tests without a display)
#      under valgrind memcheck; any error or definitely lost block fails.
# The fuzz test is left out of step 1: it makes its own clang build with the same sanitizers.
#
#   bench/sanitize.sh [asan|valgrind]      (both when no argument is given)
#   KERANI_SANITIZE_BUILD_DIR, KERANI_VALGRIND_BUILD_DIR pick the folders (build-sanitize,
#   build-valgrind by default).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
what="${1:-all}"
jobs="$(nproc)"
failed=0

run_asan() {
    local build="${KERANI_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
    echo "== AddressSanitizer + UBSan: building in $build"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKERANI_SANITIZE=ON \
        >/dev/null
    cmake --build "$build" --parallel "$jobs"
    # UBSan only prints by default; halt_on_error makes each report fail its test. Leaks are
    # reported at exit and fail it too. No suppressions are needed: Qt and the system libraries
    # run clean here. (strict_string_checks stays off: libxkbcommon-x11 hands strndup() X atom
    # names that are not NUL-terminated, which that check reports in the end-to-end test.)
    ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:detect_stack_use_after_return=1" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
        ctest --test-dir "$build" --output-on-failure --parallel "$jobs" -LE fuzz || failed=1
}

run_valgrind() {
    local build="${KERANI_VALGRIND_BUILD_DIR:-$root/build-valgrind}"
    echo "== valgrind memcheck: building in $build"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --parallel "$jobs"
    # The model tests are the ones CTest runs without a display platform.
    local tests=()
    mapfile -t tests < <(ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    env = [p for p in test.get("properties", []) if p["name"] == "ENVIRONMENT"]
    widgets = any("QT_QPA_PLATFORM" in v for p in env for v in p["value"])
    command = test.get("command") or []
    if command and not widgets and command[0].rsplit("/", 1)[-1].startswith("tst_"):
        print(command[0])
')
    local logs
    logs="$(mktemp -d "${TMPDIR:-/tmp}/kerani-valgrind.XXXXXX")"
    for binary in "${tests[@]}"; do
        local name
        name="$(basename "$binary")"
        local start=$SECONDS
        # PCRE2's JIT (QRegularExpression, e.g. behind QDir's name filters) runs code valgrind
        # cannot see into and reports as uninitialised reads; the interpreter is checked instead.
        if QT_ENABLE_REGEXP_JIT=0 valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
            --errors-for-leak-kinds=definite --show-leak-kinds=definite --track-origins=yes \
            --log-file="$logs/$name.log" \
            "$binary" >"$logs/$name.out" 2>&1; then
            echo "   $name: clean ($((SECONDS - start)) s)"
        else
            failed=1
            echo "!! $name: valgrind or the test failed ($((SECONDS - start)) s)"
            tail -n 40 "$logs/$name.log"
            tail -n 20 "$logs/$name.out"
        fi
    done
    echo "   logs in $logs"
}

case "$what" in
asan) run_asan ;;
valgrind) run_valgrind ;;
all) run_asan && run_valgrind ;;
*) echo "usage: $0 [asan|valgrind]" >&2; exit 2 ;;
esac

if [ "$failed" -ne 0 ]; then
    echo "sanitize.sh: failures above" >&2
    exit 1
fi
echo "sanitize.sh: clean"
