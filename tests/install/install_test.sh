#!/usr/bin/env bash
# Installs Kerani with scripts/install.sh into a temporary home, starts it through the launcher,
# installs again over it and uninstalls it. The real home is never touched: HOME and the XDG
# folders point into a temporary folder for the whole run.
#
#   install_test.sh <source folder> <build folder>
set -euo pipefail
src="$(cd "$1" && pwd)"
build="$(cd "$2" && pwd)"

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

command -v desktop-file-validate >/dev/null ||
    fail "desktop-file-validate is missing (Debian package desktop-file-utils, see scripts/install-deps.sh)"
[ -x "$build/app/kerani" ] || fail "no program in $build/app: build first"

tmp="$(mktemp -d "${TMPDIR:-/tmp}/kerani-install-test.XXXXXX")"
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# A blank in the home folder's name: every path has to be quoted on its way through the scripts,
# the launcher and the desktop entry's Exec key.
export HOME="$tmp/user home"
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME
export XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export PATH="$HOME/.local/bin:$PATH"
export QT_QPA_PLATFORM=offscreen
cd "$tmp" # the scripts must not depend on the working folder

prefix="$HOME/Apps/Kerani Clock"
launcher="$HOME/.local/bin/kerani"
entry="$HOME/.local/share/applications/kerani.desktop"
autostart="$HOME/.config/autostart/kerani.desktop"
icons="$HOME/.local/share/icons/hicolor"
sizes=(16 22 24 32 48 64 128 256)

install_kerani() { "$src/scripts/install.sh" --build-dir "$build" --no-build "$@" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; fail "install.sh $* failed"; }; }
uninstall_kerani() { "$src/scripts/uninstall.sh" "$@" >"$tmp/uninstall.log" 2>&1 ||
    { cat "$tmp/uninstall.log" >&2; fail "uninstall.sh $* failed"; }; }

# The files under the home folder, relative to it, one a line, sorted.
home_files() { (cd "$HOME" && find . -type f -printf '%P\n' | LC_ALL=C sort); }

# png_size <file>: "width height" from the PNG header.
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not a PNG"; return; }
    local w h
    w=$((16#$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n')))
    h=$((16#$(od -An -tx1 -j20 -N4 "$1" | tr -d ' \n')))
    echo "$w $h"
}

# wait_for <seconds> <command...>: true as soon as the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

check_entry() { # <desktop entry>
    [ -f "$1" ] || fail "no desktop entry $1"
    desktop-file-validate "$1" || fail "$1 does not validate"
    grep -qx 'Type=Application' "$1" || fail "$1: no Type=Application"
    grep -qx 'Name=Kerani' "$1" || fail "$1: the name is not Kerani"
    [ "$(grep -c '^Comment=.' "$1")" = 1 ] || fail "$1: no one-line comment"
    grep -q '^Categories=.*\bUtility;.*\bClock;' "$1" || fail "$1: not in the Utility and Clock categories"
    grep -qx 'Icon=kerani' "$1" || fail "$1: the icon is not kerani"
    grep -qxF "Exec=\"$launcher\"" "$1" || fail "$1: Exec does not run the launcher: $(grep '^Exec=' "$1")"
}

# ---- First install -------------------------------------------------------------------------------
step "install into '$prefix' with autostart"
install_kerani --prefix "$prefix" --autostart

[ -x "$prefix/kerani" ] || fail "the program is not in the application folder"
while IFS= read -r rel; do
    cmp -s "$src/data/$rel" "$prefix/$rel" || fail "$rel is not installed as shipped"
done < <(cd "$src/data" && find . -type f -printf '%P\n')
for name in Kerani.bak Cities.bak kerani.html flags clocks backgrounds; do
    [ -e "$prefix/$name" ] || fail "$name is missing from the application folder"
done
for name in Kerani.ini Cities.txt; do
    [ ! -e "$prefix/$name" ] || fail "the install wrote the user's $name"
done
if readelf -d "$prefix/kerani" | grep -E 'RPATH|RUNPATH'; then
    fail "the installed program carries a library search path"
fi

[ -x "$launcher" ] || fail "no launcher on the PATH"
[ "$(command -v kerani)" = "$launcher" ] || fail "'kerani' on the PATH is not the launcher"
check_entry "$entry"
check_entry "$autostart"
for size in "${sizes[@]}"; do
    icon="$icons/${size}x${size}/apps/kerani.png"
    [ -f "$icon" ] || fail "no ${size} px icon"
    [ "$(png_size "$icon")" = "$size $size" ] || fail "the ${size} px icon measures $(png_size "$icon")"
    cmp -s "$icon" "$src/packaging/icons/hicolor/${size}x${size}/apps/kerani.png" || fail "the $size px icon is not the shipped one"
done
cmp -s "$icons/scalable/apps/kerani.svg" "$src/packaging/icons/kerani.svg" || fail "no scalable icon"

# ---- The launcher starts the installed program ---------------------------------------------------
step "start the installed program through the launcher"
kerani >"$tmp/run.log" 2>&1 &
pid=$!
wait_for 20 test -f "$prefix/Kerani.ini" -a -f "$prefix/Cities.txt" ||
    { cat "$tmp/run.log" >&2; fail "the program made no Kerani.ini and Cities.txt in its application folder"; }
[ "$(readlink "/proc/$pid/exe")" = "$prefix/kerani" ] || fail "the launcher ran $(readlink "/proc/$pid/exe")"
sleep 0.5
kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "the program ended by itself"; }
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
cmp -s "$prefix/Kerani.ini" "$prefix/Kerani.bak" || fail "Kerani.ini is not the factory copy"
cmp -s "$prefix/Cities.txt" "$prefix/Cities.bak" || fail "Cities.txt is not the factory copy"

# ---- Second install over the first ---------------------------------------------------------------
step "install again over changed data and damaged factory files"
printf '[Test]\r\nKey=changed by the user\r\n' >>"$prefix/Kerani.ini"
printf 'Atlantis!+01:00!ZZZ.bmp\r\n' >>"$prefix/Cities.txt"
printf 'a flag the user added' >"$prefix/flags/ZZZ.bmp"
mkdir -p "$tmp/saved" && cp -p "$prefix/Kerani.ini" "$prefix/Cities.txt" "$prefix/flags/ZZZ.bmp" "$tmp/saved/"
printf 'damaged' >"$prefix/Kerani.bak"
printf 'damaged' >"$prefix/kerani"
rm "$prefix/clocks/clk03.bmp"
printf 'an old flag' >"$prefix/flags/OLD.bmp" # shipped by an earlier version, no longer
echo "flags/OLD.bmp" >>"$prefix/.install-manifest"

install_kerani --prefix "$prefix"
cmp "$prefix/Kerani.ini" "$tmp/saved/Kerani.ini" || fail "the second install changed Kerani.ini"
cmp "$prefix/Cities.txt" "$tmp/saved/Cities.txt" || fail "the second install changed Cities.txt"
cmp "$prefix/flags/ZZZ.bmp" "$tmp/saved/ZZZ.bmp" || fail "the second install changed the user's flag"
cmp -s "$prefix/Kerani.bak" "$src/data/Kerani.bak" || fail "the second install did not restore Kerani.bak"
cmp -s "$prefix/clocks/clk03.bmp" "$src/data/clocks/clk03.bmp" || fail "the second install did not restore clk03.bmp"
[ "$(head -c 4 "$prefix/kerani" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "the second install did not replace the program"
[ -x "$prefix/kerani" ] || fail "the program is no longer executable"
[ ! -e "$prefix/flags/OLD.bmp" ] || fail "a file the new version no longer ships was left behind"
check_entry "$autostart" # kept without --autostart

step "the reinstalled program starts and keeps the user's data"
kerani >"$tmp/run.log" 2>&1 &
pid=$!
sleep 1.5
kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "the reinstalled program does not run"; }
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
cmp "$prefix/Kerani.ini" "$tmp/saved/Kerani.ini" || fail "the program changed Kerani.ini at start"

# ---- Uninstall -----------------------------------------------------------------------------------
step "uninstall: only the user's data stays"
uninstall_kerani --prefix "$prefix"
expected="$(printf '%s\n' "Apps/Kerani Clock/Cities.txt" "Apps/Kerani Clock/Kerani.ini" \
    "Apps/Kerani Clock/flags/ZZZ.bmp" | LC_ALL=C sort)"
[ "$(home_files)" = "$expected" ] || fail "after uninstall the home holds:
$(home_files)"
cmp "$prefix/Kerani.ini" "$tmp/saved/Kerani.ini" || fail "uninstall changed Kerani.ini"
cmp "$prefix/Cities.txt" "$tmp/saved/Cities.txt" || fail "uninstall changed Cities.txt"
if "$src/scripts/uninstall.sh" --prefix "$prefix" >/dev/null 2>&1; then
    fail "a second uninstall found something to remove"
fi

# ---- Default folder, and uninstall --purge -------------------------------------------------------
step "install into the default folder, uninstall with --purge"
install_kerani
[ -x "$HOME/.local/opt/kerani/kerani" ] || fail "no program in ~/.local/opt/kerani"
grep -qxF "exec '$HOME/.local/opt/kerani/kerani' \"\$@\"" "$launcher" || fail "the launcher does not run ~/.local/opt/kerani/kerani"
[ ! -e "$autostart" ] || fail "an autostart entry without --autostart"
printf '[Settings]\r\n' >"$HOME/.local/opt/kerani/Kerani.ini"
uninstall_kerani --purge
[ ! -e "$HOME/.local/opt/kerani" ] || fail "--purge left the application folder"
[ "$(home_files)" = "$expected" ] || fail "after uninstall --purge the home holds:
$(home_files)"

echo "install test passed"
