#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every picture of resources/imgs from the sources in this folder:
#   - the five rev-counter SVG layers (gen_gauge.py writes them straight
#     into imgs/, they are loaded as vectors),
#   - the SVG sources of the logos and icons (gen_logos.py, gen_icons.py),
#   - the rasters: LEDOFF.JPG, LEDON.JPG, brundholt2.jpg, brundholt4.jpg
#     (JPEG, quality 92) and the multi-size icons Tervalix.ico and
#     motorcycle.ico (16, 24, 32, 48, 64 and 256 px, PNG entries).
# With --preview DIR it also writes PNG previews of every picture and of
# the assembled rev counter into DIR.
#
# Needs python3, g++, pkg-config and the Qt 5 Svg/Gui development files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
imgs=$(cd "$here/../imgs" && pwd)
preview=""
if [ "${1:-}" = "--preview" ]; then
    preview=${2:?"--preview needs a folder"}
    mkdir -p "$preview"
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

g++ -O1 -fPIC -o "$tmp/rasterize" "$here/rasterize.cpp" \
    $(pkg-config --cflags --libs Qt5Svg Qt5Gui)
export QT_QPA_PLATFORM=offscreen
raster="$tmp/rasterize"

python3 "$here/gen_gauge.py" "$imgs"
python3 "$here/gen_logos.py" "$here"
python3 "$here/gen_icons.py" "$here"

"$raster" image "$here/LEDOFF.svg" "$imgs/LEDOFF.JPG" 340 44 92
"$raster" image "$here/LEDON.svg" "$imgs/LEDON.JPG" 340 44 92
"$raster" image "$here/brundholt2.svg" "$imgs/brundholt2.jpg" 464 260 92
"$raster" image "$here/brundholt4.svg" "$imgs/brundholt4.jpg" 464 260 92
"$raster" ico "$imgs/Tervalix.ico" "$here/tervalix.svg" "$here/tervalix-small.svg"
"$raster" ico "$imgs/motorcycle.ico" "$here/motorcycle.svg" "$here/motorcycle-small.svg"

if [ -n "$preview" ]; then
    for f in RPMbackground12000 RPMbackground16000 RPMneedle RPMneedle_shadow RPMoverlay; do
        "$raster" image "$imgs/$f.svg" "$preview/$f.png" 420 420
    done
    for f in LEDOFF LEDON brundholt2 brundholt4 tervalix tervalix-small motorcycle motorcycle-small; do
        case $f in
            LED*) size="340 44" ;;
            brundholt*) size="464 260" ;;
            *) size="256 256" ;;
        esac
        "$raster" image "$here/$f.svg" "$preview/$f.png" $size
    done
    # The rev counter as the widget paints it: 6000 rpm is 1.5 deg and
    # 12000 rpm 133 deg on the two-cylinder face; 16000 rpm is about
    # 132.6 deg and 17000 rpm 149 deg on the four-cylinder face.
    "$raster" gauge "$preview/gauge12000.png" 420 "$imgs/RPMbackground12000.svg" \
        "$imgs/RPMneedle.svg" "$imgs/RPMneedle_shadow.svg" "$imgs/RPMoverlay.svg" -130 1.5 133
    "$raster" gauge "$preview/gauge16000.png" 420 "$imgs/RPMbackground16000.svg" \
        "$imgs/RPMneedle.svg" "$imgs/RPMneedle_shadow.svg" - -130 132.6 149
fi
