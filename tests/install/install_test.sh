#!/usr/bin/env bash
# Installs Kerani with scripts/install.sh into a temporary home, starts it through the launcher,
# installs again over it and uninstalls it, with and without --purge, beside files that are not
# Kerani's. The real home is never touched: HOME and the XDG folders point into a temporary folder
# for the whole run.
#
#   install_test.sh <source folder> <build folder>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/install/lib.sh
. "$here/lib.sh"
src="$(cd "$1" && pwd)"
build="$(cd "$2" && pwd)"

need desktop-file-validate
[ -x "$build/dist/bin/kerani" ] || fail "no program in $build/dist/bin: build first"
new_workdir install-test

# A blank in the home folder's name: every path has to be quoted on its way through the scripts,
# the launcher and the desktop entry's Exec key.
export HOME="$tmp/user home"
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME KERANI_MODE
export XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export PATH="$HOME/.local/bin:$PATH"
export QT_QPA_PLATFORM=offscreen
cd "$tmp" # the scripts must not depend on the working folder

app_id=org.kerani.kerani
prefix="$HOME/Apps/Kerani Clock"
launcher="$HOME/.local/bin/kerani"
entry="$HOME/.local/share/applications/$app_id.desktop"
autostart="$HOME/.config/autostart/$app_id.desktop"
icons="$HOME/.local/share/icons/hicolor"
sizes=(16 22 24 32 48 64 128 256)

install_kerani() { "$src/scripts/install.sh" --build-dir "$build" --no-build "$@" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; fail "install.sh $* failed"; }; }
uninstall_kerani() { "$src/scripts/uninstall.sh" "$@" >"$tmp/uninstall.log" 2>&1 ||
    { cat "$tmp/uninstall.log" >&2; fail "uninstall.sh $* failed"; }; }

# The files under the home folder, relative to it, one a line, sorted.
home_files() { (cd "$HOME" && find . -type f -printf '%P\n' | LC_ALL=C sort); }
# expect_home_files <file>...: the home holds exactly these files.
expect_home_files() {
    [ "$(home_files)" = "$(printf '%s\n' "$@" | LC_ALL=C sort)" ] || fail "the home holds:
$(home_files)"
}

# png_size <file>: "width height" from the PNG header.
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not a PNG"; return; }
    local w h
    w=$((16#$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n')))
    h=$((16#$(od -An -tx1 -j20 -N4 "$1" | tr -d ' \n')))
    echo "$w $h"
}

check_entry() { # <desktop entry>
    [ -f "$1" ] || fail "no desktop entry $1"
    validate_desktop_entry "$1"
    grep -qx "Icon=$app_id" "$1" || fail "$1: the icon is not $app_id"
    grep -qxF "Exec=\"$launcher\"" "$1" || fail "$1: Exec does not run the launcher: $(grep '^Exec=' "$1")"
}

# ---- A folder that is not Kerani's ---------------------------------------------------------------
step "refuse a folder that holds other files"
tools="$HOME/Tools"
mkdir -p "$tools/bin" "$tools/share/doc"
echo tool >"$tools/bin/othertool"
echo notes >"$tools/share/doc/notes.txt"
foreign=("Tools/bin/othertool" "Tools/share/doc/notes.txt")
if "$src/scripts/install.sh" --build-dir "$build" --no-build --prefix "$tools" >"$tmp/install.log" 2>&1; then
    fail "install.sh installed into a folder of other files"
fi
grep -q "no Kerani install" "$tmp/install.log" || fail "install.sh did not say why: $(cat "$tmp/install.log")"
expect_home_files "${foreign[@]}"
if "$src/scripts/uninstall.sh" --prefix "$tools" --purge >"$tmp/uninstall.log" 2>&1; then
    fail "uninstall.sh --purge took a folder of other files for an install"
fi
expect_home_files "${foreign[@]}"

# ---- First install -------------------------------------------------------------------------------
step "install into '$prefix' with autostart"
install_kerani --prefix "$prefix" --autostart

[ -x "$prefix/kerani" ] || fail "the program is not in the application folder"
cmp -s "$prefix/kerani" "$build/dist/bin/kerani" || fail "the installed program is not the stripped one"
while IFS= read -r rel; do
    cmp -s "$src/data/$rel" "$prefix/$rel" || fail "$rel is not installed as shipped"
done < <(cd "$src/data" && find . -type f -printf '%P\n')
for name in Kerani.ini Cities.txt; do
    [ ! -e "$prefix/$name" ] || fail "the install wrote the user's $name"
done

[ "$(command -v kerani)" = "$launcher" ] || fail "'kerani' on the PATH is not the launcher"
check_entry "$entry"
check_entry "$autostart"
for size in "${sizes[@]}"; do
    icon="$icons/${size}x${size}/apps/$app_id.png"
    [ "$(png_size "$icon")" = "$size $size" ] || fail "the ${size} px icon measures $(png_size "$icon")"
    cmp -s "$icon" "$src/packaging/icons/hicolor/${size}x${size}/apps/kerani.png" || fail "the $size px icon is not the shipped one"
done
cmp -s "$icons/scalable/apps/$app_id.svg" "$src/packaging/icons/kerani.svg" || fail "no scalable icon"
# The manifest lists every file the install wrote, and nothing else.
manifest_files() { sed -n "s|^/|/|p; s|^\([^/]\)|$prefix/\1|p" "$prefix/.install-manifest" | LC_ALL=C sort; }
written="$(cd / && find "$HOME" -type f ! -path "$prefix/.install-manifest" ! -path "$tools/*" | LC_ALL=C sort)"
[ "$(manifest_files)" = "$written" ] || fail "the manifest does not list what the install wrote:
$(diff <(manifest_files) <(echo "$written"))"

# ---- The launcher starts the installed program ---------------------------------------------------
step "start the installed program through the launcher"
kerani >"$tmp/run.log" 2>&1 &
pid=$!
pids+=("$pid")
wait_for 20 test -f "$prefix/Kerani.ini" -a -f "$prefix/Cities.txt" ||
    { cat "$tmp/run.log" >&2; fail "the program made no Kerani.ini and Cities.txt in its application folder"; }
[ "$(readlink "/proc/$pid/exe")" = "$prefix/kerani" ] || fail "the launcher ran $(readlink "/proc/$pid/exe")"
sleep 0.5
kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "the program ended by itself"; }
stop "$pid"
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
cmp -s "$prefix/kerani" "$build/dist/bin/kerani" || fail "the second install did not replace the program"
[ -x "$prefix/kerani" ] || fail "the program is no longer executable"
[ ! -e "$prefix/flags/OLD.bmp" ] || fail "a file the new version no longer ships was left behind"
check_entry "$autostart" # kept without --autostart

step "the reinstalled program starts and keeps the user's data"
kerani >"$tmp/run.log" 2>&1 &
pid=$!
pids+=("$pid")
sleep 1.5
kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "the reinstalled program does not run"; }
stop "$pid"
cmp "$prefix/Kerani.ini" "$tmp/saved/Kerani.ini" || fail "the program changed Kerani.ini at start"

# ---- Uninstall -----------------------------------------------------------------------------------
step "uninstall: only the user's data stays"
uninstall_kerani --prefix "$prefix"
kept=("Apps/Kerani Clock/Cities.txt" "Apps/Kerani Clock/Kerani.ini" "Apps/Kerani Clock/flags/ZZZ.bmp")
expect_home_files "${foreign[@]}" "${kept[@]}"
cmp "$prefix/Kerani.ini" "$tmp/saved/Kerani.ini" || fail "uninstall changed Kerani.ini"
if "$src/scripts/uninstall.sh" --prefix "$prefix" >/dev/null 2>&1; then
    fail "a second uninstall found something to remove"
fi

# ---- Uninstall --purge beside files that are not Kerani's ----------------------------------------
step "install into the default folder, add files of the user and of others, uninstall with --purge"
install_kerani
default="$HOME/.local/opt/kerani"
grep -qxF "exec '$default/kerani' \"\$@\"" "$launcher" || fail "the launcher does not run $default/kerani"
[ ! -e "$autostart" ] || fail "an autostart entry without --autostart"
for name in Kerani.ini Cities.txt Temp.txt flags/ZZZ.bmp; do echo mine >"$default/$name"; done
mkdir -p "$default/bin" "$default/share/doc"
echo tool >"$default/bin/othertool"
echo notes >"$default/share/doc/notes.txt"
uninstall_kerani --purge
others=("${foreign[@]}" "${kept[@]}" ".local/opt/kerani/bin/othertool"
    ".local/opt/kerani/share/doc/notes.txt" ".local/share/applications/other.desktop")
mkdir -p "$HOME/.local/share/applications"
printf '[Desktop Entry]\nType=Application\nName=Other\nExec=other\n' >"$HOME/.local/share/applications/other.desktop"
expect_home_files "${others[@]}"

# ---- Installs of the first version of install.sh -------------------------------------------------
# earlier_install <folder> <with a manifest: yes|no>: an install as the first version of install.sh
# laid it out (a manifest of the application folder's files only; desktop entries and icons named
# "kerani"), with the user's data and a file of someone else's in the folder.
old="$HOME/Old Kerani"
old_entry="$HOME/.local/share/applications/kerani.desktop"
old_autostart="$HOME/.config/autostart/kerani.desktop"
earlier_install() {
    local rel size entry
    while IFS= read -r rel; do
        case "$rel" in
            '#'*) ;;
            kerani) install -D -m 755 "$build/dist/bin/kerani" "$1/kerani" ;;
            *) install -D -m 644 "$src/data/$rel" "$1/$rel" ;;
        esac
    done <"$src/packaging/earlier-install-files.txt"
    if [ "$2" = yes ]; then grep -v '^#' "$src/packaging/earlier-install-files.txt" >"$1/.install-manifest"; fi
    for rel in Kerani.ini Cities.txt Temp.txt flags/ZZZ.bmp notes.txt; do echo mine >"$1/$rel"; done
    printf '#!/bin/sh\n# Kerani launcher, written by scripts/install.sh: runs the installed program.\nexec %s "$@"\n' \
        "'$1/kerani'" >"$launcher"
    chmod 755 "$launcher"
    for entry in "$old_entry" "$old_autostart"; do
        mkdir -p "$(dirname "$entry")"
        printf '[Desktop Entry]\nType=Application\nName=Kerani\nExec="%s"\nIcon=kerani\n' "$launcher" >"$entry"
    done
    for size in "${sizes[@]}"; do
        install -D -m 644 "$src/packaging/icons/hicolor/${size}x${size}/apps/kerani.png" "$icons/${size}x${size}/apps/kerani.png"
    done
    install -D -m 644 "$src/packaging/icons/kerani.svg" "$icons/scalable/apps/kerani.svg"
}
users_data=("Old Kerani/Kerani.ini" "Old Kerani/Cities.txt" "Old Kerani/Temp.txt" "Old Kerani/flags/ZZZ.bmp")

for with_manifest in yes no; do
    step "uninstall an install of the first version (manifest: $with_manifest)"
    earlier_install "$old" "$with_manifest"
    uninstall_kerani --prefix "$old"
    expect_home_files "${others[@]}" "${users_data[@]}" "Old Kerani/notes.txt"
    rm -rf "$old"
done

step "install over an install of the first version: its entries and icons go, its autostart stays"
earlier_install "$old" yes
install_kerani --prefix "$old"
check_entry "$entry"
check_entry "$autostart"
if [ -e "$old_entry" ] || [ -e "$old_autostart" ]; then fail "the first version's desktop entries are left"; fi
[ ! -e "$icons/scalable/apps/kerani.svg" ] || fail "the first version's icons are left"
uninstall_kerani --prefix "$old" --purge
expect_home_files "${others[@]}" "Old Kerani/notes.txt"

echo "install test passed"
