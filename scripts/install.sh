#!/usr/bin/env bash
# Installs Kerani for the current user as a portable application folder; no root needed.
#
#   scripts/install.sh [--prefix DIR] [--autostart | --no-autostart] [--build-dir DIR] [--no-build]
#
#   --prefix DIR      the application folder: new, empty or an earlier install (default ~/.local/opt/kerani)
#   --autostart       also start Kerani when the user logs in
#   --no-autostart    remove that autostart entry (without either option an existing one is kept)
#   --build-dir DIR   the build tree to install from (default $KERANI_BUILD_DIR or ./build)
#   --no-build        install what the build tree holds; do not build it first
#
# What it puts in place (<id> is the desktop file ID, org.kerani.kerani):
#   DIR/                                          the program beside its factory files and folders
#   ~/.local/bin/kerani                           a launcher that runs DIR/kerani
#   ~/.local/share/applications/<id>.desktop      the desktop entry
#   ~/.local/share/icons/hicolor/*/apps/<id>.*    the icon, 16 to 256 px and scalable
#   ~/.config/autostart/<id>.desktop              with --autostart
#
# The application folder is also where the program keeps the user's data (Kerani.ini, Cities.txt,
# flags the user added). Installing again replaces the program and the factory files and never
# touches the user's data. DIR/.install-manifest lists every file the install put in place, so
# that scripts/uninstall.sh takes away exactly those; a folder that holds files but no manifest is
# not a Kerani install, and nothing is installed there. Over an install by the first version of
# this script (entries and icons named "kerani"), those entries and icons are replaced by the new
# ones and its autostart entry is kept.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$HOME/.local/opt/kerani"
build="${KERANI_BUILD_DIR:-$root/build}"
autostart=keep
do_build=1

usage() { sed -n '2,10s/^# \{0,1\}//p' "$0"; }
die() { echo "install.sh: $*" >&2; exit 1; }
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="${2:?--prefix needs a folder}"; shift 2 ;;
        --prefix=*) prefix="${1#*=}"; shift ;;
        --build-dir) build="${2:?--build-dir needs a folder}"; shift 2 ;;
        --build-dir=*) build="${1#*=}"; shift ;;
        --autostart) autostart=yes; shift ;;
        --no-autostart) autostart=no; shift ;;
        --no-build) do_build=0; shift ;;
        -h|--help) usage; exit 0 ;;
        *) echo "install.sh: unknown option '$1'" >&2; usage >&2; exit 2 ;;
    esac
done

# shellcheck source=packaging/paths.sh
. "$root/packaging/paths.sh"
kerani_paths "$prefix"

# ---- Only into a new or empty folder, or over an earlier install ---------------------------------
if [ -e "$app_dir" ] || [ -L "$app_dir" ]; then
    [ -d "$app_dir" ] || die "$app_dir is not a folder; nothing installed"
    if [ ! -f "$manifest" ] && ! is_unlisted_earlier_install && [ -n "$(ls -A "$app_dir")" ]; then
        die "$app_dir holds files and is no Kerani install (it has no .install-manifest); nothing installed. Choose a new or empty folder."
    fi
fi

# ---- Build ---------------------------------------------------------------------------------------
if [ "$do_build" = 1 ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --target kerani_dist
fi
[ -f "$build/cmake_install.cmake" ] || die "$build is no configured build tree"

# ---- Application folder --------------------------------------------------------------------------
# Lay the folder out in a staging folder first and copy that over the application folder: the
# user's files are never in the staging folder, so nothing of theirs is written.
stage="$(mktemp -d "${TMPDIR:-/tmp}/kerani-install.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --component portable --prefix "$stage/app" >/dev/null
[ -x "$stage/app/kerani" ] || die "the build tree holds no program to install; build it first"

app_files="$stage/app-files"
(cd "$stage/app" && find . -type f -printf '%P\n' | LC_ALL=C sort) >"$app_files"
for name in "${user_files[@]}"; do
    if grep -qxF "$name" "$app_files"; then
        die "the build installs $name, which belongs to the user; nothing installed"
    fi
done
# Over an install of the first version of this script, whose desktop entries and icons had other
# names: its autostart entry carries over, and its entries and icons go once the new ones are in.
earlier=0
if is_earlier_manifest || is_unlisted_earlier_install; then
    if is_kerani_launcher "$launcher" "$program" || [ ! -e "$launcher" ]; then earlier=1; fi
    if [ "$earlier" = 1 ] && [ "$autostart" = keep ] && is_earlier_entry "$earlier_autostart_entry"; then
        autostart=yes
    fi
fi
new_home_files="$stage/home-files"
{
    printf '%s\n' "$launcher" "$desktop_entry" "${icon_files[@]}"
    if [ "$autostart" = yes ] || { [ "$autostart" = keep ] && [ -f "$autostart_entry" ]; }; then
        echo "$autostart_entry"
    fi
} >"$new_home_files"

# write_manifest <lists...>: the manifest, written atomically.
write_manifest() {
    cat "$@" | LC_ALL=C sort -u >"$manifest.install-new"
    mv -f "$manifest.install-new" "$manifest"
}

old_manifest="$stage/old-manifest"
if [ -f "$manifest" ]; then
    cp "$manifest" "$old_manifest"
elif is_unlisted_earlier_install; then
    grep -v '^#' "$root/packaging/earlier-install-files.txt" >"$old_manifest"
else
    : >"$old_manifest"
fi
# Until the install is complete the manifest lists the files of both installs, so that an
# install that fails half-way can still be taken away.
mkdir -p "$app_dir"
write_manifest "$old_manifest" "$app_files" "$new_home_files"

# The program is renamed into place (a running copy keeps the old file); each of the other files
# is deleted and copied anew, which never writes into a file that something has open.
mv "$stage/app/kerani" "$stage/program"
cp -R --preserve=mode --remove-destination "$stage/app/." "$app_dir/"
cp --preserve=mode "$stage/program" "$program.install-new"
mv -f "$program.install-new" "$program"

# Files of the application folder that an earlier install put there and this one no longer ships.
{ grep -v '^/' "$old_manifest" || true; } | LC_ALL=C sort | LC_ALL=C comm -23 - "$app_files" | while IFS= read -r rel; do
    case "/$rel/" in //|*/../*|*/./*) continue ;; esac
    for name in "${user_files[@]}"; do [ "$rel" = "$name" ] && continue 2; done
    rm -f -- "$app_dir/$rel"
done

# ---- Launcher, desktop entry, icons --------------------------------------------------------------
mkdir -p "$bin_dir"
{
    echo '#!/bin/sh'
    echo "$launcher_marker"
    printf 'exec %s "$@"\n' "$(shell_quote "$program")"
} >"$launcher.install-new"
chmod 755 "$launcher.install-new"
mv -f "$launcher.install-new" "$launcher"

write_desktop_entry() { # <target file>
    mkdir -p "$(dirname "$1")"
    sed "s|^Exec=.*|Exec=$(sed_replacement "$(desktop_exec "$launcher")")|" \
        "$root/packaging/$app_id.desktop" >"$1.install-new"
    mv -f "$1.install-new" "$1"
}
write_desktop_entry "$desktop_entry"

for size in "${icon_sizes[@]}"; do
    install -D -m 644 "$root/packaging/icons/hicolor/${size}x${size}/apps/kerani.png" \
        "$icon_root/${size}x${size}/apps/$app_id.png"
done
install -D -m 644 "$root/packaging/icons/kerani.svg" "$icon_root/scalable/apps/$app_id.svg"
touch "$icon_root" # icon caches look at the theme folder's time

case "$autostart" in
    yes) write_desktop_entry "$autostart_entry" ;;
    no) rm -f "$autostart_entry" ;;
    keep) if [ -f "$autostart_entry" ]; then write_desktop_entry "$autostart_entry"; fi ;;
esac

if [ "$earlier" = 1 ]; then remove_earlier_home_files; fi
write_manifest "$app_files" "$new_home_files"

echo "Kerani is installed in $app_dir"
echo "  launcher:      $launcher"
echo "  desktop entry: $desktop_entry"
if [ -f "$autostart_entry" ]; then echo "  autostart:     $autostart_entry"; fi
case ":$PATH:" in
    *":$bin_dir:"*) ;;
    *) echo "Note: $bin_dir is not on your PATH; add it to start Kerani by typing 'kerani'." ;;
esac
exit 0
