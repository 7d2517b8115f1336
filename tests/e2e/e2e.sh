#!/usr/bin/env bash
# shellcheck disable=SC2016,SC2034 # check conditions are often eval strings, expanded when checked
# End-to-end test: the real program, as a user meets it.
#
# Starts its own X server (Xvfb), a small window manager (openbox: the clock window is dragged by
# the window manager's own move, and "always on top" is a window-manager state), a tray host
# (trayer) and the real kerani from a fresh application folder holding only what ships beside the
# program. It then acts with xdotool (mouse and keyboard) and checks window geometry, stacking,
# screenshots compared pixel by pixel, and the files on disk.
#
# Usage: e2e.sh <folder of the built program, with the shipped data beside it>
# Prints one line per check and a closing "N passed, M failed"; exits non-zero when a check fails.
# Set KERANI_E2E_KEEP=1 to keep the work folder (screenshots, logs) after a passing run too.

set -u
set -o pipefail

readonly SCREEN_W=1024 SCREEN_H=768
readonly COLUMN=78 # width of one clock column in pixels

passed=0
failed=0
started_ms=$(($(date +%s%N) / 1000000))
work=""
declare -a started_pids=() # every process this script started, in start order
kerani_pid=""

say() { printf '%s\n' "$*"; }
pass() {
    passed=$((passed + 1))
    say "PASS: $1"
}
fail() {
    failed=$((failed + 1))
    say "FAIL: $1"
}
# check <description> <command...>: one line for one condition.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
# A failure after which the rest cannot run: counted, then the script ends (cleanup runs).
fatal() {
    fail "$1"
    exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_for <milliseconds> <command...>: polls the command until it succeeds or the time is up.
wait_for() {
    local limit=$1
    shift
    local end=$(($(now_ms) + limit))
    while true; do
        "$@" && return 0
        (($(now_ms) >= end)) && return 1
        sleep 0.1
    done
}

alive() { # a started process that has not ended (a zombie has ended)
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) } # the state follows the command name in brackets
    [[ -n $stat && ${stat:0:1} != Z ]]
}

stop_process() {
    local pid=$1
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    local i
    for i in $(seq 1 20); do
        alive "$pid" || break
        sleep 0.1
    done
    alive "$pid" && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    local i
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        stop_process "${started_pids[i]}"
    done
    if ((failed > 0)) && [[ -n $work && -d $work ]]; then
        say "Logs and screenshots kept in $work"
        local log
        for log in "$work"/logs/*.log; do
            [[ -s $log ]] || continue
            say "--- $(basename "$log") (last lines)"
            tail -n 15 "$log"
        done
    elif [[ -n $work && -d $work && -z ${KERANI_E2E_KEEP:-} ]]; then
        rm -rf "$work"
    fi
    say "Took $((($(now_ms) - started_ms) / 1000)) s"
    say "$passed passed, $failed failed"
    if ((failed > 0)); then exit 1; fi
    exit "$status"
}
trap cleanup EXIT
trap 'fail "interrupted"; exit 1' INT TERM

# ---- what the test needs ---------------------------------------------------------------------

app_source=${1:-}
if [[ -z $app_source || ! -x $app_source/kerani ]]; then
    fatal "usage: e2e.sh <folder holding the built kerani and its data> (got '${app_source}')"
fi
app_source=$(cd "$app_source" && pwd)

missing=()
for tool in Xvfb openbox trayer xdotool xclip xwininfo xprop xdpyinfo xlogo import convert compare identify; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]} > 0)); then
    fatal "missing programs: ${missing[*]} (scripts/install-deps.sh installs them)"
fi
for data in Kerani.bak Cities.bak flags clocks; do
    [[ -e $app_source/$data ]] || fatal "the program folder $app_source has no $data"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kerani-e2e.XXXXXX") || fatal "cannot make a work folder"
mkdir -p "$work/logs" "$work/shots" "$work/home/runtime" "$work/app"
chmod 700 "$work/home/runtime"

# Everything this script starts sees only its own X server, home and runtime folder; no session
# bus (the tray icon must go through the X tray), no accessibility bridge, no scaling.
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_STYLE_OVERRIDE \
    QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP SESSION_MANAGER
export HOME="$work/home"
export XDG_RUNTIME_DIR="$work/home/runtime"
export XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache"
export XDG_DATA_HOME="$work/home/data"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0
export QT_QPA_PLATFORM=xcb
export TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8

# ---- X server, window manager, tray ----------------------------------------------------------

display_ready() { xdpyinfo -display "$1" >/dev/null 2>&1; }

start_x_server() {
    local n
    for n in $(seq 90 160); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset \
            >"$work/logs/xvfb.log" 2>&1 &
        local pid=$!
        started_pids+=("$pid")
        # Another program may take the same number at the same moment: then Xvfb ends, try on.
        local end=$(($(now_ms) + 10000))
        while alive "$pid" && (($(now_ms) < end)); do
            if display_ready ":$n"; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        stop_process "$pid"
    done
    return 1
}
start_x_server || fatal "could not start Xvfb on any display from :90 to :160"

cat >"$work/openbox-rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <margins><top>0</top><bottom>0</bottom><left>0</left><right>0</right></margins>
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
</openbox_config>
EOF
openbox --sm-disable --config-file "$work/openbox-rc.xml" >"$work/logs/openbox.log" 2>&1 &
started_pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10000 wm_running || fatal "openbox did not start"

trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --SetPartialStrut false --transparent false >"$work/logs/trayer.log" 2>&1 &
started_pids+=($!)

tray_panel=""
find_tray_panel() {
    local id
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
    [[ -n $id ]] || return 1
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || return 1
    tray_panel=$id
}
wait_for 10000 find_tray_panel || fatal "trayer did not show its panel"

# ---- looking at windows and pixels ---------------------------------------------------------

# geometry <window>: sets gx gy gw gh to the window's place on the screen and its size.
geometry() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    gx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    gy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    gw=$(awk '/^ *Width:/ {print $2}' <<<"$info")
    gh=$(awk '/^ *Height:/ {print $2}' <<<"$info")
    [[ -n $gx && -n $gy && -n $gw && -n $gh ]]
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null; }
above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | awk '{print $3}'; }

# The viewable windows of a process whose title matches a pattern (an extended regex).
windows_named() {
    local pid=$1 pattern=$2 id
    for id in $(xdotool search --all --pid "$pid" --name "$pattern" 2>/dev/null); do
        viewable "$id" && printf '0x%x\n' "$id"
    done
}

# find_clock_window <pid>: sets clock_win to the program's one clock window (title "Kerani",
# a utility window); fails when there is not exactly one.
clock_win=""
find_clock_window() {
    local id found=()
    for id in $(windows_named "$1" '^Kerani$'); do
        window_type "$id" | grep -q _NET_WM_WINDOW_TYPE_UTILITY && found+=("$id")
    done
    ((${#found[@]} == 1)) || return 1
    clock_win=${found[0]}
}

# find_message_box <pid>: a dialog captioned "Kerani".
message_box=""
find_message_box() {
    local id
    for id in $(windows_named "$1" '^Kerani$'); do
        if window_type "$id" | grep -q _NET_WM_WINDOW_TYPE_DIALOG; then
            message_box=$id
            return 0
        fi
    done
    return 1
}

# find_dialog <pid> <title>: sets dialog_win.
dialog_win=""
find_dialog() {
    local id
    id=$(windows_named "$1" "^$2\$" | head -n 1)
    [[ -n $id ]] || return 1
    dialog_win=$id
}
no_dialog() { [[ -z $(windows_named "$1" "^$2\$") ]]; }

# Override-redirect windows of the process on the screen (menus and tooltips), topmost first.
popups_of() {
    local pid=$1 id info
    for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Override Redirect State: yes' <<<"$info" || continue
        grep -q 'Map State: IsViewable' <<<"$info" || continue
        [[ $(window_pid "$id") == "$pid" ]] || continue
        echo "$id"
    done
}
popup_win=""
find_menu() { # a viewable popup of the process that is not a tooltip
    local id
    for id in $(popups_of "$1"); do
        window_type "$id" | grep -q TOOLTIP && continue
        popup_win=$id
        return 0
    done
    return 1
}
no_menu() { ! find_menu "$1"; }
tooltip_win=""
find_tooltip() {
    local id
    for id in $(popups_of "$1"); do
        if window_type "$id" | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP; then
            tooltip_win=$id
            return 0
        fi
    done
    return 1
}
no_tooltip() { ! find_tooltip "$1"; }

# find_tray_icon <pid>: sets tray_icon to the program's window docked inside trayer's panel.
tray_icon=""
find_tray_icon() {
    local id
    tray_icon=""
    for id in $(xwininfo -id "$tray_panel" -tree 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        [[ $(window_pid "$id") == "$1" ]] || continue
        viewable "$id" || continue
        tray_icon=$id
        return 0
    done
    return 1
}
no_tray_icon() { ! find_tray_icon "$1"; }

shot_count=0
# shot <name>: a screenshot of the whole screen; sets shot_file.
shot() {
    shot_count=$((shot_count + 1))
    shot_file=$(printf '%s/shots/%02d-%s.png' "$work" "$shot_count" "$1")
    import -silent -window root "$shot_file" 2>>"$work/logs/import.log"
}
# crop <image> <w> <h> <x> <y> <out>
crop() { convert "$1" -crop "${2}x${3}+${4}+${5}" +repage "$6"; }
# differing_pixels <a> <b>: how many pixels differ (compare prints it on stderr).
differing_pixels() {
    local out
    out=$(compare -metric AE "$1" "$2" null: 2>&1)
    awk '{printf "%d\n", $1}' <<<"$out"
}
same_image() { [[ $(differing_pixels "$1" "$2") == 0 ]]; }
# pixel <image> <x> <y>: "r g b", each 0 to 255.
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]' info:
}
# colour_near "r g b" "r g b" <tolerance>
colour_near() {
    local -a a b
    local i d
    read -ra a <<<"$1"
    read -ra b <<<"$2"
    for i in 0 1 2; do
        d=$((a[i] - b[i]))
        ((d < 0)) && d=$((-d))
        ((d <= $3)) || return 1
    done
}
# colour number (0x00BBGGRR, as the settings file keeps it) to "r g b"
colour_of_number() { echo "$(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255))"; }

# text_rows <image>: the vertical ranges "top bottom" of the items of a menu image: rows holding
# pixels other than the menu's background, inside its frame, in bands taller than a separator line.
text_rows() {
    local h bg
    h=$(identify -format %h "$1")
    bg=$(pixel "$1" 3 3)
    convert "$1" -shave 3x3 -fuzz 6% -fill black -opaque "rgb(${bg// /,})" -fill white +opaque black \
        -colorspace gray -scale "1x$((h - 6))!" -depth 8 txt:- |
        awk 'NR > 1 { split($1, at, /[,:]/); split($2, v, /[(),]/); print at[2] + 3, v[2] }' |
        awk '{ if ($2 > 0) { if (!inside) { top = $1; inside = 1 } bottom = $1 }
               else if (inside) { if (bottom - top >= 4) print top, bottom; inside = 0 } }
             END { if (inside && bottom - top >= 4) print top, bottom }'
}

ini_value() { # ini_value <file> <key>: the first value of the key (no section awareness needed)
    grep -a -m1 -i "^$2=" "$1" | cut -d= -f2- | tr -d '\r'
}

mouse_away() { xdotool mousemove 5 $((SCREEN_H - 5)); }

activate() { # activate <window>: asks the window manager to give it the focus, as a click would
    xdotool windowactivate "$1" 2>/dev/null
    wait_for 3000 is_active "$1"
}
is_active() { [[ $(printf '0x%x' "$(xdotool getactivewindow 2>/dev/null || echo 0)") == "$1" ]]; }

answer_message_box() { # Enter on the box captioned "Kerani", then wait until it is gone
    wait_for 10000 find_message_box "$1" || return 1
    activate "$message_box" || return 1
    xdotool key Return
    wait_for 5000 gone "$message_box"
}
gone() { ! viewable "$1"; }

start_kerani() {
    "$work/app/kerani" >>"$work/logs/kerani.log" 2>&1 &
    kerani_pid=$!
    started_pids+=("$kerani_pid")
}

# open_menu_item <pid> <item number from 1>: clicks the item of the open main menu.
open_menu_item() {
    wait_for 5000 find_menu "$1" || return 1
    local menu=$popup_win
    geometry "$menu" || return 1
    local mx=$gx my=$gy mw=$gw mh=$gh
    shot menu
    crop "$shot_file" "$mw" "$mh" "$mx" "$my" "$work/shots/menu-items.png"
    local rows
    mapfile -t rows < <(text_rows "$work/shots/menu-items.png")
    ((${#rows[@]} == 6)) || return 1
    local -a row
    read -ra row <<<"${rows[$2 - 1]}"
    xdotool mousemove $((mx + mw / 3)) $((my + (row[0] + row[1]) / 2))
    sleep 0.2
    xdotool click 1
    wait_for 3000 gone "$menu"
}

# Clock window places, from the window's top-left corner.
time_label_crop() { # time_label_crop <image> <column> <out>: inside of the column's time label
    crop "$1" 74 13 $((wx + $2 * COLUMN + 2)) $((wy + 96)) "$3"
}
face_crop() { crop "$1" 74 74 $((wx + $2 * COLUMN + 2)) $((wy + 2)) "$3"; }

# expect_clock_window <what> <columns>: the one clock window, at the top centre, that wide.
expect_clock_window() {
    if ! wait_for 20000 find_clock_window "$kerani_pid"; then
        fail "$1: the clock window shows"
        return 1
    fi
    wait_for 3000 geometry "$clock_win"
    local width=$(($2 * COLUMN))
    # The window manager may map the window a moment before it settles.
    wait_for 3000 at_top_centre "$width"
    geometry "$clock_win"
    wx=$gx wy=$gy ww=$gw wh=$gh
    check "$1: clock window ${ww}x${wh} at ($wx,$wy); expected width $width at ($(((SCREEN_W - width) / 2)),0)" \
        at_top_centre "$width"
}
at_top_centre() {
    geometry "$clock_win" && ((gw == $1 && gy == 0 && gx == (SCREEN_W - $1) / 2))
}

open_from_menu_by_tray() { # <item>
    find_tray_icon "$kerani_pid" || return 1
    geometry "$tray_icon" || return 1
    xdotool mousemove $((gx + gw / 2)) $((gy + gh / 2))
    sleep 0.2
    xdotool click 3
    open_menu_item "$kerani_pid" "$1"
}
open_from_menu_by_window() { # <item>: a right click on the first city name
    find_clock_window "$kerani_pid" || return 1
    geometry "$clock_win" || return 1
    xdotool mousemove $((gx + 20)) $((gy + 86))
    sleep 0.2
    xdotool click 3
    open_menu_item "$kerani_pid" "$1"
}
press_tab() { # press_tab <count> [shift]
    local i key=Tab
    [[ ${2:-} == shift ]] && key=shift+Tab
    for ((i = 0; i < $1; i++)); do xdotool key "$key"; done
}
# Options dialog by keyboard. Opened fresh, the focus is on its first control, "Hide SysTray Icon";
# Tab goes down the left column ("Time Format" is the fourth stop), then on through the local
# city and the clock picture to the background kinds, the choosers that the chosen kind enables,
# Save and Close, and round to the first control. The background kinds are reached backwards from
# the first control, so that other controls added in between do not matter.
choosers_of_kind=(0 1 1 2 2) # None, Picture, Solid Color, Gradient/One Color, Gradient/Two Colors
to_background_kinds() { # to_background_kinds <kind chosen now>: from the first control
    press_tab $((2 + ${choosers_of_kind[$1]} + 1)) shift # Close, Save, the choosers, a kind
}
# choose_background <kind 0..4>: the focus is on any background button. Up to the first kind,
# then down to the wanted one, then Space chooses it.
choose_background() {
    xdotool key Up Up Up Up
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key space
}

# ======================================================================================
say "Display $DISPLAY, work folder $work"

# ---- 1. first start in an empty application folder --------------------------------------------
cp -R "$app_source/." "$work/app/" || fatal "cannot copy the program folder"
rm -f "$work/app/Kerani.ini" "$work/app/Cities.txt" "$work/app/Temp.txt"
clock_count=$((10#$(ini_value "$work/app/Kerani.bak" Clocks)))
((clock_count > 0)) || fatal "Kerani.bak names no clocks"

mouse_away
start_kerani
first_pid=$kerani_pid
expect_clock_window "start-up" "$clock_count" || fatal "no clock window after start-up"
check "start-up: Kerani.ini restored byte for byte from Kerani.bak" \
    cmp -s "$work/app/Kerani.ini" "$work/app/Kerani.bak"
check "start-up: Cities.txt restored byte for byte from Cities.bak" \
    cmp -s "$work/app/Cities.txt" "$work/app/Cities.bak"
check "start-up: the clock window's title is \"Kerani\"" \
    eval 'xprop -id "$clock_win" WM_NAME | grep -q "= \"Kerani\"$"'
check "start-up: the clock window's class names the program" \
    eval 'xprop -id "$clock_win" WM_CLASS | grep -qi "\"kerani\""'
undecorated() { # Motif hints: the decorations field is valid and asks for none
    local -a hints
    read -ra hints < <(xprop -id "$1" _MOTIF_WM_HINTS 2>/dev/null | sed 's/.*= //' | tr -d ',')
    ((${#hints[@]} >= 3 && (hints[0] & 2) && hints[2] == 0))
}
check "start-up: the clock window asks for no border or title bar" undecorated "$clock_win"
# Kerani.bak shows every row: the face row with the city names (1440 twips), then the time, the
# date and the opposite date (240 twips each), 15 twips to the pixel.
expected_height=$(((1440 + 3 * 240) / 15))
check "start-up: window height $wh is $expected_height (face, city, time, date, opposite date)" \
    test "$wh" -eq "$expected_height"

# Every column ticks: the time row changes from one second to the next.
shot ticking-a
crop "$shot_file" "$ww" 13 "$wx" $((wy + 96)) "$work/shots/time-row-a.png"
time_row_changes() {
    shot ticking-b
    crop "$shot_file" "$ww" 13 "$wx" $((wy + 96)) "$work/shots/time-row-b.png"
    ! same_image "$work/shots/time-row-a.png" "$work/shots/time-row-b.png"
}
check "start-up: the time row ticks (differs after a second)" wait_for 3000 time_row_changes

if wait_for 15000 find_tray_icon "$kerani_pid"; then
    geometry "$tray_icon"
    pass "start-up: a tray icon docked in trayer (${gw}x${gh} at $gx,$gy)"
    icon_x=$gx icon_y=$gy icon_w=$gw icon_h=$gh
    shot tray
    crop "$shot_file" "$icon_w" "$icon_h" "$icon_x" "$icon_y" "$work/shots/tray-icon.png"
    colours=$(identify -format '%k' "$work/shots/tray-icon.png")
    check "start-up: the tray icon shows a picture ($colours colours, not a blank square)" \
        test "$colours" -ge 3

    # Hovering over the icon shows its tooltip: a tooltip window of the program next to the icon,
    # with one line of text as wide as "Kerani v3.0" drawn in the same font and size.
    xdotool mousemove $((icon_x + icon_w / 2)) $((icon_y + icon_h / 2))
    sleep 0.2
    xdotool mousemove $((icon_x + icon_w / 2 - 1)) $((icon_y + icon_h / 2 - 1))
    if wait_for 5000 find_tooltip "$kerani_pid"; then
        geometry "$tooltip_win"
        tip_x=$gx tip_y=$gy tip_w=$gw tip_h=$gh
        shot tooltip
        crop "$shot_file" "$tip_w" "$tip_h" "$tip_x" "$tip_y" "$work/shots/tooltip.png"
        ink=$(convert "$work/shots/tooltip.png" -shave 2x2 -colorspace gray -threshold 60% -format '%@' info:)
        ink_w=${ink%%x*}
        ink_h=${ink#*x}
        ink_h=${ink_h%%+*}
        ref=$(convert -background white -fill black -font DejaVu-Sans -pointsize 9 -density 96 \
            label:"Kerani v3.0" -threshold 60% -format '%@' info: 2>/dev/null)
        ref_w=${ref%%x*}
        near() { local d=$(($1 - $2)); ((d >= -$3 && d <= $3)); }
        check "start-up: hovering the tray icon shows a tooltip whose text is ${ink_w} px wide, as \"Kerani v3.0\" (${ref_w} px)" \
            eval 'near "$ink_w" "$ref_w" 3 && ((ink_h >= 7 && ink_h <= 14))'
    else
        fail "start-up: hovering the tray icon shows a tooltip"
    fi
    mouse_away
    wait_for 5000 no_tooltip "$kerani_pid"
else
    fail "start-up: a tray icon docked in trayer"
fi

# ---- 2. a second start -------------------------------------------------------------------------
mouse_away
wait_for 3000 no_tooltip "$kerani_pid"
shot before-second
crop "$shot_file" "$ww" 15 "$wx" $((wy + 79)) "$work/shots/city-row-before.png"
first_geometry="$wx $wy $ww $wh"
second_start=$(now_ms)
timeout 20 "$work/app/kerani" >>"$work/logs/kerani-second.log" 2>&1
second_status=$?
second_ms=$(($(now_ms) - second_start))
check "second start: the second process ends by itself with status 0 (status $second_status after $second_ms ms)" \
    eval '((second_status == 0 && second_ms < 10000))'
check "second start: the first instance still runs" alive "$first_pid"
check "second start: still exactly one clock window" find_clock_window "$kerani_pid"
geometry "$clock_win"
check "second start: the clock window keeps its place and size ($first_geometry)" \
    test "$gx $gy $gw $gh" = "$first_geometry"
shot after-second
crop "$shot_file" "$ww" 15 "$wx" $((wy + 79)) "$work/shots/city-row-after.png"
check "second start: the city row looks the same, pixel for pixel" \
    same_image "$work/shots/city-row-before.png" "$work/shots/city-row-after.png"
icons_of_program() {
    local n=0 id
    for id in $(xwininfo -id "$tray_panel" -tree 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        viewable "$id" && [[ -n $(window_pid "$id") ]] && [[ $(xprop -id "$id" WM_CLASS 2>/dev/null) == *kerani* ]] && n=$((n + 1))
    done
    echo "$n"
}
check "second start: still one tray icon" test "$(icons_of_program)" -eq 1

# ---- 2b. the clocks as text while the window is up ---------------------------------------------
# kerani --print runs beside the instance, without a display, writes nothing, and prints one line
# per clock: name, time, date, opposite date, zone. Every time and date is checked against the
# time-zone database (date with TZ=) at some second of the run.
print_out="$work/logs/print.out"
cp "$work/app/Kerani.ini" "$work/kerani-before-print.ini"
files_before=$(ls -A "$work/app")
print_from=$(date +%s)
env -u DISPLAY -u QT_QPA_PLATFORM timeout 20 "$work/app/kerani" --print >"$print_out" 2>"$work/logs/print.log"
print_status=$?
print_to=$(date +%s)
check "print: kerani --print without a display ends with status 0 while the window runs (status $print_status)" \
    test "$print_status" -eq 0
check "print: one line per clock ($(wc -l <"$print_out") lines for $clock_count clocks)" \
    test "$(wc -l <"$print_out")" -eq "$clock_count"
clock_names() { grep -a '^Country/City=' "$work/app/Kerani.ini" | tr -d '\r' | cut -d= -f2- | sed -E 's/.{15}$//'; }
check "print: the clocks' names, in the window's order" \
    eval 'diff <(cut -f1 "$print_out") <(clock_names) >/dev/null'
printed_as_zone_shows() { # every line's time and date are its zone's at a second of the run
    local name time day opposite zone t found
    while IFS=$'\t' read -r name time day opposite zone; do
        [[ -n $zone ]] || return 1
        found=""
        for ((t = print_from; t <= print_to; t++)); do
            [[ "$time $day" == "$(TZ=$zone date -d "@$t" '+%I:%M:%S %p %d/%m/%Y')" ]] && found=1
        done
        [[ -n $found ]] || return 1
    done <"$print_out"
}
check "print: each clock's time and date are its zone's ($(head -n 1 "$print_out" | tr '\t' '|'))" \
    printed_as_zone_shows
check "print: Kerani.ini unchanged and no file added" \
    eval 'cmp -s "$work/app/Kerani.ini" "$work/kerani-before-print.ini" && [[ $(ls -A "$work/app") == "$files_before" ]]'
check "print: the first instance still runs" alive "$first_pid"
"$work/app/kerani" --print --at yesterday >"$work/logs/print-bad.out" 2>"$work/logs/print-bad.log"
bad_status=$?
check "print: a bad --at ends with status 2 ($bad_status), a message and no clocks" \
    eval '((bad_status == 2)) && grep -q -- "--at" "$work/logs/print-bad.log" && [[ ! -s $work/logs/print-bad.out ]]'

# ---- 3. menu, dragging, Exit ---------------------------------------------------------------
# A right click at ($1, $2) opens the menu with its 6 items; Escape closes it. $3 names the place.
check_menu_at() {
    local x="$1" y="$2" place="$3" name="${3// /-}"
    xdotool mousemove "$x" "$y"
    sleep 0.2
    xdotool click 3
    if ! wait_for 5000 find_menu "$kerani_pid"; then
        fail "menu: a right click on $place opens a popup menu"
        return
    fi
    geometry "$popup_win"
    shot "$name-menu"
    crop "$shot_file" "$gw" "$gh" "$gx" "$gy" "$work/shots/$name-menu.png"
    local items menu_popup=$popup_win
    items=$(text_rows "$work/shots/$name-menu.png" | wc -l)
    check "menu: a right click on $place opens a popup menu with 6 items (found $items)" \
        test "$items" -eq 6
    xdotool key Escape
    check "menu: Escape closes the menu opened on $place" wait_for 3000 gone "$menu_popup"
}

if find_tray_icon "$kerani_pid"; then
    geometry "$tray_icon"
    check_menu_at $((gx + gw / 2)) $((gy + gh / 2)) "the tray icon"
else
    fail "menu: a right click on the tray icon opens a popup menu (no tray icon)"
fi

find_clock_window "$kerani_pid"
geometry "$clock_win"
wx=$gx wy=$gy
# The flag of the second column: at the right end of its city name.
check_menu_at $((wx + COLUMN + 67)) $((wy + 86)) "a flag"

# A left drag on a date label moves the whole window by the drag distance.
drag_dx=90 drag_dy=120
start_x=$((wx + 39)) start_y=$((wy + 118))
xdotool mousemove "$start_x" "$start_y"
sleep 0.2
xdotool mousedown 1
sleep 0.3
steps=6
for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((start_x + drag_dx * i / steps)) $((start_y + drag_dy * i / steps))
    sleep 0.1
done
sleep 0.3
xdotool mouseup 1
moved_by_drag() { geometry "$clock_win" && ((gx == wx + drag_dx && gy == wy + drag_dy)); }
wait_for 3000 moved_by_drag
geometry "$clock_win"
check "drag: a left drag on a date label by ($drag_dx,$drag_dy) moves the window from ($wx,$wy) to ($gx,$gy)" \
    eval '((gx == wx + drag_dx && gy == wy + drag_dy))'
dragged_x=$gx dragged_y=$gy
place_kept() {
    [[ $(ini_value "$work/app/Kerani.ini" Screens_1) == "0,0,$SCREEN_W,$SCREEN_H" &&
        $(ini_value "$work/app/Kerani.ini" Place_1) == "$dragged_x,$dragged_y" ]]
}
check "keep position: Kerani.ini keeps the dragged place ($dragged_x,$dragged_y) for this screen" \
    wait_for 5000 place_kept
mouse_away

# ---- 3b. looking ahead with the wheel, and the clocks copied ------------------------------------
# Two wheel notches over the first face move every clock half an hour ahead: the time row takes
# its look-ahead colour and Ctrl+C copies the clocks at that time, one line each; Escape is now.
time_row_is() { # time_row_is "r g b": the first time cell's background, left of its text
    shot time-row && colour_near "$(pixel "$shot_file" $((dragged_x + 3)) $((dragged_y + 100)))" "$1" 8
}
xdotool mousemove $((dragged_x + 39)) $((dragged_y + 39))
sleep 0.2
ahead_from=$(date +%s)
xdotool click --repeat 2 --delay 100 4
check "look ahead: two wheel notches give the time row its look-ahead colour" \
    wait_for 3000 time_row_is "255 208 160"
activate "$clock_win"
xdotool key ctrl+c
sleep 0.5
copied="$work/logs/copied.txt"
xclip -o -selection clipboard >"$copied" 2>>"$work/logs/xclip.log"
ahead_to=$(date +%s)
copied_half_an_hour_ahead() { # as many lines as clocks; the first is its zone's time + 30 min
    local zone name time found="" t
    zone=$(head -n 1 "$print_out" | cut -f5)
    IFS=$'\t' read -r name _ <"$print_out"
    [[ $(grep -c '' "$copied") -eq $clock_count && $(head -n 1 "$copied") == "$name  "* ]] || return 1
    time=$(head -n 1 "$copied" | awk -F '  ' '{print $2}')
    for ((t = ahead_from - 1; t <= ahead_to; t++)); do
        [[ $time == "$(TZ=$zone date -d "@$((t + 1800))" '+%I:%M:%S %p')" ]] && found=1
    done
    [[ -n $found ]]
}
check "copy: Ctrl+C puts a line per clock on the clipboard, half an hour ahead ($(head -n 1 "$copied"))" \
    copied_half_an_hour_ahead
xdotool key Escape
check "look ahead: Escape brings the clocks back to now" wait_for 3000 time_row_is "255 255 192"
mouse_away

if open_from_menu_by_tray 6; then
    if wait_for 10000 eval '! alive "$kerani_pid"'; then
        wait "$kerani_pid"
        exit_status=$?
        check "exit: \"Exit\" in the menu ends the program with status 0 (status $exit_status)" \
            test "$exit_status" -eq 0
    else
        fail "exit: \"Exit\" in the menu ends the program"
    fi
    check "exit: the tray icon goes away" wait_for 5000 no_tray_icon "$kerani_pid"
else
    fail "exit: clicking \"Exit\" in the tray menu"
fi

# Started again, the program finds its files and puts the window where it was dragged.
cp "$work/app/Kerani.ini" "$work/kerani-before-restart.ini"
start_kerani
at_dragged_place() { geometry "$clock_win" && ((gx == dragged_x && gy == dragged_y)); }
wait_for 20000 find_clock_window "$kerani_pid" || fatal "no clock window after the restart"
check "restart: the clock window is back at the dragged place ($dragged_x,$dragged_y)" \
    wait_for 3000 at_dragged_place
check "restart: the tray icon is back" wait_for 15000 find_tray_icon "$kerani_pid"
check "restart: Kerani.ini is left as it was" cmp -s "$work/app/Kerani.ini" "$work/kerani-before-restart.ini"

# Alt+F4 on the focused clock window: the window manager asks it to close; it stays the same window.
closed_win=$clock_win
activate "$clock_win"
xdotool key alt+F4
check "close: Alt+F4 hides the clock window" wait_for 3000 gone "$closed_win"
check "close: after Alt+F4 the program still runs" alive "$kerani_pid"
# It comes back with the next tick (the menu also brings it back: the application test checks
# that without the tick), as the same window at its place; the tray menu then opens as before.
check "close: the same clock window comes back at its place" \
    eval 'wait_for 3000 viewable "$closed_win" && find_clock_window "$kerani_pid" &&
          [[ $clock_win == "$closed_win" ]] && at_dragged_place'
tray_menu_opens() {
    find_tray_icon "$kerani_pid" && geometry "$tray_icon" || return 1
    xdotool mousemove $((gx + gw / 2)) $((gy + gh / 2))
    sleep 0.2
    xdotool click 3
    wait_for 3000 find_menu "$kerani_pid" || return 1
    local menu=$popup_win
    xdotool key Escape
    wait_for 3000 gone "$menu"
}
check "close: the tray menu still opens" tray_menu_opens
# The menu from the keyboard, on the focused clock window, at the window.
menu_by_key() { # menu_by_key <key>
    activate "$clock_win" || return 1
    xdotool key "$1"
    wait_for 3000 find_menu "$kerani_pid" || return 1
    local menu=$popup_win
    geometry "$menu"
    xdotool key Escape
    wait_for 3000 gone "$menu" && ((gx >= dragged_x && gx <= dragged_x + 5 && gy >= dragged_y && gy <= dragged_y + 5))
}
check "keyboard: Shift+F10 on the clock window opens the menu at the window" menu_by_key shift+F10
check "keyboard: the Menu key opens it too" menu_by_key Menu

# Keep Window Position cleared and saved: the window goes back to the top centre.
mouse_away
if open_from_menu_by_tray 4 && wait_for 10000 find_dialog "$kerani_pid" 'Options'; then
    options=$dialog_win
    activate "$options"
    press_tab 11 # "Hide SysTray Icon" -> ... -> "Follow Daylight Saving Time" -> "Keep Window Position"
    xdotool key space
    press_tab 13 shift # back to the first control, Close, Save
    xdotool key space
    answer_message_box "$kerani_pid"
    expect_clock_window "keep position off: the window rebuilt after Save" "$clock_count"
    check "keep position off: Kerani.ini holds Keep_Position=0" \
        eval '[[ $(ini_value "$work/app/Kerani.ini" Keep_Position) == 0 ]]'
    activate "$options"
    xdotool key Tab space # Save -> Close
    wait_for 5000 no_dialog "$kerani_pid" 'Options'
else
    fail "keep position off: \"Options...\" from the tray menu opens the dialog"
fi

# ---- 4. a new city and two new clocks, through the dialogs ---------------------------------------
mouse_away
if open_from_menu_by_tray 2 && wait_for 10000 find_dialog "$kerani_pid" 'Add Country/City'; then
    city_editor=$dialog_win
    activate "$city_editor"
    # The focus starts in the name field. The flag list is opened with Alt+Down and searched by
    # typing, as a user picks a flag from it; picking a flag sends the focus back to the name.
    xdotool type --delay 40 "Testville"
    xdotool key Tab
    xdotool type --delay 40 "+05:45"
    xdotool key Tab
    sleep 0.2
    xdotool key alt+Down
    sleep 0.5
    xdotool type --delay 40 "NPL"
    sleep 0.3
    xdotool key Return
    sleep 0.5
    press_tab 5 # name, zone, flag, From File, New -> Save
    xdotool key space
    saved_city() { grep -a -q $'^Testville!+05:45!NPL\.bmp\r$' "$work/app/Cities.txt"; }
    check "city editor: Save writes the line \"Testville!+05:45!NPL.bmp\" with CR LF to Cities.txt" \
        wait_for 5000 saved_city
    place=$(grep -a -n -B1 -A1 '^Testville!' "$work/app/Cities.txt" | cut -c1-60 | tr '\r\n' '  ')
    before=$(grep -a -B1 '^Testville!' "$work/app/Cities.txt" | head -n 1)
    after=$(grep -a -A1 '^Testville!' "$work/app/Cities.txt" | tail -n 1)
    check "city editor: the new city stands after the last city beginning with T ($place)" \
        eval '[[ ${before:0:1} < "U" && ${after:0:1} > "T" ]]'
    check "city editor: Cities.txt keeps every other line" \
        eval 'diff <(grep -a -v "^Testville!" "$work/app/Cities.txt") "$work/app/Cities.bak" >/dev/null'
    # Ctrl+F, part of a name without its accent: the list shows only "Åland Islands", so Down
    # goes to it (the whole list would go to "Abidjan"), and Enter picks it into the fields. A new
    # zone saved shows that the name and the flag were filled too.
    xdotool key ctrl+f
    xdotool type --delay 40 "ALAND"
    sleep 0.3
    xdotool key Down Return Tab # -> the zone field
    xdotool type --delay 40 "+03:00"
    press_tab 4 # zone, flag, From File, New -> Save
    xdotool key space
    saved_aland() { grep -a -q $'^\xc3\x85land Islands!+03:00!ALA\.bmp\r$' "$work/app/Cities.txt"; }
    check "city editor: typing \"ALAND\" in the search, Down and Enter pick \"Åland Islands\" (saved at +03:00)" \
        wait_for 5000 saved_aland
    sleep 0.3
    press_tab 7 # after Save the focus is in the name field again: ... -> Close
    xdotool key space
    check "city editor: Close closes the dialog" wait_for 5000 no_dialog "$kerani_pid" 'Add Country/City'
else
    fail "city editor: \"Add Country/City...\" from the tray menu opens the dialog"
fi

add_clock() { # add_clock <part of one city's name>: in the clock list editor, the focus on its city list
    xdotool type --delay 40 "$1"
    # The cities whose names hold the text open under the field: here exactly one.
    local rows=0
    if wait_for 3000 find_menu "$kerani_pid"; then
        geometry "$popup_win"
        shot "matches-$1"
        crop "$shot_file" "$gw" "$gh" "$gx" "$gy" "$work/shots/matches-$1.png"
        rows=$(text_rows "$work/shots/matches-$1.png" | wc -l)
    fi
    check "clock list editor: typing \"$1\" shows one matching city under the field (found $rows)" \
        test "$rows" -eq 1
    xdotool key Down Return # the match chosen
    sleep 0.3
    xdotool key Tab space # -> Add To List
    sleep 0.3
    press_tab 5 # list, up, down, Remove From List -> Save List
    xdotool key space
    answer_message_box "$kerani_pid"
}
if open_from_menu_by_tray 1 && wait_for 10000 find_dialog "$kerani_pid" 'New Clock'; then
    clock_editor=$dialog_win
    activate "$clock_editor"
    if add_clock estvil; then
        pass "clock list editor: \"Save List\" shows \"Clocks list are saved!\", answered with Enter"
    else
        fail "clock list editor: \"Save List\" shows a message box"
    fi
    expect_clock_window "clock list editor: one more column for Testville" $((clock_count + 1))
    check "clock list editor: Kerani.ini holds Clocks=$(printf '%02d' $((clock_count + 1))) and the Testville clock" \
        eval '[[ $(ini_value "$work/app/Kerani.ini" Clocks) == $(printf "%02d" $((clock_count + 1))) ]] &&
              grep -a -q $'"'"'^Country/City=Testville!+05:45!NPL\.bmp\r$'"'"' "$work/app/Kerani.ini"'
    # Kathmandu, shipped at +05:45 too, goes beside it: its time is the reference for Testville's.
    activate "$clock_editor"
    press_tab 6 shift # Save List -> Remove, Down, Up, list, Add To List -> city list
    add_clock KATHM
    expect_clock_window "clock list editor: one more column for Kathmandu" $((clock_count + 2))
    activate "$clock_editor"
    xdotool key Tab space # Save List -> Close
    check "clock list editor: Close closes the dialog" wait_for 5000 no_dialog "$kerani_pid" 'New Clock'
else
    fail "clock list editor: \"New Clock...\" from the tray menu opens the dialog"
fi
columns=$((clock_count + 2))
testville_column=$clock_count kathmandu_column=$((clock_count + 1))

# ---- 5. options ----------------------------------------------------------------------------
save_options() { # save_options <tabs from the focus to Save>: Save, then the message box
    press_tab "$1"
    xdotool key space
    answer_message_box "$kerani_pid"
}

# Round one: "24Hour" and a solid background.
mouse_away
if open_from_menu_by_tray 4 && wait_for 10000 find_dialog "$kerani_pid" 'Options'; then
    options=$dialog_win
    activate "$options"
    press_tab 4 # -> Time Format
    xdotool key Home Down # "24Hour"
    press_tab 4 shift # back to the first control
    # The local city, found by part of its name: back over Close, Save, the gradient's choosers,
    # the kinds and the clock picture, and forward again to the first control.
    local_city_tabs=$((2 + choosers_of_kind[4] + 3))
    press_tab "$local_city_tabs" shift
    xdotool type --delay 40 "eykjav"
    sleep 0.3
    xdotool key Down Return
    press_tab "$local_city_tabs"
    to_background_kinds 4 # Kerani.bak's background is the two-colour gradient
    choose_background 2 # "Solid Color"
    check "options: Save shows \"Options are saved !\", answered with Enter" \
        save_options $((choosers_of_kind[2] + 1))
    expect_clock_window "options (24Hour, solid): the rebuilt window" "$columns"
    check "options: the local city found by typing \"eykjav\" is saved: Kerani.ini holds Local=Reykjavik!+00:00!ISL.bmp" \
        eval '[[ $(ini_value "$work/app/Kerani.ini" Local) == "Reykjavik!+00:00!ISL.bmp" ]]'
    check "options: Kerani.ini holds TimeFormat=1 and BackGround=sld" \
        eval '[[ $(ini_value "$work/app/Kerani.ini" TimeFormat) == 1 && $(ini_value "$work/app/Kerani.ini" BackGround) == sld ]]'
    solid=$(colour_of_number "$(ini_value "$work/app/Kerani.ini" Solid)")
    sleep 1.2 # the first tick fills the labels
    shot solid
    strip_ok=1
    for ((c = 0; c < columns; c++)); do
        for spot in "2 1" "74 1" "2 76" "74 76"; do
            read -r sx sy <<<"$spot"
            got=$(pixel "$shot_file" $((wx + c * COLUMN + sx)) $((wy + sy)))
            colour_near "$got" "$solid" 2 || strip_ok=0
        done
    done
    check "options: the clock strip is the solid colour $solid at every face's corners" test "$strip_ok" -eq 1

    # Testville's time: the same text as Kathmandu's, drawn pixel for pixel alike, and not Dubai's.
    same_time_as_kathmandu() {
        shot times
        time_label_crop "$shot_file" "$testville_column" "$work/shots/time-testville.png"
        time_label_crop "$shot_file" "$kathmandu_column" "$work/shots/time-kathmandu.png"
        time_label_crop "$shot_file" 0 "$work/shots/time-first.png"
        same_image "$work/shots/time-testville.png" "$work/shots/time-kathmandu.png" &&
            ! same_image "$work/shots/time-testville.png" "$work/shots/time-first.png"
    }
    check "time: Testville (+05:45, typed in the city editor) shows Kathmandu's time and not the first column's" \
        wait_for 2500 same_time_as_kathmandu
    same_face_as_kathmandu() {
        shot faces
        face_crop "$shot_file" "$testville_column" "$work/shots/face-testville.png"
        face_crop "$shot_file" "$kathmandu_column" "$work/shots/face-kathmandu.png"
        face_crop "$shot_file" 0 "$work/shots/face-first.png"
        same_image "$work/shots/face-testville.png" "$work/shots/face-kathmandu.png" &&
            ! same_image "$work/shots/face-testville.png" "$work/shots/face-first.png"
    }
    check "time: Testville's hands stand as Kathmandu's and not as the first column's" \
        wait_for 2500 same_face_as_kathmandu
    # "hh:mm" has no seconds: the time row stays the same over a second (unless a minute turns).
    time_row_still() {
        shot still-a
        crop "$shot_file" "$ww" 13 "$wx" $((wy + 96)) "$work/shots/hhmm-a.png"
        sleep 1.2
        shot still-b
        crop "$shot_file" "$ww" 13 "$wx" $((wy + 96)) "$work/shots/hhmm-b.png"
        same_image "$work/shots/hhmm-a.png" "$work/shots/hhmm-b.png"
    }
    check "options: with \"24Hour\" the time row shows no ticking seconds" wait_for 4000 time_row_still

    # Round two, the dialog still open: hide the tray icon, "Long 24Hour", two-colour gradient.
    activate "$options" # the focus is back on Save
    press_tab 2 # Save -> Close -> "Hide SysTray Icon"
    xdotool key space
    press_tab 4
    xdotool key End # "Long 24Hour"
    press_tab 4 shift
    to_background_kinds 2
    choose_background 4 # "Gradient/Two Colors"
    check "options: the second Save shows the message box again" \
        save_options $((choosers_of_kind[4] + 1))
    expect_clock_window "options (hidden tray icon, Long 24Hour, gradient): the rebuilt window" "$columns"
    check "options: the tray icon is gone" wait_for 5000 no_tray_icon "$kerani_pid"
    check "options: Kerani.ini holds Hide_SysTray_Icon=1, TimeFormat=3, BackGround=grt2" \
        eval '[[ $(ini_value "$work/app/Kerani.ini" Hide_SysTray_Icon) == 1 &&
                 $(ini_value "$work/app/Kerani.ini" TimeFormat) == 3 &&
                 $(ini_value "$work/app/Kerani.ini" BackGround) == grt2 ]]'
    sleep 1.2
    seconds_tick() {
        shot long-a
        time_label_crop "$shot_file" 0 "$work/shots/long-a.png"
        sleep 1.1
        shot long-b
        time_label_crop "$shot_file" 0 "$work/shots/long-b.png"
        ! same_image "$work/shots/long-a.png" "$work/shots/long-b.png"
    }
    check "options: with \"Long 24Hour\" the time label ticks every second" wait_for 4000 seconds_tick
    time_label_crop "$shot_file" "$testville_column" "$work/shots/long-testville.png"
    check "options: the time label looks different from the \"24Hour\" one" \
        eval '! same_image "$work/shots/long-testville.png" "$work/shots/time-testville.png"'

    top=$(colour_of_number "$(ini_value "$work/app/Kerani.ini" TwoColors1)")
    bottom=$(colour_of_number "$(ini_value "$work/app/Kerani.ini" TwoColors2)")
    gradient_ok=1 detail=""
    for y in 0 77; do
        first=$(pixel "$shot_file" $((wx + 2)) $((wy + y)))
        for ((c = 0; c < columns; c++)); do
            for x in 2 74; do
                got=$(pixel "$shot_file" $((wx + c * COLUMN + x)) $((wy + y)))
                [[ $got == "$first" ]] || { gradient_ok=0; detail+=" row $y differs at column $c"; }
            done
        done
    done
    top_got=$(pixel "$shot_file" $((wx + 2)) "$wy")
    bottom_got=$(pixel "$shot_file" $((wx + 2)) $((wy + 77)))
    check "options: the strip's top row is one colour ($top_got, near $top) and its bottom row another ($bottom_got, near $bottom)$detail" \
        eval '((gradient_ok)) && colour_near "$top_got" "$top" 8 && colour_near "$bottom_got" "$bottom" 8'
    mid_got=$(pixel "$shot_file" $((wx + 2)) $((wy + 8)))
    between() { # each channel of $2 lies between those of $1 and $3
        local -a a m b
        local i lo hi
        read -ra a <<<"$1"
        read -ra m <<<"$2"
        read -ra b <<<"$3"
        for i in 0 1 2; do
            lo=$((a[i] < b[i] ? a[i] : b[i])) hi=$((a[i] > b[i] ? a[i] : b[i]))
            ((m[i] >= lo && m[i] <= hi)) || return 1
        done
    }
    check "options: a row between them has a colour in between ($mid_got)" \
        eval 'between "$top_got" "$mid_got" "$bottom_got" && [[ $mid_got != "$top_got" ]]'

    # Round three: "Clocks Always On Top", then Close.
    activate "$options"
    press_tab 3 # Save -> Close -> "Hide SysTray Icon" -> "Clocks Always On Top"
    xdotool key space
    press_tab 3 shift # -> Hide, Close, Save
    xdotool key space
    answer_message_box "$kerani_pid"
    expect_clock_window "options (always on top): the rebuilt window" "$columns"
    check "options: Kerani.ini holds Always_On_Top=1" \
        eval '[[ $(ini_value "$work/app/Kerani.ini" Always_On_Top) == 1 ]]'
    sleep 1.5
    check "on top: while the options dialog is open the clock window is not kept above others" \
        eval '! above "$clock_win"'
    activate "$options"
    xdotool key Tab space # Save -> Close
    wait_for 5000 no_dialog "$kerani_pid" 'Options'
    closed_at=$(now_ms)
    if wait_for 3000 above "$clock_win"; then
        pass "on top: after Close the clock window is above others again ($(($(now_ms) - closed_at)) ms)"
    else
        fail "on top: after Close the clock window is above others again"
    fi
else
    fail "options: \"Options...\" from the tray menu opens the dialog"
fi

# ---- 6. always on top, against other windows and the dialogs ----------------------------------
stacking() { # the window manager's stacking list, bottom first, one window a line as 0x...
    local id
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' ' '); do
        printf '0x%x\n' "$id"
    done
}
stack_position() { # the window's place in the stacking list (bottom is 0), -1 when not in it
    local want position=0 id
    want=$(printf '0x%x' "$1")
    for id in $(stacking); do
        [[ $id == "$want" ]] && { echo "$position"; return 0; }
        position=$((position + 1))
    done
    echo -1
}
above_all_but_docks() { # no window but docks (the tray) is stacked over the window
    local seen=0 id
    for id in $(stacking); do
        if ((seen)); then
            window_type "$id" | grep -q _NET_WM_WINDOW_TYPE_DOCK || return 1
        fi
        [[ $id == "$(printf '0x%x' "$1")" ]] && seen=1
    done
    ((seen))
}
# other_window_stays_below <what>: another program's window laid over the clocks' city row and
# reaching below them, then activated: the clocks stay over it, while its part below them shows.
find_xlogo() {
    local id
    for id in $(xdotool search --class '^xlogo$' 2>/dev/null); do
        id=$(printf '0x%x' "$id")
        viewable "$id" || continue
        xlogo_win=$id
        return 0
    done
    return 1
}
other_window_stays_below() {
    find_clock_window "$kerani_pid" || { fail "$1: the clock window shows"; return; }
    geometry "$clock_win"
    wx=$gx wy=$gy ww=$gw wh=$gh
    mouse_away
    shot cover-before
    crop "$shot_file" "$ww" 15 "$wx" $((wy + 79)) "$work/shots/cover-before.png"
    xlogo -geometry "300x200+$((wx + 40))+$((wy + 60))" >>"$work/logs/xlogo.log" 2>&1 &
    xlogo_pid=$!
    started_pids+=("$xlogo_pid")
    xlogo_win=""
    if ! wait_for 10000 find_xlogo; then
        fail "$1: another program's window (xlogo) shows"
        stop_process "$xlogo_pid"
        return
    fi
    activate "$xlogo_win"
    sleep 1.2
    geometry "$xlogo_win"
    overlaps=$((gy < wy + 94 && gy + gh > wy + 79 && gx < wx + ww && gx + gw > wx))
    shot cover-after
    crop "$shot_file" "$ww" 15 "$wx" $((wy + 79)) "$work/shots/cover-after.png"
    crop "$shot_file" 100 20 $((gx + gw / 2 - 50)) $((gy + gh - 30)) "$work/shots/cover-below.png"
    below=$(convert "$work/shots/cover-below.png" -colorspace gray -format '%[fx:round(100*mean)]' info:)
    check "$1: the other program's window shows below the clocks (brightness $below% where the screen is black)" \
        eval '((overlaps && gy + gh > wy + wh + 30 && below > 20))'
    check "$1: ... and does not cover the clocks' city row" \
        same_image "$work/shots/cover-before.png" "$work/shots/cover-after.png"
    check "$1: the clock window is above the other program's window in the stacking order" \
        eval '(( $(stack_position "$clock_win") > $(stack_position "$xlogo_win") ))'
    stop_process "$xlogo_pid"
}
other_window_stays_below "on top"

# A dialog opened while the clocks are on top is above them, and the clocks never cover it.
if open_from_menu_by_window 4 && wait_for 10000 find_dialog "$kerani_pid" 'Options'; then
    options=$dialog_win
    activate "$options"
    check "on top: with the options dialog open the clock window leaves the top band within a second" \
        wait_for 2500 eval '! above "$clock_win"'
    check "on top: the dialog is above the clock window in the stacking order" \
        eval '(( $(stack_position "$options") > $(stack_position "$clock_win") ))'
    geometry "$options"
    shot dialog-alone
    crop "$shot_file" "$gw" "$gh" "$gx" "$gy" "$work/shots/dialog-alone.png"
    dialog_w=$gw dialog_h=$gh
    # Moved over the clocks, as a user drags it there by its title bar.
    xdotool windowmove "$options" $((wx + 100)) $((wy + 40))
    moved() { geometry "$options" && ((gy < wy + wh && gy > wy)); }
    if wait_for 3000 moved; then
        geometry "$options"
        never_covered=1
        for sample in 1 2; do
            sleep 1.1 # ticks of the clock window come and go
            shot dialog-over-clocks
            crop "$shot_file" "$dialog_w" "$dialog_h" "$gx" "$gy" "$work/shots/dialog-over-$sample.png"
            same_image "$work/shots/dialog-alone.png" "$work/shots/dialog-over-$sample.png" || never_covered=0
        done
        check "on top: the dialog moved over the clocks stays whole over two seconds of ticks" \
            test "$never_covered" -eq 1
    else
        fail "on top: the dialog moves over the clock window"
    fi
    activate "$options"
    press_tab 1 shift # "Hide SysTray Icon" -> Close
    xdotool key space
    check "on top: Close closes the dialog" wait_for 5000 no_dialog "$kerani_pid" 'Options'
    closed_at=$(now_ms)
    if wait_for 3000 above "$clock_win"; then
        pass "on top: after Close the clock window is above others again ($(($(now_ms) - closed_at)) ms)"
    else
        fail "on top: after Close the clock window is above others again"
    fi
    check "on top: no window but the tray is stacked over the clock window" above_all_but_docks "$clock_win"
else
    fail "on top: \"Options...\" from the clock window's menu opens the dialog"
fi

# ---- the end: Exit from the clock window's menu, and a start with "always on top" saved -------
exit_by_window_menu() { # exit_by_window_menu <what>
    mouse_away
    if ! open_from_menu_by_window 6; then
        fail "$1: a right click on the clock window opens the menu with Exit"
        return
    fi
    if wait_for 10000 eval '! alive "$kerani_pid"'; then
        wait "$kerani_pid"
        exit_status=$?
        check "$1: \"Exit\" from the clock window's menu ends the program with status 0 (status $exit_status)" \
            test "$exit_status" -eq 0
    else
        fail "$1: \"Exit\" from the clock window's menu ends the program"
    fi
}
exit_by_window_menu "exit"

start_kerani
# The place kept before stays in Kerani.ini, and the option being off, it is not used.
if expect_clock_window "start with always on top saved, Keep Window Position off" "$columns"; then
    check "start with Keep Window Position off: Kerani.ini still holds the kept place" place_kept
    started_at=$(now_ms)
    if wait_for 3000 above "$clock_win"; then
        pass "start with always on top saved: the clock window is above others ($(($(now_ms) - started_at)) ms after it showed)"
    else
        fail "start with always on top saved: the clock window is above others"
    fi
    other_window_stays_below "start with always on top saved"
    exit_by_window_menu "start with always on top saved"
fi
