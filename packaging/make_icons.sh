#!/usr/bin/env bash
# Renders Kelo's icon from packaging/kelo.svg: the PNGs of the Linux icon theme (packaging/icons/N.png),
# the Windows icon of Kelo.scr and its installer (platform/win32/kelo.ico) and the picture of the
# installer's first and last pages (packaging/windows/welcome.bmp), all from the one drawing.
# The results are kept in the repository, so that a build needs neither librsvg nor ImageMagick; run
# this again after changing the drawing. Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kelo.svg -o "icons/$size.png"
done
# The installer's welcome and finish pages: the wheel on the navy of its disc, 164 x 314 pixels.
rsvg-convert -w 132 -h 132 kelo.svg -o "$tmp/wheel.png"
convert -size 164x314 xc:'#141c4c' "$tmp/wheel.png" -geometry +16+40 -composite -type truecolor \
  BMP3:windows/welcome.bmp
# Windows picks the nearest size; the 256-pixel image is stored as PNG inside the .ico.
convert icons/16.png icons/24.png icons/32.png icons/48.png icons/64.png icons/256.png ../platform/win32/kelo.ico
