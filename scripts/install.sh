#!/usr/bin/env bash
# Installs Kerani for the current user; no root needed.
#
#   scripts/install.sh [--prefix DIR] [--autostart | --no-autostart] [--build-dir DIR] [--no-build]
#
#   --prefix DIR      the application folder (default ~/.local/opt/kerani)
#   --autostart       also start Kerani when the user logs in (~/.config/autostart/kerani.desktop)
#   --no-autostart    remove that autostart entry (without either option an existing one is kept)
#   --build-dir DIR   the build tree to install from (default $KERANI_BUILD_DIR or ./build)
#   --no-build        install what the build tree holds; do not build it first
#
# What it puts in place:
#   DIR/                                          the program beside its factory files and folders
#   ~/.local/bin/kerani                           a launcher that runs DIR/kerani
#   ~/.local/share/applications/kerani.desktop    the desktop entry
#   ~/.local/share/icons/hicolor/*/apps/kerani.*  the icon, 16 to 256 px and scalable
#
# The application folder is also where the program keeps the user's data (Kerani.ini, Cities.txt,
# flags the user added). Installing again replaces the program and the factory files and never
# touches the user's data; DIR/.install-manifest lists what the install put there, so that
# scripts/uninstall.sh can take exactly that away again.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$HOME/.local/opt/kerani"
build="${KERANI_BUILD_DIR:-$root/build}"
autostart=keep
do_build=1

usage() { sed -n '2,10s/^# \{0,1\}//p' "$0"; }
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

# The user's own files in the application folder: never written by an install.
user_files=(Kerani.ini Cities.txt)

# ---- Build ---------------------------------------------------------------------------------------
if [ "$do_build" = 1 ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --target kerani
fi
[ -f "$build/cmake_install.cmake" ] || { echo "install.sh: $build is no configured build tree" >&2; exit 1; }

# ---- Application folder --------------------------------------------------------------------------
# Lay the folder out in a staging folder first and copy that over the application folder: the
# user's files are never in the staging folder, so nothing of theirs is written.
stage="$(mktemp -d "${TMPDIR:-/tmp}/kerani-install.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/app" >/dev/null

mkdir -p "$app_dir"
new_manifest="$stage/manifest"
(cd "$stage/app" && find . -type f -printf '%P\n' | LC_ALL=C sort) >"$new_manifest"
for name in "${user_files[@]}"; do
    if grep -qxF "$name" "$new_manifest"; then
        echo "install.sh: the build installs $name, which belongs to the user; nothing installed" >&2
        exit 1
    fi
done

# The program is renamed into place (a running copy keeps the old file); each of the other files
# is deleted and copied anew, which never writes into a file that something has open.
mv "$stage/app/kerani" "$stage/program"
cp -R --preserve=mode --remove-destination "$stage/app/." "$app_dir/"
cp --preserve=mode "$stage/program" "$program.install-new"
mv -f "$program.install-new" "$program"

# Files that an earlier install put there and this one no longer ships.
if [ -f "$manifest" ]; then
    LC_ALL=C sort "$manifest" | LC_ALL=C comm -23 - "$new_manifest" | while IFS= read -r rel; do
        case "$rel" in ''|/*|*..*) continue ;; esac
        for name in "${user_files[@]}"; do [ "$rel" = "$name" ] && continue 2; done
        rm -f "$app_dir/$rel"
    done
fi
cp "$new_manifest" "$manifest.install-new"
mv -f "$manifest.install-new" "$manifest"

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
        "$root/packaging/kerani.desktop" >"$1.install-new"
    mv -f "$1.install-new" "$1"
}
write_desktop_entry "$desktop_entry"

for size in "${icon_sizes[@]}"; do
    install -D -m 644 "$root/packaging/icons/hicolor/${size}x${size}/apps/kerani.png" \
        "$icon_root/${size}x${size}/apps/kerani.png"
done
install -D -m 644 "$root/packaging/icons/kerani.svg" "$icon_root/scalable/apps/kerani.svg"
touch "$icon_root" # icon caches look at the theme folder's time

case "$autostart" in
    yes) write_desktop_entry "$autostart_entry" ;;
    no) rm -f "$autostart_entry" ;;
    keep) if [ -f "$autostart_entry" ]; then write_desktop_entry "$autostart_entry"; fi ;;
esac

echo "Kerani is installed in $app_dir"
echo "  launcher:      $launcher"
echo "  desktop entry: $desktop_entry"
if [ -f "$autostart_entry" ]; then echo "  autostart:     $autostart_entry"; fi
case ":$PATH:" in
    *":$bin_dir:"*) ;;
    *) echo "Note: $bin_dir is not on your PATH; add it to start Kerani by typing 'kerani'." ;;
esac
exit 0
