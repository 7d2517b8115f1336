#!/usr/bin/env bash
# Screenshots of the menu, every dialog and the message boxes in each language, to be looked at
# for captions that are clipped, untranslated or laid out the wrong way round.
#
# Each language runs the real program on a private Xvfb with a window manager (openbox, which
# draws the title bars) and without a tray host, so the menu opens with a right click on the
# clock window; the dialogs are opened from it with the keyboard, as a user would. The message
# boxes: the options dialog's Save (through its mnemonic, typed in the language's own letter), and
# the warning at start when the user's files cannot be made.
#
# Usage: dialogshots.sh <folder of the built program> <output folder>
# Narrow the languages with LOCALES (default "ar_SA de_DE en_US"); FONT_POINTS sets the desktop
# font (default 9). Writes <locale>-<what>.png: menu, helpmenu, newclock, addcity, options,
# saved, about, cannotsave. Needs Xvfb, openbox, xdotool, x11-utils and imagemagick; the
# locales are made with localedef when they are missing (as root).
set -euo pipefail

app_source=${1:?usage: dialogshots.sh <program folder> <output folder>}
out=${2:?usage: dialogshots.sh <program folder> <output folder>}
locales=${LOCALES:-ar_SA de_DE en_US}
points=${FONT_POINTS:-9}

# shellcheck source=bench/shots-lib.sh
. "$(dirname "$0")/shots-lib.sh"
start_xvfb 170 1280x800
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
printf '[General]\nfont=Sans Serif,%s,-1,5,50,0,0,0,0,0\n' "$points" >"$work/config/kdeglobals"

# run <locale> <app folder> [VAR=value...]: starts the program in that language; sets `pid`.
run() {
    local locale=$1 folder=$2
    shift 2
    env -i PATH="$PATH" HOME="$work" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$work/runtime" \
        XDG_CONFIG_HOME="$work/config" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 \
        LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8" TZ=UTC NO_AT_BRIDGE=1 "$@" \
        "$folder/kerani" >>"$work/$locale.log" 2>&1 &
    pid=$!
    pids+=("$pid")
}

# window_of <pid> <name pattern>: the visible window of the program with that title.
window_of() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$1" --name "$2" 2>/dev/null | tail -n 1) && [[ -n $id ]] &&
            { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# newest_window: the program's visible window made last (the dialog or message box just opened).
newest_window() {
    sleep 0.8
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort -n | tail -n 1
}

# shot <name> [window]: the whole screen, or the window with its frame and a margin.
shot() {
    sleep 0.8
    if [[ -z ${2:-} ]]; then
        import -silent -window root "$out/$1.png"
    else
        local x y w h
        window_box "$2"
        # The title bar lies above the client area that xwininfo measures.
        local top=$((y > 40 ? 40 : y)) left=$((x > 12 ? 12 : x))
        import -silent -window root -crop "$((w + 2 * left))x$((h + top + 12))+$((x - left))+$((y - top))" \
            +repage "$out/$1.png"
    fi
    echo "$out/$1.png"
}

# menu <keys...>: opens the menu with a right click on a clock face and types the keys.
menu() {
    xdotool mousemove --window "$clock" 38 38 click 3
    sleep 0.5
    [[ $# -eq 0 ]] || xdotool key --delay 120 "$@"
}

for locale in $locales; do
    app="$work/app-$locale"
    cp -R "$app_source/." "$app/"
    rm -f "$app/Kerani.ini" "$app/Cities.txt" "$app/Temp.txt"
    cp "$app/Kerani.bak" "$app/Kerani.ini"
    cp "$app/Cities.bak" "$app/Cities.txt"
    sed -i 's/^Hide_SysTray_Icon=.*/Hide_SysTray_Icon=1/' "$app/Kerani.ini"

    run "$locale" "$app"
    clock=$(window_of "$pid" '^Kerani$') || { cat "$work/$locale.log" >&2; exit 1; }
    sleep 1

    # A submenu opens towards the end of the line: to the left in a right-to-left language.
    open_submenu=Right
    [[ $locale != ar_* ]] || open_submenu=Left
    menu
    shot "$locale-menu"
    xdotool key Down Down Down Down Down "$open_submenu"
    shot "$locale-helpmenu"
    xdotool key Escape Escape Escape

    for dialog in "newclock 1" "addcity 2" "options 4"; do
        name=${dialog% *}
        downs=()
        for _ in $(seq "${dialog#* }"); do downs+=(Down); done
        menu "${downs[@]}" Return
        shot "$locale-$name" "$(newest_window)"
        if [[ $name == options ]]; then
            # Save through its mnemonic, in the language's own letter.
            case $locale in
                ar_*) xdotool key alt+Arabic_hah ;;
                de_*) xdotool key alt+s ;;
                *) xdotool key alt+s ;;
            esac
            sleep 0.5
            shot "$locale-saved" "$(newest_window)"
            xdotool key Return
            sleep 0.5
            xdotool key Escape
            # The Save built a new clock window.
            sleep 1
            clock=$(window_of "$pid" '^Kerani$')
        else
            xdotool key Escape
        fi
        sleep 0.5
    done

    menu Down Down Down Down Down "$open_submenu" Down Return
    shot "$locale-about" "$(newest_window)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true

    # Per user, with a file where the user's config folder should be: the warning at start.
    echo "in the way" >"$work/blocked-config"
    run "$locale" "$app" KERANI_MODE=user XDG_DATA_HOME="$work/data-$locale" XDG_CONFIG_HOME="$work/blocked-config"
    sleep 2.5
    shot "$locale-cannotsave" "$(newest_window)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
