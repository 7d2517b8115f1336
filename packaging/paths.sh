# shellcheck shell=bash
# Where scripts/install.sh puts things and scripts/uninstall.sh finds them; sourced by both.
# Follows the XDG base directories, with their defaults under $HOME.
# shellcheck disable=SC2034 # the variables set here are read by the scripts that source this

icon_sizes=(16 22 24 32 48 64 128 256)
# The desktop file ID; the desktop entry and the icon are named after it (see CMakeLists.txt).
app_id=org.kerani.kerani
launcher_marker='# Kerani launcher, written by scripts/install.sh: runs the installed program.'

# kerani_paths <application folder>: sets the paths of one installation.
kerani_paths() {
    local prefix="$1"
    case "$prefix" in
        '') echo "the application folder must not be empty" >&2; return 2 ;;
        /*) ;;
        *) prefix="$PWD/$prefix" ;;
    esac
    while [ "${prefix%/}" != "$prefix" ] && [ "$prefix" != / ]; do prefix="${prefix%/}"; done
    case "$prefix" in
        *$'\n'*) echo "the application folder's name must not hold a line break" >&2; return 2 ;;
    esac
    app_dir="$prefix"
    program="$app_dir/kerani"
    manifest="$app_dir/.install-manifest"
    bin_dir="$HOME/.local/bin"
    launcher="$bin_dir/kerani"
    local data_home="${XDG_DATA_HOME:-$HOME/.local/share}"
    local config_home="${XDG_CONFIG_HOME:-$HOME/.config}"
    desktop_entry="$data_home/applications/$app_id.desktop"
    autostart_entry="$config_home/autostart/$app_id.desktop"
    icon_root="$data_home/icons/hicolor"
    icon_files=()
    local size
    for size in "${icon_sizes[@]}"; do icon_files+=("$icon_root/${size}x${size}/apps/$app_id.png"); done
    icon_files+=("$icon_root/scalable/apps/$app_id.svg")
    # Outside the application folder, install.sh writes these and nothing else; uninstall.sh
    # removes no other file outside it, whatever a manifest says.
    home_files=("$launcher" "$desktop_entry" "$autostart_entry" "${icon_files[@]}")

    # What the first version of install.sh wrote outside the application folder (the same
    # launcher, and entries and icons named "kerani" rather than by the desktop file ID). Its
    # manifest lists only the files of the application folder.
    earlier_desktop_entry="$data_home/applications/kerani.desktop"
    earlier_autostart_entry="$config_home/autostart/kerani.desktop"
    earlier_icon_files=()
    for size in "${icon_sizes[@]}"; do earlier_icon_files+=("$icon_root/${size}x${size}/apps/kerani.png"); done
    earlier_icon_files+=("$icon_root/scalable/apps/kerani.svg")
}

# is_earlier_manifest: the application folder's manifest is one of the first version of
# install.sh, which listed no file outside the folder (every later one lists the launcher).
is_earlier_manifest() {
    [ -f "$manifest" ] && ! grep -q '^/' "$manifest"
}

# is_unlisted_earlier_install: the application folder holds no manifest but is laid out as the
# first version of install.sh left it: the program beside the factory settings and city list.
is_unlisted_earlier_install() {
    [ ! -e "$manifest" ] && [ -f "$program" ] && [ ! -L "$program" ] &&
        [ -f "$app_dir/Kerani.bak" ] && [ -f "$app_dir/Cities.bak" ]
}

# is_earlier_entry <file>: a desktop entry that the first version of install.sh wrote for this
# installation's launcher.
is_earlier_entry() {
    [ -f "$1" ] && grep -qxF "Exec=$(desktop_exec "$launcher")" "$1" && grep -qx 'Name=Kerani' "$1"
}

# remove_earlier_home_files: removes the desktop entries that the first version of install.sh
# wrote for this launcher, and its icons; the caller decides that the launcher is this install's.
remove_earlier_home_files() {
    local entry
    for entry in "$earlier_desktop_entry" "$earlier_autostart_entry"; do
        if is_earlier_entry "$entry"; then rm -f -- "$entry"; fi
    done
    rm -f -- "${earlier_icon_files[@]}"
}

# is_home_file <path>: the path is one of home_files.
is_home_file() {
    local file
    for file in "${home_files[@]}"; do [ "$file" = "$1" ] && return 0; done
    return 1
}

# The user's own files in the application folder, made and changed by the program: never written
# by an install, and deleted by name only by uninstall.sh --purge (with the flags the user added).
user_files=(Kerani.ini Cities.txt Temp.txt)

# shell_quote <text>: the text as one single-quoted word of a POSIX shell.
shell_quote() {
    printf "'%s'" "${1//\'/\'\\\'\'}"
}

# desktop_exec <program path>: the path as the program of a desktop entry's Exec key: quoted when
# it holds a reserved character, with the key's escapes for quotes, backslashes and percent signs.
desktop_exec() {
    local s="$1"
    local reserved=$' \t"\'\\><~|&;$*?#()`'
    if [[ "$s" == *["$reserved"]* ]]; then
        s="${s//\\/\\\\}"
        s="${s//\"/\\\"}"
        s="${s//\`/\\\`}"
        s="${s//\$/\\\$}"
        s="\"$s\""
    fi
    s="${s//%/%%}"
    s="${s//\\/\\\\}" # the string escape of every desktop entry value
    printf '%s' "$s"
}

# sed_replacement <text>: the text escaped for the replacement side of sed's s|||.
sed_replacement() {
    local s="$1"
    s="${s//\\/\\\\}"
    s="${s//&/\\&}"
    s="${s//|/\\|}"
    printf '%s' "$s"
}

# is_kerani_launcher <file> <program>: the file is a launcher from install.sh that runs <program>.
is_kerani_launcher() {
    [ -f "$1" ] && grep -qxF "$launcher_marker" "$1" &&
        grep -qxF "exec $(shell_quote "$2") \"\$@\"" "$1"
}
