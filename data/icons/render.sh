#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every image of data/ from its SVG source, at the pixel size that the SVG's width and
# height declare. Needs rsvg-convert (Debian: librsvg2-bin) and the fonts named in the SVGs
# (fonts-urw-base35, fonts-dejavu-extra). The PNGs are committed: only a changed drawing needs this.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
for svg in "$here"/*.svg; do
    png="$here/../$(basename "$svg" .svg).png"
    rsvg-convert --format=png --output="$png" "$svg"
    echo "$(basename "$png")"
done
