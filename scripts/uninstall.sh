#!/usr/bin/env bash
# Removes what scripts/install.sh installed for the current user.
#
#   scripts/uninstall.sh [--prefix DIR] [--purge]
#
#   --prefix DIR   the application folder given to install.sh (default ~/.local/opt/kerani)
#   --purge        also delete the user's data: the whole application folder
#
# Without --purge the user's data stays in the application folder: Kerani.ini, Cities.txt, flags
# the user added and any other file that the install did not put there (DIR/.install-manifest
# lists those it did). The launcher, the desktop entries and the icons are removed when the
# launcher runs the program of this application folder (or is gone); a launcher of another
# installation is left alone, and so are the entries that go with it.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$HOME/.local/opt/kerani"
purge=0

usage() { sed -n '2,7s/^# \{0,1\}//p' "$0"; }
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="${2:?--prefix needs a folder}"; shift 2 ;;
        --prefix=*) prefix="${1#*=}"; shift ;;
        --purge) purge=1; shift ;;
        -h|--help) usage; exit 0 ;;
        *) echo "uninstall.sh: unknown option '$1'" >&2; usage >&2; exit 2 ;;
    esac
done

# shellcheck source=packaging/paths.sh
. "$root/packaging/paths.sh"
kerani_paths "$prefix"

installed=0
[ -f "$manifest" ] && installed=1
ours_launcher=0
is_kerani_launcher "$launcher" "$program" && ours_launcher=1
if [ "$installed" = 0 ] && [ "$ours_launcher" = 0 ]; then
    echo "uninstall.sh: no installation of Kerani in $app_dir" >&2
    exit 1
fi

# ---- Application folder --------------------------------------------------------------------------
if [ "$installed" = 1 ]; then
    if [ "$purge" = 1 ]; then
        case "$app_dir" in
            / | "$HOME" | "$HOME/.local" | "$HOME/.local/opt")
                echo "uninstall.sh: refusing to delete $app_dir as a whole" >&2; exit 1 ;;
        esac
        rm -rf -- "$app_dir"
        echo "Removed $app_dir with the user's data"
    else
        while IFS= read -r rel; do
            case "$rel" in ''|/*|*..*|Kerani.ini|Cities.txt) continue ;; esac
            rm -f -- "$app_dir/$rel"
        done <"$manifest"
        rm -f -- "$manifest" "$app_dir/Temp.txt" # Temp.txt: the city list's scratch file
        # Folders the install made that are now empty; the application folder itself goes too
        # when nothing of the user's is left in it.
        find "$app_dir" -depth -type d -empty -delete
        if [ -d "$app_dir" ]; then
            echo "Removed Kerani from $app_dir; kept the user's data there:"
            (cd "$app_dir" && find . -type f -printf '  %P\n' | LC_ALL=C sort)
        else
            echo "Removed Kerani from $app_dir"
        fi
    fi
fi

# ---- Launcher, desktop entries, icons ------------------------------------------------------------
if [ "$ours_launcher" = 1 ] || [ ! -e "$launcher" ]; then
    rm -f -- "$launcher"
    rm -f -- "$desktop_entry" "$autostart_entry"
    for size in "${icon_sizes[@]}"; do
        rm -f -- "$icon_root/${size}x${size}/apps/kerani.png"
        rmdir -- "$icon_root/${size}x${size}/apps" "$icon_root/${size}x${size}" 2>/dev/null || true
    done
    rm -f -- "$icon_root/scalable/apps/kerani.svg"
    rmdir -- "$icon_root/scalable/apps" "$icon_root/scalable" 2>/dev/null || true
    if [ -d "$icon_root" ]; then touch "$icon_root"; fi
    echo "Removed the launcher, the desktop entries and the icons"
else
    echo "Kept $launcher: it runs another installation of Kerani"
fi
exit 0
