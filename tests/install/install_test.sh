#!/usr/bin/env bash
# install.sh and uninstall.sh in a home with a blank in its name (paths must be quoted): files in
# place, the launcher starts the program, a second install keeps the user's data, uninstall (with
# --purge too) leaves it and files not Kerani's, the first version's installs are recognised.
set -euo pipefail
# shellcheck source=tests/install/lib.sh
. "$(dirname "$0")/lib.sh"
src="$(cd "$1" && pwd)" build="$(cd "$2" && pwd)"
need desktop-file-validate
[ -x "$build/dist/bin/kerani" ] || fail "no program in $build/dist/bin: build first"
new_workdir install-test
export HOME="$tmp/user home" XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset XDG_DATA_HOME XDG_CONFIG_HOME KERANI_MODE
export PATH="$HOME/.local/bin:$PATH" QT_QPA_PLATFORM=offscreen
cd "$tmp" # the scripts must not depend on the working folder

app_id=org.kerani.kerani prefix="$HOME/Apps/Kerani Clock" launcher="$HOME/.local/bin/kerani"
entry="$HOME/.local/share/applications/$app_id.desktop" autostart="$HOME/.config/autostart/$app_id.desktop"
icons="$HOME/.local/share/icons/hicolor"
run_script() { # run_script install|uninstall <option>...: succeeds
    "$src/scripts/$1.sh" "${@:2}" >"$tmp/$1.log" 2>&1 || { cat "$tmp/$1.log" >&2; fail "$1.sh ${*:2} failed"; }
}
expect_home_files() { # <file>...: the home holds exactly these
    local have
    have="$(cd "$HOME" && find . -type f -printf '%P\n' | LC_ALL=C sort)"
    [ "$have" = "$(printf '%s\n' "$@" | LC_ALL=C sort)" ] || fail "the home holds: $have"
}
check_entries() { # <desktop entry>...: valid, with Kerani's icon, running the launcher
    local entry
    for entry in "$@"; do
        validate_desktop_entry "$entry"
        grep -qx "Icon=$app_id" "$entry" && grep -qxF "Exec=\"$launcher\"" "$entry" || fail "$entry is not Kerani's"
    done
}
others_in() { mkdir -p "$1/bin" && echo tool >"$1/bin/othertool"; } # <folder>: another program's file

step "refuse a folder of other files"
others_in "$HOME/Tools"
foreign=("Tools/bin/othertool")
! "$src/scripts/install.sh" --build-dir "$build" --no-build --prefix "$HOME/Tools" >"$tmp/install.log" 2>&1 &&
    grep -q "no Kerani install" "$tmp/install.log" && ! "$src/scripts/uninstall.sh" --prefix "$HOME/Tools" --purge 2>/dev/null ||
    fail "a folder of other files was taken for an install"

step "install into '$prefix' with autostart, start it through the launcher"
run_script install --build-dir "$build" --no-build --prefix "$prefix" --autostart
cmp "$prefix/kerani" "$build/dist/bin/kerani" || fail "the installed program is not the stripped one"
[ -z "$(cd "$src/data" && find . -type f ! -exec cmp -s {} "$prefix/{}" \; -print)" ] || fail "the data is not installed as shipped"
check_entries "$entry" "$autostart"
cmp "$icons/48x48/apps/$app_id.png" "$src/packaging/icons/hicolor/48x48/apps/kerani.png" &&
    cmp "$icons/scalable/apps/$app_id.svg" "$src/packaging/icons/kerani.svg" || fail "the icons are not the shipped ones"
manifest="$(sed "s|^\([^/]\)|$prefix/\1|" "$prefix/.install-manifest" | LC_ALL=C sort)"
[ "$manifest" = "$(find "$HOME" -type f ! -name .install-manifest ! -path "$HOME/Tools/*" | LC_ALL=C sort)" ] ||
    fail "the manifest does not list exactly what the install wrote"
kerani >"$tmp/run.log" 2>&1 &
pids+=($!)
wait_for 20 test -f "$prefix/Cities.txt" -a -f "$prefix/Kerani.ini" && [ "$(readlink "/proc/$!/exe")" = "$prefix/kerani" ] ||
    fail "the launcher did not start the installed program: $(cat "$tmp/run.log")"
stop $!
cmp "$prefix/Kerani.ini" "$prefix/Kerani.bak" || fail "Kerani.ini is not the factory copy"

step "install again over changed data and damaged factory files"
printf 'Atlantis!+01:00!ZZZ.bmp\r\n' >>"$prefix/Cities.txt" && echo 'a flag the user added' >"$prefix/flags/ZZZ.bmp"
(cd "$prefix" && sha1sum Kerani.ini Cities.txt flags/ZZZ.bmp) >"$tmp/users-data"
printf 'damaged' | tee "$prefix/Kerani.bak" >"$prefix/kerani"
printf 'an old flag' >"$prefix/flags/OLD.bmp" # shipped by an earlier version, no longer
echo "flags/OLD.bmp" >>"$prefix/.install-manifest"
run_script install --build-dir "$build" --no-build --prefix "$prefix"
(cd "$prefix" && sha1sum --quiet -c "$tmp/users-data") || fail "the second install changed the user's data"
cmp "$prefix/Kerani.bak" "$src/data/Kerani.bak" && cmp "$prefix/kerani" "$build/dist/bin/kerani" && [ -x "$prefix/kerani" ] &&
    [ ! -e "$prefix/flags/OLD.bmp" ] || fail "the second install did not restore the damaged files or left OLD.bmp"
check_entries "$autostart" # kept without --autostart

step "uninstall: only the user's data stays"
run_script uninstall --prefix "$prefix"
kept=("Apps/Kerani Clock/Cities.txt" "Apps/Kerani Clock/Kerani.ini" "Apps/Kerani Clock/flags/ZZZ.bmp")
expect_home_files "${foreign[@]}" "${kept[@]}"

step "install into the default folder, add files of the user and of others, uninstall with --purge"
run_script install --build-dir "$build" --no-build
default="$HOME/.local/opt/kerani"
[ ! -e "$autostart" ] || fail "an autostart entry without --autostart"
for name in Kerani.ini Cities.txt Temp.txt flags/ZZZ.bmp; do echo mine >"$default/$name"; done
others_in "$default"
run_script uninstall --purge
others=("${foreign[@]}" "${kept[@]}" ".local/opt/kerani/bin/othertool")
expect_home_files "${others[@]}"

# As the first version of install.sh laid it out: a manifest of the application folder's files
# only (or none), entries and icons named "kerani"; with the user's data and someone else's file.
old="$HOME/Old Kerani"
earlier_install() { # <with a manifest: yes|no>
    local rel
    grep -v '^#' "$src/packaging/earlier-install-files.txt" | while IFS= read -r rel; do
        if [ "$rel" = kerani ]; then install -D "$build/dist/bin/kerani" "$old/kerani"; else install -D -m 644 "$src/data/$rel" "$old/$rel"; fi
    done
    [ "$1" = no ] || grep -v '^#' "$src/packaging/earlier-install-files.txt" >"$old/.install-manifest"
    for rel in Kerani.ini Cities.txt Temp.txt flags/ZZZ.bmp notes.txt; do echo mine >"$old/$rel"; done
    printf '#!/bin/sh\n# Kerani launcher, written by scripts/install.sh: runs the installed program.\nexec %s "$@"\n' \
        "'$old/kerani'" >"$launcher" && chmod 755 "$launcher"
    mkdir -p "$HOME/.local/share/applications" "$HOME/.config/autostart"
    printf '[Desktop Entry]\nType=Application\nName=Kerani\nExec="%s"\nIcon=kerani\n' "$launcher" |
        tee "$HOME/.local/share/applications/kerani.desktop" >"$HOME/.config/autostart/kerani.desktop"
    install -D -m 644 "$src/packaging/icons/kerani.svg" "$icons/scalable/apps/kerani.svg"
}
users_data=("Old Kerani/Kerani.ini" "Old Kerani/Cities.txt" "Old Kerani/Temp.txt" "Old Kerani/flags/ZZZ.bmp" "Old Kerani/notes.txt")
for with_manifest in yes no; do
    step "uninstall an install of the first version (manifest: $with_manifest)"
    earlier_install "$with_manifest"
    run_script uninstall --prefix "$old"
    expect_home_files "${others[@]}" "${users_data[@]}"
    rm -rf "$old"
done

step "install over an install of the first version: its entries and icons go, its autostart is renamed"
earlier_install yes
run_script install --build-dir "$build" --no-build --prefix "$old"
check_entries "$entry" "$autostart"
if [ -e "$HOME/.local/share/applications/kerani.desktop" ] || [ -e "$HOME/.config/autostart/kerani.desktop" ] ||
    [ -e "$icons/scalable/apps/kerani.svg" ]; then
    fail "the first version's desktop entries or icons are left"
fi
run_script uninstall --prefix "$old" --purge
expect_home_files "${others[@]}" "Old Kerani/notes.txt"
echo "install test passed"
