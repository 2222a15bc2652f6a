#!/usr/bin/env bash
# Renders Kelo's icon from packaging/kelo.svg: the PNGs of the Linux icon theme (packaging/icons/N.png)
# and the Windows icon of Kelo.scr and its installer (platform/win32/kelo.ico), all from the one drawing.
# The results are kept in the repository, so that a build needs neither librsvg nor ImageMagick; run
# this again after changing the drawing. Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kelo.svg -o "icons/$size.png"
done
# Windows picks the nearest size; the 256-pixel image is stored as PNG inside the .ico.
convert icons/16.png icons/24.png icons/32.png icons/48.png icons/64.png icons/256.png ../platform/win32/kelo.ico
