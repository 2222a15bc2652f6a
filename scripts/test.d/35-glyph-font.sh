#!/usr/bin/env bash
# The committed glyph font is what tools/build_glyph_font.py builds: rebuilt into a temporary file and
# compared byte for byte. The bytes depend on the versions of fontTools and DejaVu Sans, so a difference
# fails only with the versions the committed font was built with (fontTools 4.38.0, DejaVu Sans 2.37).
set -euo pipefail
cd "$(dirname "$0")/../.."
python=/usr/bin/python3
source=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if [ ! -f "$source" ] || ! "$python" -c "import fontTools" 2>/dev/null; then
  echo "glyph font check skipped: needs fonts-dejavu-core and python3-fonttools"
  exit 0
fi
out=$(mktemp "${TMPDIR:-/tmp}/glypha.XXXXXX.ttf")
trap 'rm -f "$out"' EXIT
"$python" tools/build_glyph_font.py --source "$source" --output "$out"
if cmp -s "$out" assets/glypha.ttf; then
  echo "glyph font: assets/glypha.ttf is reproducible"
  exit 0
fi
versions=$("$python" -c "
import fontTools
from fontTools.ttLib import TTFont
print(fontTools.version, TTFont('$source')['name'].getDebugName(5))")
echo "glyph font: the rebuilt font differs from assets/glypha.ttf (fontTools, DejaVu: $versions)"
case "$versions" in
  "4.38.0 Version 2.37") exit 1 ;;
  *) echo "other versions than those of the committed font: not a failure"; exit 0 ;;
esac
