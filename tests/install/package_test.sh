#!/usr/bin/env bash
# Builds the Debian packages with CPack, checks what they hold, unpacks them into a scratch root
# with dpkg -x, and starts the program from there on Xvfb as an ordinary user for whom nothing is
# writable but the home folder (and the runtime folder): run as root, the test runs the program as
# "nobody"; run as another user, it makes the scratch root read-only.
#
#   package_test.sh <build folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/install/lib.sh
. "$here/lib.sh"
build="$(cd "$1" && pwd)"
app_id=org.kerani.kerani

need cpack dpkg-deb readelf desktop-file-validate appstreamcli Xvfb xdotool xwininfo xprop setpriv
new_workdir package
chmod 755 "$tmp" # the user the program runs as reads the scratch root in it

# ---- The packages --------------------------------------------------------------------------------
step "build the packages"
(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/packages") >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb="$(echo "$tmp"/packages/kerani_*.deb)"
dbgsym="$(echo "$tmp"/packages/kerani-dbgsym_*.deb)"
if [ ! -f "$deb" ] || [ ! -f "$dbgsym" ]; then fail "cpack made $(ls "$tmp/packages")"; fi

depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
    [[ ", $depends" == *", $package"[\ ,]* || ", $depends" == *", $package" ]] ||
        fail "the package does not depend on $package: $depends"
done
# Qt's own translations for the standard buttons and dialogs in the program's languages.
[[ "$(dpkg-deb -f "$deb" Recommends)" == *qt6-translations-l10n* ]] ||
    fail "the package does not recommend qt6-translations-l10n"

# Every file in its place of the tree under /usr, nothing else.
allowed="^\./usr/(bin/kerani|share/kerani/.+|share/applications/$app_id\.desktop|share/metainfo/$app_id\.metainfo\.xml|share/icons/hicolor/(([0-9]+x[0-9]+)/apps/$app_id\.png|scalable/apps/$app_id\.svg))$"
files="$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$')"
stray="$(grep -vE "$allowed" <<<"$files" || true)"
[ -z "$stray" ] || fail "the package holds files out of place: $stray"

step "unpack into a scratch root"
root="$tmp/root"
dpkg -x "$deb" "$root"
share="$root/usr/share/kerani"
program="$root/usr/bin/kerani"
for name in Kerani.bak Cities.bak kerani.html flags/EGY.bmp clocks/clk01.bmp backgrounds/sky.bmp; do
    [ -f "$share/$name" ] || fail "no $name in /usr/share/kerani"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no $size px icon"
done
validate_desktop_entry "$root/usr/share/applications/$app_id.desktop"
grep -qx "Icon=$app_id" "$root/usr/share/applications/$app_id.desktop" || fail "the desktop entry's icon is not $app_id"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
appstream="$(appstreamcli validate --no-net "$metainfo" 2>&1)" || fail "the metainfo does not validate: $appstream"
if grep -E '^[EWI]:' <<<"$appstream"; then fail "appstreamcli has remarks on the metainfo"; fi
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"

# Stripped, and its symbols in the other package under its build ID.
if readelf -S "$program" | grep -qE '\.(symtab|debug_info)'; then fail "the program is not stripped"; fi
if readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; then fail "the program carries a library search path"; fi
build_id="$(readelf -n "$program" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')"
[ -n "$build_id" ] || fail "the program has no build ID"
debug_file="./usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"
[ "$(dpkg-deb --fsys-tarfile "$dbgsym" | tar -t | grep -v '/$')" = "$debug_file" ] ||
    fail "the debug package does not hold exactly $debug_file"
dpkg-deb --fsys-tarfile "$dbgsym" | tar -xO "$debug_file" >"$tmp/kerani.debug"
readelf -S "$tmp/kerani.debug" 2>/dev/null | grep -q '\.debug_info' || fail "the debug file holds no debug information"

# ---- Started by an ordinary user -----------------------------------------------------------------
# "${as_user[@]}" <command...>: runs the command as the user (in the same process, so that $! is
# the program's process).
if [ "$(id -u)" = 0 ]; then
    user_id=65534 # nobody
    as_user=(setpriv --reuid="$user_id" --regid="$user_id" --clear-groups --)
else
    user_id="$(id -u)"
    as_user=()
    chmod -R a-w "$root"
fi
make_user_folder() { # <folder>: made, the user's own
    mkdir -p "$1" && chmod 700 "$1" && chown "$user_id" "$1"
}
runtime="$tmp/runtime"
make_user_folder "$runtime"
if "${as_user[@]}" test -w "$share" || "${as_user[@]}" test -w "$root/usr/bin"; then
    fail "the scratch root is writable for the user the program runs as"
fi

start_xvfb 1024x768x24
# start_program <home>: starts the program as the user; sets pid.
start_program() {
    "${as_user[@]}" env -i HOME="$1" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$runtime" \
        LANG=C.UTF-8 "$program" >"$tmp/run.log" 2>&1 &
    pid=$!
    pids+=("$pid")
}
# The program's visible windows, one id a line.
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }
is_dialog() { [[ "$(xprop -id "$1" _NET_WM_WINDOW_TYPE)" == *_NET_WM_WINDOW_TYPE_DIALOG* ]]; }
clock_window() { # the one that is no dialog
    local id
    for id in $(windows); do is_dialog "$id" || { echo "$id"; return; }; done
}
# check_clock_window: the clock window shows a column of 78 px for each clock of the factory
# settings.
clocks="$(sed -n 's/^Clocks=0*\([0-9]*\)\r$/\1/p' "$share/Kerani.bak")"
check_clock_window() {
    has_clock_window() { [ -n "$(clock_window)" ]; }
    wait_for 20 has_clock_window || { cat "$tmp/run.log" >&2; fail "no clock window showed"; }
    sleep 1
    local info
    info="$(xwininfo -id "$(clock_window)")"
    local width height
    width="$(sed -n 's/^ *Width: //p' <<<"$info")"
    height="$(sed -n 's/^ *Height: //p' <<<"$info")"
    # Not the 1x17 px of a run without settings.
    if [ "$width" != $((78 * clocks)) ] || [ "$height" -le 100 ]; then
        fail "the clock window measures ${width}x$height, not $((78 * clocks)) px wide for $clocks clocks"
    fi
}

step "first start: the user's files are made from the factory copies"
home="$tmp/home"
make_user_folder "$home"
start_program "$home"
check_clock_window
cmp "$home/.config/kerani/Kerani.ini" "$share/Kerani.bak" || fail "Kerani.ini is not the factory copy"
cmp "$home/.local/share/kerani/Cities.txt" "$share/Cities.bak" || fail "Cities.txt is not the factory copy"
[ -d "$home/.local/share/kerani/flags" ] || fail "no folder for the user's flags"
[ "$(stat -c %u "$home/.config/kerani/Kerani.ini")" = "$user_id" ] || fail "Kerani.ini is not the user's"
if grep -q 'cannot save' "$tmp/run.log"; then cat "$tmp/run.log" >&2; fail "the program says it cannot save"; fi
[ "$(windows | wc -l)" = 1 ] || fail "more than the clock window showed"
stop "$pid"

step "a home that cannot be written: factory settings, and one message that says so"
locked="$tmp/locked-home"
mkdir -m 555 "$locked" # the user's own, but read-only
chown "$user_id" "$locked"
start_program "$locked"
check_clock_window
two_windows() { [ "$(windows | wc -l)" = 2 ]; }
wait_for 10 two_windows || fail "no message showed"
dialogs=0
for id in $(windows); do if is_dialog "$id"; then dialogs=$((dialogs + 1)); fi; done
[ "$dialogs" = 1 ] || fail "the second window is no message box"
grep -qF "Kerani cannot save any changes: the folder $locked/.config/kerani does not exist and cannot be made" "$tmp/run.log" ||
    { cat "$tmp/run.log" >&2; fail "the program does not say why it cannot save"; }
[ -z "$(ls -A "$locked")" ] || fail "the program wrote into the locked home"
stop "$pid"

echo "package test passed: $(basename "$deb") $(stat -c %s "$deb") bytes, $(basename "$dbgsym") $(stat -c %s "$dbgsym") bytes"
