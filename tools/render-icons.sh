#!/usr/bin/env bash
# Renders the application icon's PNGs from its SVG drawings into packaging/icons/hicolor/.
#
#   tools/render-icons.sh                 # write the PNGs (commit them; the build needs no renderer)
#   tools/render-icons.sh --sheet FILE    # also write a contact sheet: every size, enlarged with
#                                         # square pixels, to judge the small sizes pixel by pixel
#
# The sizes up to 48 px have drawings of their own (kerani-16.svg ... kerani-48.svg), laid out on
# their own pixel grid so that hands, ticks and rim edges fall on whole pixels; the larger sizes
# come from kerani.svg, drawn on a 64-unit grid. Needs rsvg-convert (Debian: librsvg2-bin) and,
# for the sheet, ImageMagick.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
icons="$root/packaging/icons"
sheet=""
while [ $# -gt 0 ]; do
    case "$1" in
        --sheet) sheet="${2:?--sheet needs a file name}"; shift 2 ;;
        *) echo "usage: $0 [--sheet FILE]" >&2; exit 2 ;;
    esac
done
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    drawing="$icons/kerani-$size.svg"
    [ -f "$drawing" ] || drawing="$icons/kerani.svg"
    out="$icons/hicolor/${size}x${size}/apps/kerani.png"
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "$size" --height "$size" --format png "$drawing" --output "$out"
    echo "$out  <-  $(basename "$drawing")"
done

if [ -n "$sheet" ]; then
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    tiles=()
    for size in "${sizes[@]}"; do
        # Every size enlarged to about 256 px with square pixels, on white and on a dark panel
        # background, as the icon is seen in menus and in a dark tray.
        factor=$(( 256 / size )); [ "$factor" -lt 1 ] && factor=1
        big=$(( size * factor ))
        for bg in white '#303030'; do
            tile="$work/$size-${#tiles[@]}.png"
            convert "$icons/hicolor/${size}x${size}/apps/kerani.png" -background "$bg" -alpha remove \
                -filter point -resize "${big}x${big}" -gravity center -extent 264x264 \
                -fill '#808080' -gravity south -annotate +0+0 "$size px" "$tile"
            tiles+=("$tile")
        done
    done
    montage "${tiles[@]}" -tile 4x -geometry +4+4 -background '#b0b0b0' "$sheet"
    echo "$sheet"
fi
