# Shared by the process-level benchmarks: a private Xvfb, Kerani application folders, and the
# measurement of one program running alone on that server. Source it; set `build` and `seconds`
# first. Programs started here are ended on exit.

work="$(mktemp -d)"
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cpu_ns() { # total on-CPU nanoseconds of every thread of a process
    local total=0 t
    for t in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$t" 2>/dev/null || continue
        total=$((total + run))
    done
    echo "$total"
}

switches() { # voluntary + involuntary context switches of every thread
    local total=0 t v n
    for t in /proc/"$1"/task/*/status; do
        v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$t" 2>/dev/null || echo 0)
        n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$t" 2>/dev/null || echo 0)
        total=$((total + ${v:-0} + ${n:-0}))
    done
    echo "$total"
}

pss_kb() { awk '/^Pss:/ {print $2}' /proc/"$1"/smaps_rollup; }

now_ns() { date +%s%N; }

# A free display number.
display=70
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
pids+=("$xserver")
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

make_app_folder() { # $1 folder, $2 number of clocks, $3 every how many cities (default 7), $4 more options
    local folder="$1" count="$2" every="${3:-7}" options="${4:-}"
    mkdir -p "$folder"
    cp -r "$build/app/." "$folder/"
    rm -f "$folder/Kerani.ini" "$folder/Cities.txt"
    cp "$folder/Cities.bak" "$folder/Cities.txt"
    {
        printf '[Settings]\r\nClocks=%02d\r\n' "$count"
        # Every `every`-th city of the list, over again when the clocks outnumber them.
        awk -v count="$count" -v every="$every" '
            { sub(/\r$/, "") } length($0) > 0 && k++ % every == 0 { city[n++] = $0 }
            END { for (i = 0; i < count; ++i) printf "[Clock_%02d]\r\nCountry/City=%s\r\n", i + 1, city[i % n] }
        ' "$folder/Cities.bak"
        printf '[Options]\r\nHide_SysTray_Icon=1\r\nAlways_On_Top=0\r\nDisplay_Clock=1\r\n'
        printf 'Display_Time=1\r\nTimeFormat=2\r\nDisplay_Date=1\r\nDateFormat=0\r\n'
        printf 'Display_OpsDate=1\r\nOpsDateFormat=0\r\nOpsDateDiff=2\r\n%b' "$options"
        printf '[Clocks_Style]\r\nClock_Picture=0\r\nBackGround=grt2\r\n'
        printf 'TwoColors1=15122070\r\nTwoColors2=7880738\r\n'
    } >"$folder/Kerani.ini"
}

wait_mapped() { # $1 pid; prints nanoseconds when a window of the process is viewable
    for _ in $(seq 4000); do
        if xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1; then now_ns; return 0; fi
        sleep 0.005
    done
    echo "window of $1 never mapped" >&2
    return 1
}

measure() { # $1 label, then the command
    local label="$1"; shift
    local start mapped pid
    start=$(now_ns)
    "$@" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    mapped=$(wait_mapped "$pid")
    sleep 2 # let start-up work settle before the steady-state window
    local cpu0 srv0 sw0 t0 cpu1 srv1 sw1 t1
    cpu0=$(cpu_ns "$pid"); srv0=$(cpu_ns "$xserver"); sw0=$(switches "$pid"); t0=$(now_ns)
    sleep "$seconds"
    cpu1=$(cpu_ns "$pid"); srv1=$(cpu_ns "$xserver"); sw1=$(switches "$pid"); t1=$(now_ns)
    local pss
    pss=$(pss_kb "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    awk -v l="$label" -v m=$(( (mapped - start) / 1000000 )) \
        -v c=$(( cpu1 - cpu0 )) -v s=$(( srv1 - srv0 )) -v w=$(( sw1 - sw0 )) \
        -v t=$(( t1 - t0 )) -v p="$pss" 'BEGIN {
            minute = t / 60e9
            printf "%s\t%d\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\n", l, m,
                   c / 1e6 / minute, s / 1e6 / minute, (c + s) / 1e6 / minute,
                   w / (t / 1e9), p / 1024
        }'
}

