#!/usr/bin/env bash
# The installed program as a Wayland client: it shows its clock window, and a drag on a clock face
# moves it by the compositor's system move. Weston runs on its X11 backend in Xvfb with pixman (no
# GPU, photographed from X, real pointer input from xdotool).   wayland_smoke.sh <build folder>
set -euo pipefail
# shellcheck source=tests/install/lib.sh
. "$(dirname "$0")/lib.sh"
build="$(cd "$1" && pwd)"
need Xvfb weston xdotool convert import
[ -f "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so" ] || fail "qt6-wayland is missing"
new_workdir wayland
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" XDG_CACHE_HOME="$tmp/cache"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR" && unset WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_DATA_HOME
cmake --install "$build" --component kerani --prefix "$tmp/usr" >/dev/null

start_xvfb 1280x800x24
printf '[shell]\npanel-position=none\n' >"$tmp/weston.ini" # nothing on the desktop changes by itself
weston --config="$tmp/weston.ini" --backend=x11-backend.so --use-pixman --width=1024 --height=700 \
    --socket=kerani-smoke --idle-time=0 >"$tmp/weston.log" 2>&1 &
pids+=($!)
wait_for 15 test -S "$XDG_RUNTIME_DIR/kerani-smoke" && sleep 2 || fail "Weston did not start: $(tail -5 "$tmp/weston.log")"
# Weston's X11 backend takes an absolute pointer position only as the pointer enters its window.
point_at() { xdotool mousemove 1200 760 sleep 0.2 mousemove "$1" "$2" sleep 0.2; }
shot() { import -window root -crop 1024x700+0+0 +repage "$tmp/$1.png"; }
box() { # <shot>: "w h x y" of where it differs from the empty desktop, the pointer's spot dropped
    convert "$tmp/desktop.png" "$tmp/$1.png" -compose difference -composite -threshold 0 \
        -morphology Open Square:12 -format '%@\n' info: | tr 'x+' '  '
}
point_at 1000 680
shot desktop

QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kerani-smoke env -u DISPLAY "$tmp/usr/bin/kerani" >"$tmp/kerani.log" 2>&1 &
pids+=($!)
shown() { shot shown && read -r w h x y < <(box shown) && [ "$w" -ge 200 ] && [ "$h" -ge 80 ]; }
wait_for 20 shown || fail "no clock window appeared: $(cat "$tmp/kerani.log")"
sleep 1 && shown
step "window ${w}x$h at $x,$y; drag its first clock face toward the middle"
dx=$(((x + w / 2) < 512 ? 150 : -150)) dy=$(((y + h / 2) < 350 ? 120 : -120))
point_at $((x + 39)) $((y + 39)) && xdotool mousedown 1 sleep 0.3
for i in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove $((x + 39 + dx * i / 10)) $((y + 39 + dy * i / 10)) sleep 0.05; done
xdotool mouseup 1 sleep 0.3 && point_at 1000 680
moved() { shot moved && read -r w2 h2 x2 y2 < <(box moved) && [ "$x2 $y2 $w2 $h2" = "$((x + dx)) $((y + dy)) $w $h" ]; }
wait_for 5 moved || fail "after a drag by $dx,$dy the window is at $x2,$y2 (${w2}x$h2), was $x,$y (${w}x$h)"
echo "wayland smoke test passed"
