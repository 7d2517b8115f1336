#!/usr/bin/env bash
# Removes what scripts/install.sh installed for the current user.
#
#   scripts/uninstall.sh [--prefix DIR] [--purge]
#
#   --prefix DIR   the application folder given to install.sh (default ~/.local/opt/kerani)
#   --purge        also delete the user's data in it: Kerani.ini, Cities.txt, Temp.txt and the
#                  flags the user added (the other *.bmp files of its flags folder)
#
# Only the files that DIR/.install-manifest lists are removed, and then the folders the install
# made if they are left empty; any other file stays, and so does its folder. The launcher, the
# desktop entries and the icons are removed when the launcher runs the program of this application
# folder (or is gone); those of another installation are left alone.
#
# An install by the first version of install.sh is taken away as that version laid it out: its
# manifest lists only the files of the application folder, and its desktop entries and icons are
# named "kerani". Such a folder that has lost its manifest (the program beside Kerani.bak and
# Cities.bak) loses the files that version installed, by name (packaging/earlier-install-files.txt).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$HOME/.local/opt/kerani"
purge=0

usage() { sed -n '2,8s/^# \{0,1\}//p' "$0"; }
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

earlier=0
listed="$manifest"
if is_earlier_manifest; then
    earlier=1
elif is_unlisted_earlier_install; then
    earlier=1
    listed="$root/packaging/earlier-install-files.txt"
elif [ ! -f "$manifest" ]; then
    echo "uninstall.sh: no installation of Kerani in $app_dir (no .install-manifest)" >&2
    exit 1
fi
ours_launcher=0
if is_kerani_launcher "$launcher" "$program" || [ ! -e "$launcher" ]; then ours_launcher=1; fi
real_app_dir="$(realpath -e "$app_dir")"

# remove_in_app_folder <relative path>: removes that file of the application folder; never a
# folder, nor anything reached through a link to another folder.
folders=()
remove_in_app_folder() {
    local rel="$1"
    case "/$rel/" in //|*/../*|*/./*|*//*) return 0 ;; esac
    local path="$app_dir/$rel"
    [ -f "$path" ] || [ -L "$path" ] || return 0
    local sub=""
    if [ "${rel%/*}" != "$rel" ]; then sub="/${rel%/*}"; fi
    [ "$(realpath -e -- "$(dirname -- "$path")")" = "$real_app_dir$sub" ] || return 0
    rm -f -- "$path"
    local dir="$rel"
    while [ "${dir%/*}" != "$dir" ]; do dir="${dir%/*}"; folders+=("$dir"); done
}

# ---- What the install put there ------------------------------------------------------------------
kept_home=0
while IFS= read -r line; do
    case "$line" in
        '#'*) ;; # a comment of the earlier version's list
        /*)
            if ! is_home_file "$line"; then continue; fi
            if [ "$ours_launcher" = 1 ]; then rm -f -- "$line"; else kept_home=1; fi ;;
        *)
            for name in "${user_files[@]}"; do [ "$line" = "$name" ] && continue 2; done
            remove_in_app_folder "$line" ;;
    esac
done <"$listed"
if [ "$earlier" = 1 ]; then
    if [ "$ours_launcher" = 1 ]; then
        rm -f -- "$launcher"
        remove_earlier_home_files
    else
        kept_home=1
    fi
fi

# ---- The user's data, by name --------------------------------------------------------------------
if [ "$purge" = 1 ]; then
    for name in "${user_files[@]}"; do remove_in_app_folder "$name"; done
    if [ -d "$app_dir/flags" ] && [ ! -L "$app_dir/flags" ]; then
        while IFS= read -r -d '' flag; do
            remove_in_app_folder "flags/${flag##*/}"
        done < <(find "$app_dir/flags" -maxdepth 1 -type f -iname '*.bmp' -print0)
    fi
fi

rm -f -- "$manifest"
# The folders the install made, deepest first, when nothing is left in them.
if [ ${#folders[@]} -gt 0 ]; then
    while IFS= read -r dir; do
        rmdir -- "$app_dir/$dir" 2>/dev/null || true
    done < <(printf '%s\n' "${folders[@]}" | LC_ALL=C sort -u -r)
fi
rmdir -- "$app_dir" 2>/dev/null || true
if [ "$ours_launcher" = 1 ]; then
    for size in "${icon_sizes[@]}"; do
        rmdir -- "$icon_root/${size}x${size}/apps" "$icon_root/${size}x${size}" 2>/dev/null || true
    done
    rmdir -- "$icon_root/scalable/apps" "$icon_root/scalable" 2>/dev/null || true
    if [ -d "$icon_root" ]; then touch "$icon_root"; fi
fi

# ---- Report --------------------------------------------------------------------------------------
if [ -d "$app_dir" ]; then
    echo "Removed Kerani from $app_dir; kept what it did not install there:"
    (cd "$app_dir" && find . -type f -printf '  %P\n' | LC_ALL=C sort)
else
    echo "Removed Kerani from $app_dir"
fi
if [ "$kept_home" = 1 ]; then
    echo "Kept $launcher and the desktop entries: they belong to another installation of Kerani"
fi
exit 0
