#!/usr/bin/env bash
# Screenshots of the clock strip as it shows on ordinary desktops, to be looked at: every
# combination of language, desktop font size, light or dark palette and scale, with long dates.
#
# Each shot runs the real program on a private Xvfb without a tray host. The desktop's font and
# palette come from a KDE settings file (kdeglobals), which Qt's own KDE theme reads as it does on
# a Plasma desktop; the scale from QT_SCALE_FACTOR; the language from LANG and LC_ALL (the script
# makes the locales it lacks with localedef when it may).
#
# Usage: stripshots.sh <folder of the built program> <output folder>
# Narrow the set with LOCALES, FONTS, PALETTES and SCALES (space-separated), e.g.
#   LOCALES="de_DE ar_SA" SCALES=1.5 bench/stripshots.sh build/app /tmp/shots
# Writes <locale>-<points>pt-<palette>-x<scale>.png (the window alone) and one contact sheet per
# language, sheet-<locale>.png. Needs Xvfb, xdotool, x11-utils and imagemagick; Japanese needs a
# Japanese font (fonts-ipafont-gothic).
set -euo pipefail

app_source=${1:?usage: stripshots.sh <program folder> <output folder>}
out=${2:?usage: stripshots.sh <program folder> <output folder>}
locales=${LOCALES:-en_US de_DE es_ES ja_JP ar_SA}
fonts=${FONTS:-9 11 14}
palettes=${PALETTES:-light dark}
scales=${SCALES:-1 1.5 2}

# shellcheck source=bench/shots-lib.sh
. "$(dirname "$0")/shots-lib.sh"
start_xvfb 140 1600x900

# An application folder with six clocks, every row on, long dates and the long AM/PM time.
cp -R "$app_source/." "$work/app/" 2>/dev/null || { mkdir -p "$work/app" && cp -R "$app_source/." "$work/app/"; }
rm -f "$work/app/Kerani.ini" "$work/app/Cities.txt"
cp "$work/app/Cities.bak" "$work/app/Cities.txt"
sed -e 's/^DateFormat=.*/DateFormat=3/' -e 's/^OpsDateFormat=.*/OpsDateFormat=3/' \
    -e 's/^TimeFormat=.*/TimeFormat=2/' -e 's/^Hide_SysTray_Icon=.*/Hide_SysTray_Icon=1/' \
    "$work/app/Kerani.bak" >"$work/app/Kerani.ini"

kdeglobals() { # kdeglobals <points> <palette>
    printf '[General]\nfont=Sans Serif,%s,-1,5,50,0,0,0,0,0\n' "$1"
    [[ $2 == dark ]] || return 0
    local group
    for group in Window View Button Tooltip; do
        printf '\n[Colors:%s]\nBackgroundNormal=42,46,50\nForegroundNormal=252,252,252\n' "$group"
    done
    printf '\n[Colors:Selection]\nBackgroundNormal=61,174,233\nForegroundNormal=252,252,252\n'
}

shot() { # shot <locale> <points> <palette> <scale>: a second try when the first gets no window
    attempt "$@" || attempt "$@" || echo "no shot of $1-${2}pt-$3-x$4" >&2
}

attempt() { # attempt <locale> <points> <palette> <scale>
    local name="$1-${2}pt-$3-x$4" config="$work/config-$2-$3"
    mkdir -p "$config" "$work/runtime"
    chmod 700 "$work/runtime"
    kdeglobals "$2" "$3" >"$config/kdeglobals"
    env -i PATH="$PATH" HOME="$work" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$work/runtime" \
        XDG_CONFIG_HOME="$config" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 \
        LANG="$1.UTF-8" LC_ALL="$1.UTF-8" TZ=UTC QT_SCALE_FACTOR="$4" NO_AT_BRIDGE=1 \
        "$work/app/kerani" >"$work/$name.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [[ -n $window ]] && break
        sleep 0.1
    done
    local status=0
    if [[ -z $window ]]; then
        echo "no window for $name:" >&2
        cat "$work/$name.log" >&2
        status=1
    else
        sleep 1.5 # the first tick fills the rows
        local x y w h
        window_box "$window"
        import -silent -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
        echo "$out/$name.png"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return "$status"
}

for locale in $locales; do
    sheet=()
    for points in $fonts; do
        for palette in $palettes; do
            for scale in $scales; do
                shot "$locale" "$points" "$palette" "$scale"
                [[ -f $out/$locale-${points}pt-$palette-x$scale.png ]] &&
                    sheet+=("$out/$locale-${points}pt-$palette-x$scale.png")
            done
        done
    done
    if ((${#sheet[@]} > 0)); then
        montage "${sheet[@]}" -tile "$(wc -w <<<"$scales")x" -geometry +6+6 -background '#808080' \
            "$out/sheet-$locale.png"
    fi
done
