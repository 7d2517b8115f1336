#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang, AddressSanitizer and UBSan in a build
# folder of their own, and runs each target for the given number of seconds (default 20) on a
# copy of its seed corpus, so the checkout is never changed. Fails when a target crashes, leaks,
# hits a sanitizer report or finds a property that does not hold; the input that did it is kept
# and its path printed. To reproduce: <build>/tests/fuzz/<target> <crash file>.
#
#   bench/fuzz.sh [seconds]        KERANI_FUZZ_BUILD_DIR picks the build folder (default build-fuzz)
set -euo pipefail

seconds="${1:-20}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KERANI_FUZZ_BUILD_DIR:-$root/build-fuzz}"
cxx="${KERANI_FUZZ_CXX:-clang++-14}"

if ! command -v "$cxx" >/dev/null; then
    echo "fuzz.sh: $cxx not found; scripts/install-deps.sh installs it" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$cxx" -DKERANI_FUZZ=ON >/dev/null
# Only the model library and the fuzz targets: the rest of the project is not needed here.
cmake --build "$build" --target kerani_fuzzers --parallel "$(nproc)"

work="$(mktemp -d "${TMPDIR:-/tmp}/kerani-fuzz.XXXXXX")"
keep=0
cleanup() { [ "$keep" -eq 1 ] || rm -rf "$work"; }
trap cleanup EXIT

# Qt looks for a display only when asked; the targets never ask. Keep the locale fixed so the
# system locale of the machine cannot change what the targets see.
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
for source in "$root"/tests/fuzz/fuzz_*.cpp; do
    target="$(basename "$source" .cpp)"
    seeds="$root/tests/fuzz/corpus/$target"
    corpus="$work/$target/corpus"
    artifacts="$work/$target/artifacts"
    mkdir -p "$corpus" "$artifacts"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
    dict=()
    [ -f "$root/tests/fuzz/$target.dict" ] && dict=(-dict="$root/tests/fuzz/$target.dict")
    echo "== $target: ${seconds} s on $(find "$corpus" -type f | wc -l) seeds"
    if "$build/tests/fuzz/$target" "$corpus" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=4096 -max_len=16384 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" >"$work/$target/log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done ' "$work/$target/log" || true
    else
        failed+=("$target")
        keep=1
        tail -n 60 "$work/$target/log"
        echo "!! $target failed; inputs kept in $artifacts:"
        ls -1 "$artifacts"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: failing targets: ${failed[*]} (logs and inputs in $work)" >&2
    exit 1
fi
echo "fuzz.sh: every target ran ${seconds} s without a failure"
