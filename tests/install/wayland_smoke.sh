#!/usr/bin/env bash
# Runs the installed program as a Wayland client: it starts, shows its clock window, and a drag
# on a clock face moves the window by the compositor's system move.
#
#   wayland_smoke.sh <build folder>
#
# The compositor is Weston (Debian 12: weston) on its X11 backend inside Xvfb, with the pixman
# renderer, so that it needs no GPU, its output can be photographed from the X server, and real
# pointer input can be given to it with xdotool. Weston's headless backend would start too, but it
# has no input devices at all, so no button press could start a move there, and Debian's weston
# does not ship the test plugin that injects input. The Qt side needs qt6-wayland.
#
# What a Wayland compositor does not allow a client (staying on top, being placed at the top
# centre of the screen) is not checked here: Weston places the window where it likes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/install/lib.sh
. "$here/lib.sh"
build="$(cd "$1" && pwd)"

need Xvfb weston xdotool convert import
qt_plugins="$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)"
[ -f "$qt_plugins/platforms/libqwayland-generic.so" ] ||
    fail "Qt's Wayland platform plugin is missing (Debian package qt6-wayland)"

new_workdir wayland
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" XDG_CACHE_HOME="$tmp/cache"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_DATA_HOME

# The program installed under a prefix of its own, as cmake --install lays it out.
cmake --install "$build" --component kerani --prefix "$tmp/usr" >/dev/null

step "start Xvfb and Weston"
start_xvfb 1280x800x24
# No panel: nothing on the desktop changes by itself, and there is no launcher to hit.
printf '[shell]\npanel-position=none\n' >"$tmp/weston.ini"
weston --config="$tmp/weston.ini" --backend=x11-backend.so --use-pixman --width=1024 --height=700 \
    --socket=kerani-smoke --idle-time=0 >"$tmp/weston.log" 2>&1 &
pids+=($!)
wait_for 15 test -S "$XDG_RUNTIME_DIR/kerani-smoke" || fail "Weston did not start: $(tail -5 "$tmp/weston.log")"
sleep 2

# point_at <x> <y>: puts Weston's pointer there. Weston's X11 backend moves its pointer by the
# differences between X motion events and takes an absolute position only when the pointer
# enters its window; so the pointer leaves the window (the X screen is larger) and comes back.
point_at() {
    xdotool mousemove 1200 760
    sleep 0.2
    xdotool mousemove "$1" "$2"
    sleep 0.2
}
park() { point_at 1000 680; } # where no window comes
park

shot() { # <name>: Weston's output
    import -display "$DISPLAY" -window root -crop 1024x700+0+0 +repage "$tmp/$1.png"
}
# changed <a> <b>: the bounding box "W H X Y" of the areas that differ between two shots.
changed() {
    local box
    # An opening by a 25 px square drops small changes (the pointer, wherever Weston drew it).
    box="$(convert "$tmp/$1.png" "$tmp/$2.png" -compose difference -composite -threshold 0 \
        -morphology Open Square:12 -format '%@' info: 2>/dev/null)"
    echo "$box" | sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/'
}
shot desktop

step "start the program on Wayland"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kerani-smoke env -u DISPLAY "$tmp/usr/bin/kerani" \
    >"$tmp/kerani.log" 2>&1 &
kerani=$!
pids+=("$kerani")
window_shown() { shot shown; read -r w h x y < <(changed desktop shown) && [ "$w" -ge 200 ] && [ "$h" -ge 80 ]; }
wait_for 20 window_shown || { cat "$tmp/kerani.log" >&2; fail "no clock window appeared"; }
kill -0 "$kerani" 2>/dev/null || fail "the program ended: $(cat "$tmp/kerani.log")"
sleep 1 # let the window settle (first frames, mask)
shot shown
read -r w h x y < <(changed desktop shown)
echo "window ${w}x${h} at $x,$y"

step "drag a clock face"
# Weston puts a new window anywhere on its output; the drag goes toward the middle.
dx=150 dy=120
[ $((x + w / 2)) -lt 512 ] || dx=-150
[ $((y + h / 2)) -lt 350 ] || dy=-120
grab_x=$((x + 39)) grab_y=$((y + 39)) # the middle of the first face
point_at "$grab_x" "$grab_y"
xdotool mousedown 1
sleep 0.3
for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((grab_x + dx * i / 10)) $((grab_y + dy * i / 10))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
park
moved_to() { shot moved; read -r w2 h2 x2 y2 < <(changed desktop moved) && [ "$x2" -eq $((x + dx)) ] && [ "$y2" -eq $((y + dy)) ]; }
if ! wait_for 5 moved_to; then
    read -r w2 h2 x2 y2 < <(changed desktop moved)
    fail "after a drag by $dx,$dy the window is at $x2,$y2 (was $x,$y)"
fi
if [ "$w2" -ne "$w" ] || [ "$h2" -ne "$h" ]; then
    fail "the window changed its size to ${w2}x${h2} while moving"
fi
kill -0 "$kerani" 2>/dev/null || fail "the program ended: $(cat "$tmp/kerani.log")"
echo "moved to $x2,$y2"
echo "wayland smoke test passed"
