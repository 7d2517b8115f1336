#!/usr/bin/env bash
# shellcheck disable=SC2016,SC2015,SC2034 # checks are often eval strings, expanded when checked
# End-to-end test: the real program on its own X server (Xvfb) with a window manager (openbox: the
# window is dragged by its move, "always on top" is its state) and a tray host (trayer), driven
# with xdotool and checked by window geometry, stacking, screenshots, the clipboard and its files.
# Only what needs all of these is here; the widget and model tests check the rest. Usage:
# e2e.sh <program folder with the shipped data>; KERANI_KEEP_TMP=1 keeps the work folder.
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/install/lib.sh
. "$here/../install/lib.sh"
[[ -x ${1:-}/kerani ]] || fail "usage: e2e.sh <folder holding the built kerani and its data>"
need Xvfb openbox trayer xdotool xclip xwininfo xprop xlogo import convert compare
app_source=$1
new_workdir e2e
start_xvfb 1024x768x24
# Checks decide, not exit codes; and a reader that stops early (grep -q, awk exit, head) must not
# fail its pipeline when the writer then gets SIGPIPE.
set +e +o pipefail

readonly SCREEN_W=1024 SCREEN_H=768 COLUMN=78 # COLUMN: one clock column in pixels
passed=0 failed=0
pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
fatal() { fail "$1"; exit 1; }
finish() {
    ((failed == 0)) || { KERANI_KEEP_TMP=1; tail -n 15 "$tmp"/*.log; }
    cleanup
    echo "$passed passed, $failed failed"
    exit $((failed > 0))
}
trap finish EXIT
mkdir -p "$tmp/home/runtime" "$tmp/app" && chmod 700 "$tmp/home/runtime"
cp -R "$app_source/." "$tmp/app/" || fatal "cannot copy the program folder"
rm -f "$tmp/app/Kerani.ini" "$tmp/app/Cities.txt" "$tmp/app/Temp.txt"

# Only its own X server and home; no session bus (the tray icon goes through the X tray), no
# accessibility bridge, no scaling, UTC.
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_STYLE_OVERRIDE \
    QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP SESSION_MANAGER
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/home/runtime" XDG_CONFIG_HOME="$tmp/home/config" \
    XDG_CACHE_HOME="$tmp/home/cache" XDG_DATA_HOME="$tmp/home/data" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/no-bus" NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0 \
    QT_QPA_PLATFORM=xcb TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8

printf '%s\n' '<openbox_config xmlns="http://openbox.org/3.4/rc"><focus><focusNew>yes</focusNew></focus>' \
    '<keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard></openbox_config>' >"$tmp/rc.xml"
openbox --sm-disable --config-file "$tmp/rc.xml" >"$tmp/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fatal "openbox did not start"
trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --SetPartialStrut false --transparent false >"$tmp/trayer.log" 2>&1 &
pids+=($!)
find_tray_panel() { tray_panel=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}') && [[ -n $tray_panel ]] && viewable "$tray_panel"; }

# ---- windows ---------------------------------------------------------------------------------
geometry() { # geometry <window>: sets gx gy gw gh
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    read -r gx gy gw gh < <(awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}' <<<"$info")
    [[ -n $gh ]]
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
gone() { ! viewable "$1"; }
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null; }
window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | awk '{print $3}'; }
above() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
windows_named() { # windows_named <title regex>: the program's viewable windows with that title
    local id
    for id in $(xdotool search --all --pid "$kerani_pid" --name "$1" 2>/dev/null); do
        viewable "$id" && printf '0x%x\n' "$id"
    done
}
first_of_type() { # first_of_type <title regex> <type>: sets win
    for win in $(windows_named "$1"); do window_type "$win" | grep -q "_NET_WM_WINDOW_TYPE_$2" && return 0; done
    return 1
}
find_clock_window() { first_of_type '^Kerani$' UTILITY && clock_win=$win; }
find_dialog() { win=$(windows_named "^$1\$" | head -n 1); [[ -n $win ]]; }
find_menu() { # a viewable override-redirect window of the program that is not a tooltip
    local id info
    for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Override Redirect State: yes' <<<"$info" && grep -q 'IsViewable' <<<"$info" || continue
        [[ $(window_pid "$id") == "$kerani_pid" ]] && ! window_type "$id" | grep -q TOOLTIP || continue
        menu_win=$id
        return 0
    done
    return 1
}
find_tray_icon() { # the program's window docked in trayer's panel
    for tray_icon in $(xwininfo -id "$tray_panel" -tree 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        [[ $(window_pid "$tray_icon") == "$kerani_pid" ]] && viewable "$tray_icon" && return 0
    done
    return 1
}
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' ' '; } # bottom first
stack_position() { # the window's place in the stacking list
    local id n=0
    for id in $(stacking); do n=$((n + 1)); ((id == $1)) && break; done
    echo "$n"
}
above_all_but_docks() { # no window but the tray's is stacked over the window
    local id seen=0
    for id in $(stacking); do
        ((seen)) && { window_type "$id" | grep -q DOCK || return 1; }
        (((id) == ($1))) && seen=1
    done
    ((seen))
}
activate() { xdotool windowactivate "$1" 2>/dev/null; wait_for 3 is_active "$1"; }
is_active() { (($(xdotool getactivewindow 2>/dev/null || echo 0) == $1)); }
mouse_away() { xdotool mousemove 5 $((SCREEN_H - 5)); }
press_tab() { local i; for ((i = 0; i < $1; i++)); do xdotool key "${2:-}Tab"; done; }
ini_value() { grep -a -m1 -i "^$1=" "$tmp/app/Kerani.ini" | cut -d= -f2- | tr -d '\r'; }

# ---- pixels ------------------------------------------------------------------------------------
shot() { # shot <name>: the screen; sets shot_file
    shot_file="$tmp/$1.png"
    import -silent -window root "$shot_file" 2>>"$tmp/import.log"
}
crop() { convert "$1" -crop "${2}x${3}+${4}+${5}" +repage "$6"; }
same_image() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
city_row() { shot "$1" && crop "$shot_file" "$ww" 15 "$wx" $((wy + 79)) "$tmp/row-$1.png"; } # ($1 a name)
# menu_rows <image>: "top bottom" of each item of a menu picture: bands of rows holding pixels
# other than the background inside the frame, taller than a separator.
menu_rows() {
    local h bg
    h=$(identify -format %h "$1")
    bg=$(convert "$1" -crop 1x1+3+3 -depth 8 -format '%[pixel:p{0,0}]' info:)
    convert "$1" -shave 3x3 -fuzz 6% -fill black -opaque "$bg" -fill white +opaque black \
        -colorspace gray -scale "1x$((h - 6))!" -depth 8 txt:- |
        awk 'NR > 1 { split($1, at, /[,:]/); split($2, v, /[(),]/); print at[2] + 3, v[2] }' |
        awk '{ if ($2 > 0) { if (!inside) top = $1; inside = 1; bottom = $1 }
               else if (inside) { if (bottom - top >= 4) print top, bottom; inside = 0 } }'
}

# ---- the program -------------------------------------------------------------------------------
start_kerani() {
    "$tmp/app/kerani" >>"$tmp/kerani.log" 2>&1 &
    kerani_pid=$!
    pids+=("$kerani_pid")
}
expect_window() { # expect_window <what> <x> <y> <columns>: the one clock window there, that wide
    wait_for 20 find_clock_window || { fail "$1: the clock window shows"; return 1; }
    wait_for 3 at "$2" "$3" "$4"
    geometry "$clock_win" && wx=$gx wy=$gy ww=$gw wh=$gh
    check "$1: clock window ${ww}x$wh at ($wx,$wy), expected width $(($4 * COLUMN)) at ($2,$3)" at "$2" "$3" "$4"
}
at() { geometry "$clock_win" && ((gx == $1 && gy == $2 && gw == $3 * COLUMN)); }
open_menu() { # open_menu tray|window: a right click there; sets menu_win, menu_at and items
    if [[ $1 == tray ]]; then find_tray_icon && geometry "$tray_icon" && gx=$((gx + gw / 2)) gy=$((gy + gh / 2)) || return 1
    else find_clock_window && geometry "$clock_win" && gx=$((gx + COLUMN + 67)) gy=$((gy + 86)) || return 1; fi # a flag
    xdotool mousemove "$gx" "$gy" sleep 0.2 click 3
    wait_for 5 find_menu && geometry "$menu_win" || return 1
    menu_at=("$gx" "$gy" "$gw")
    shot menu && crop "$shot_file" "$gw" "$gh" "$gx" "$gy" "$tmp/menu.png"
    mapfile -t items < <(menu_rows "$tmp/menu.png")
}
choose() { # choose tray|window <item from 1>: clicks the item of the menu opened there
    open_menu "$1" && ((${#items[@]} == 6)) || return 1
    local -a row
    read -ra row <<<"${items[$2 - 1]}"
    xdotool mousemove $((menu_at[0] + menu_at[2] / 3)) $((menu_at[1] + (row[0] + row[1]) / 2)) sleep 0.2 click 1
    wait_for 3 gone "$menu_win"
}
open_dialog() { # open_dialog tray|window <item> <title>: sets dialog and activates it
    mouse_away
    choose "$1" "$2" && wait_for 10 find_dialog "$3" && dialog=$win && activate "$dialog"
}
answer_message_box() { # Enter on the box captioned "Kerani"
    wait_for 10 first_of_type '^Kerani$' DIALOG && activate "$win" && xdotool key Return && wait_for 5 gone "$win"
}
exit_by() { # exit_by tray|window: "Exit" ends the program with status 0
    mouse_away
    choose "$1" 6 && wait_for 10 eval '! kill -0 "$kerani_pid" 2>/dev/null || [[ $(ps -o stat= "$kerani_pid") == Z* ]]' || return 1
    wait "$kerani_pid"
}
# others_stay_below <what>: another program's window laid over the clocks and activated stays
# under them: stacked below, the city row unchanged.
others_stay_below() {
    mouse_away
    city_row cover-before
    xlogo -geometry "300x200+$((wx + 40))+$((wy + 60))" >>"$tmp/xlogo.log" 2>&1 &
    local xlogo_pid=$! other
    pids+=("$xlogo_pid")
    wait_for 10 eval 'other=$(xdotool search --onlyvisible --class "^xlogo$" | head -n 1); [[ -n $other ]]' &&
        activate "$(printf '0x%x' "$other")"
    sleep 1.2
    city_row cover-after
    check "$1: another program's window, activated over the clocks, is stacked below them" \
        eval '[[ -n $other ]] && (($(stack_position "$clock_win") > $(stack_position "$other")))'
    check "$1: ... and the city row shows unchanged" same_image "$tmp/row-cover-before.png" "$tmp/row-cover-after.png"
    stop "$xlogo_pid"
}
copy_times() { # copy_times <file>: Ctrl+C on the clock window, the clipboard into the file
    activate "$clock_win" && xdotool key ctrl+c && sleep 0.5 && xclip -o -selection clipboard >"$tmp/$1"
}
# moved_by <before> <after> <from seconds> <to seconds>: every line's time (the second field,
# "hh:mm:ss AM") lies that far ahead of the same line before, give or take the seconds between.
moved_by() {
    paste -d '\t' <(awk -F '  ' '{print $2}' "$tmp/$1") <(awk -F '  ' '{print $2}' "$tmp/$2") | {
        local a b d n=0
        while IFS=$'\t' read -r a b; do
            d=$((($(date -u -d "1970-01-01 $b" +%s) - $(date -u -d "1970-01-01 $a" +%s) + 86400) % 86400))
            ((d >= $3 && d <= $4)) || return 1
            n=$((n + 1))
        done
        ((n == clock_count))
    }
}

# ======================================================================================
wait_for 10 find_tray_panel || fatal "trayer did not show its panel"
clock_count=$((10#$(grep -a -m1 '^Clocks=' "$tmp/app/Kerani.bak" | tr -dc 0-9)))
top_centre=$(((SCREEN_W - clock_count * COLUMN) / 2))
mouse_away
start_kerani
first_pid=$kerani_pid
expect_window "start-up" "$top_centre" 0 "$clock_count" || fatal "no clock window after start-up"
check "start-up: Kerani.ini and Cities.txt restored byte for byte from Kerani.bak and Cities.bak" \
    eval 'cmp -s "$tmp/app/Kerani.ini" "$tmp/app/Kerani.bak" && cmp -s "$tmp/app/Cities.txt" "$tmp/app/Cities.bak"'
check "start-up: a tray icon docked in trayer" wait_for 15 find_tray_icon

# ---- a second start ----------------------------------------------------------------------------
city_row second-before
timeout 20 "$tmp/app/kerani" >>"$tmp/kerani-second.log" 2>&1
second_status=$?
check "second start: the second process ends by itself with status 0 (status $second_status)" test "$second_status" -eq 0
check "second start: the first instance runs on with one clock window at its place" \
    eval 'kill -0 "$first_pid" && find_clock_window && at "$wx" "$wy" "$clock_count"'
city_row second-after
check "second start: the city row looks the same" same_image "$tmp/row-second-before.png" "$tmp/row-second-after.png"

# ---- the menu ----------------------------------------------------------------------------------
for place in tray window; do
    check "menu: a right click on the $place opens a menu of 6 items" eval 'open_menu "$place" && ((${#items[@]} == 6))'
    xdotool key Escape
    check "menu: Escape closes the menu opened on the $place" wait_for 3 gone "$menu_win"
done

# ---- a drag on a date label moves the window, and the place is kept ----------------------------
drag_dx=90 drag_dy=120
xdotool mousemove $((wx + 39)) $((wy + 118)) sleep 0.2 mousedown 1 sleep 0.3
for i in 1 2 3 4 5 6; do xdotool mousemove $((wx + 39 + drag_dx * i / 6)) $((wy + 118 + drag_dy * i / 6)) sleep 0.1; done
xdotool sleep 0.3 mouseup 1
place_x=$((wx + drag_dx)) place_y=$((wy + drag_dy))
check "drag: a left drag on a date label by ($drag_dx,$drag_dy) moves the window to ($place_x,$place_y)" \
    wait_for 3 at "$place_x" "$place_y" "$clock_count"
wx=$place_x wy=$place_y
check "drag: Kerani.ini keeps the dragged place for this screen" wait_for 5 eval \
    '[[ $(ini_value Screens_1) == "0,0,$SCREEN_W,$SCREEN_H" && $(ini_value Place_1) == "$place_x,$place_y" ]]'

# ---- the wheel moves every clock by its step; Ctrl+C copies them; Escape is now ----------------
mouse_away
t0=$(date +%s)
copy_times now.txt
xdotool mousemove $((wx + 39)) $((wy + 39)) && sleep 0.2
xdotool click --repeat 2 --delay 100 4
sleep 0.3
copy_times ahead.txt
t1=$(date +%s)
check "wheel: two notches move every clock half an hour ahead on the clipboard ($(head -n 1 "$tmp/ahead.txt"))" \
    moved_by now.txt ahead.txt 1800 $((1800 + t1 - t0 + 1))
xdotool key Escape
copy_times back.txt
check "wheel: Escape brings every clock back to now" moved_by now.txt back.txt 0 $(($(date +%s) - t0 + 1))

# ---- typing in the three city lists ------------------------------------------------------------
if open_dialog tray 2 'Add Country/City'; then
    # Ctrl+F, part of a name without its accent: Down and Enter pick "Åland Islands" into the fields.
    xdotool key ctrl+f && xdotool type --delay 40 ALAND && sleep 0.3
    xdotool key Down Return Tab && xdotool type --delay 40 "+03:00"
    press_tab 4 && xdotool key space # zone, flag, From File, New -> Save
    check "city editor: \"ALAND\" typed in its search picks \"Åland Islands\", saved at +03:00 in Cities.txt" \
        wait_for 5 grep -a -q $'^\xc3\x85land Islands!+03:00!ALA\\.bmp\r$' "$tmp/app/Cities.txt"
    sleep 0.3
    press_tab 7 && xdotool key space # name field -> Close
    check "city editor: Close closes it" wait_for 5 eval '! find_dialog "Add Country/City"'
else
    fail "city editor: \"Add Country/City...\" from the tray menu opens it"
fi
if open_dialog tray 1 'New Clock'; then
    xdotool type --delay 40 KATHM
    rows=0
    if wait_for 3 find_menu && geometry "$menu_win"; then
        shot matches && crop "$shot_file" "$gw" "$gh" "$gx" "$gy" "$tmp/matches.png"
        rows=$(menu_rows "$tmp/matches.png" | wc -l)
    fi
    check "clock list editor: \"KATHM\" typed in its city list shows one matching city under it ($rows)" test "$rows" -eq 1
    xdotool key Escape && activate "$dialog" && xdotool key alt+F4
    check "clock list editor: Alt+F4 closes it" wait_for 5 eval '! find_dialog "New Clock"'
else
    fail "clock list editor: \"New Clock...\" from the tray menu opens it"
fi

# ---- options: local city by typing, always on top; Save rebuilds the window ----------------------
if open_dialog window 4 Options; then
    # The focus starts on "Hide SysTray Icon"; the local city lies 7 stops back (Close, Save, the
    # two colour choosers of Kerani.bak's gradient, three more).
    press_tab 7 shift+ && xdotool type --delay 40 eykjav && sleep 0.3
    xdotool key Down Return && press_tab 7
    xdotool key Tab space # "Clocks Always On Top"
    press_tab 3 shift+ && xdotool key space # -> Hide SysTray Icon, Close, Save
    check "options: Save shows its message box, answered with Enter" answer_message_box
    expect_window "options: the rebuilt window" "$wx" "$wy" "$clock_count"
    check "options: Kerani.ini holds Local=Reykjavik!+00:00!ISL.bmp (typed \"eykjav\") and Always_On_Top=1" \
        eval '[[ $(ini_value Local) == "Reykjavik!+00:00!ISL.bmp" && $(ini_value Always_On_Top) == 1 ]]'
    activate "$dialog"
    sleep 1.5
    check "on top: while the dialog is open the clock window is not kept above, the dialog is over it" \
        eval '! above "$clock_win" && (($(stack_position "$dialog") > $(stack_position "$clock_win")))'
    activate "$dialog" && xdotool key Tab space # Save -> Close
    wait_for 5 eval '! find_dialog Options'
    check "on top: after Close the clock window is above every window but the tray's" \
        wait_for 3 eval 'above "$clock_win" && above_all_but_docks "$clock_win"'
    others_stay_below "on top"
else
    fail "options: \"Options...\" from the clock window's menu opens it"
fi

check "exit: \"Exit\" from the tray menu ends the program with status 0" exit_by tray
check "exit: the tray icon goes away" wait_for 5 eval '! find_tray_icon'

# ---- a restart: the dragged place, always on top --------------------------------------------------
start_kerani
if expect_window "restart: back at the dragged place" "$wx" "$wy" "$clock_count"; then
    check "restart: the clock window is above others" wait_for 3 above "$clock_win"
    others_stay_below "restart"
    check "restart: \"Exit\" from the clock window's menu ends it with status 0" exit_by window
fi
