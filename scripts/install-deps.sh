#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Kerani need.
# Only packages that are missing are installed; a machine that has them all is left alone.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libbenchmark-dev
    clang-14 libclang-rt-14-dev valgrind
    xvfb xauth trayer openbox xdotool xclip imagemagick x11-apps x11-utils
    fonts-dejavu-core fonts-ipafont-gothic
    desktop-file-utils weston qt6-wayland
    file appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
