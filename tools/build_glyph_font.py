#!/usr/bin/python3
"""Builds assets/glypha.ttf, the glyph font of the chart (family and face "GLYPHA"), from DejaVu Sans.

The chart prints single characters of one 8-bit character set, the Windows-1252 code page:
  192..203  the zodiac signs, Aries to Pisces          (U+00C0..U+00CB)
  224..238  the chart bodies, Sun to Midheaven          (U+00E0..U+00EE)
  156       the retrograde mark                         (U+0153)
  162..165  sextile, square, trine, opposition          (U+00A2..U+00A5)
  170       quincunx                                    (U+00AA)
and ordinary ASCII letters, digits and punctuation for the information lines. The font maps those code
points to the symbol glyphs, and maps the real Unicode astrological code points to the same glyphs, so
text written either way draws the same symbol.

Most outlines are DejaVu Sans's own. Drawn here: the sextile (a six-armed asterisk of strokes), the
quincunx (a bar with two legs below it) and the Ascendant and Midheaven monograms "AC" and "MC" (DejaVu
letters, condensed into one glyph cell).

Usage: /usr/bin/python3 tools/build_glyph_font.py [--source DejaVuSans.ttf] [--output assets/glypha.ttf]
The output is reproducible: the same source font and fontTools version give the same bytes.
"""

import argparse
import math
import os
import sys

from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.subset import Options, Subsetter
from fontTools.ttLib import TTFont

DEFAULT_SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FAMILY = "GLYPHA"
# 2026-01-01 00:00:00 UTC in seconds since 1904-01-01, the epoch of the head table's dates.
FIXED_TIMESTAMP = 3849984000

# (glyph name in the output, 8-bit code, source Unicode code point or None for a glyph drawn here,
#  further Unicode code points of the same symbol)
ZODIAC = [
    # 192..203: Aries .. Pisces
    ("aries", 192, 0x2648, []), ("taurus", 193, 0x2649, []), ("gemini", 194, 0x264A, []),
    ("cancer", 195, 0x264B, []), ("leo", 196, 0x264C, []), ("virgo", 197, 0x264D, []),
    ("libra", 198, 0x264E, []), ("scorpio", 199, 0x264F, []), ("sagittarius", 200, 0x2650, []),
    ("capricorn", 201, 0x2651, []), ("aquarius", 202, 0x2652, []), ("pisces", 203, 0x2653, []),
]
BODIES = [
    # 224..238: body index 1..15
    ("sun", 224, 0x2609, []), ("mercury", 225, 0x263F, []), ("venus", 226, 0x2640, []),
    ("mars", 227, 0x2642, []), ("jupiter", 228, 0x2643, []), ("saturn", 229, 0x2644, []),
    ("uranus", 230, 0x2645, []), ("neptune", 231, 0x2646, []), ("pluto", 232, 0x2647, []),
    ("moon", 233, 0x263D, []), ("node", 234, 0x260A, []), ("oppositenode", 235, 0x260B, []),
    ("fortune", 236, 0x2297, []), ("ascendant", 237, None, []), ("midheaven", 238, None, []),
]
MARKS = [
    ("retrograde", 156, 0x211E, []),
    ("sextile", 162, None, [0x26B9]),
    ("square", 163, 0x25A1, []),
    ("trine", 164, 0x25B3, []),
    ("opposition", 165, 0x260D, []),
    ("quincunx", 170, None, [0x26BB]),
]
SYMBOLS = ZODIAC + BODIES + MARKS
assert len(ZODIAC) == 12 and len(BODIES) == 15 and len(MARKS) == 6

# The Unicode code point of each 8-bit Windows-1252 code 128..159 (the rest equal their code).
CP1252_HIGH = {
    0x80: 0x20AC, 0x82: 0x201A, 0x83: 0x0192, 0x84: 0x201E, 0x85: 0x2026, 0x86: 0x2020, 0x87: 0x2021,
    0x88: 0x02C6, 0x89: 0x2030, 0x8A: 0x0160, 0x8B: 0x2039, 0x8C: 0x0152, 0x8E: 0x017D, 0x91: 0x2018,
    0x92: 0x2019, 0x93: 0x201C, 0x94: 0x201D, 0x95: 0x2022, 0x96: 0x2013, 0x97: 0x2014, 0x98: 0x02DC,
    0x99: 0x2122, 0x9A: 0x0161, 0x9B: 0x203A, 0x9C: 0x0153, 0x9E: 0x017E, 0x9F: 0x0178,
}


def cp1252_to_unicode(code):
    return CP1252_HIGH.get(code, code)


def stroke_contour(pen, x1, y1, x2, y2, width):
    """A straight stroke of the given width from (x1, y1) to (x2, y2), as one clockwise rectangle."""
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    corners = [(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny), (x1 - nx, y1 - ny)]
    # TrueType fills clockwise outer contours; the corners above run counter-clockwise for dx > 0.
    corners.reverse()
    pen.moveTo(tuple(round(c) for c in corners[0]))
    for c in corners[1:]:
        pen.lineTo(tuple(round(v) for v in c))
    pen.closePath()


def draw_sextile(glyph_set, stroke):
    """Six arms of equal length round one centre: three strokes at 90, 30 and 150 degrees."""
    pen = TTGlyphPen(glyph_set)
    cx, cy, arm = 800, 640, 600
    for angle in (90, 30, 150):
        a = math.radians(angle)
        stroke_contour(pen, cx - arm * math.cos(a), cy - arm * math.sin(a),
                       cx + arm * math.cos(a), cy + arm * math.sin(a), stroke)
    return pen.glyph(), 1600


def draw_quincunx(glyph_set, stroke):
    """A bar on top and two legs spreading down from its middle to the width of the bar."""
    pen = TTGlyphPen(glyph_set)
    left, right, bottom = 200, 1400, 0
    top = 1316 - stroke / 2
    middle = (left + right) / 2
    inset = stroke * 0.6
    stroke_contour(pen, left, top, right, top, stroke)
    stroke_contour(pen, left + inset, bottom + stroke / 2, middle, top, stroke)
    stroke_contour(pen, middle, top, right - inset, bottom + stroke / 2, stroke)
    return pen.glyph(), 1600


def draw_monogram(font, glyph_set, letters, squeeze):
    """Two letters of the source font side by side, condensed horizontally into one glyph."""
    pen = TTGlyphPen(glyph_set)
    cmap = font.getBestCmap()
    x = 0
    for letter in letters:
        name = cmap[ord(letter)]
        advance, _ = font["hmtx"][name]
        glyph_set[name].draw(TransformPen(pen, (squeeze, 0, 0, 1, x, 0)))
        x += advance * squeeze
    return pen.glyph(), round(x)


def build(source, output):
    font = TTFont(source, recalcTimestamp=False)
    cmap = font.getBestCmap()
    stroke = 140  # about the line width of DejaVu Sans's geometric symbols

    # Keep ASCII and the source symbols only, without hinting or layout tables.
    ascii_codes = list(range(0x20, 0x7F))
    symbol_sources = [src for _, _, src, _ in SYMBOLS if src is not None]
    options = Options()
    options.hinting = False
    options.layout_features = []
    options.name_IDs = []
    options.name_languages = [0x409]
    options.glyph_names = True
    options.notdef_outline = True
    options.drop_tables += ["FFTM", "MATH", "GDEF", "GPOS", "GSUB", "kern", "gasp"]
    subsetter = Subsetter(options=options)
    subsetter.populate(unicodes=ascii_codes + symbol_sources)
    subsetter.subset(font)

    glyf, hmtx = font["glyf"], font["hmtx"]
    order = font.getGlyphOrder()
    renames = {}
    for name, _, src, _ in SYMBOLS:
        if src is not None:
            renames[cmap[src]] = name
    order = [renames.get(g, g) for g in order]
    glyf.glyphs = {renames.get(g, g): v for g, v in glyf.glyphs.items()}
    hmtx.metrics = {renames.get(g, g): v for g, v in hmtx.metrics.items()}

    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    glyph_set = font.getGlyphSet()

    # The glyphs drawn here.
    drawn = {
        "sextile": draw_sextile(glyph_set, stroke),
        "quincunx": draw_quincunx(glyph_set, stroke),
        "ascendant": draw_monogram(font, glyph_set, "AC", 0.78),
        "midheaven": draw_monogram(font, glyph_set, "MC", 0.70),
    }
    for name, (glyph, advance) in drawn.items():
        glyph.recalcBounds(glyf)
        glyf.glyphs[name] = glyph
        hmtx.metrics[name] = (advance, glyph.xMin)
        order.append(name)
    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    if "post" in font:
        font["post"].formatType = 2.0
        font["post"].extraNames = []
        font["post"].mapping = {}
    font["maxp"].numGlyphs = len(order)

    # Character map: ASCII, the 8-bit codes (as their Windows-1252 code points) and the Unicode symbols.
    mapping = {}
    for code in ascii_codes:
        mapping[code] = cmap[code]
    for name, code, src, extra in SYMBOLS:
        mapping[cp1252_to_unicode(code)] = name
        if src is not None:
            mapping[src] = name
        for cp in extra:
            mapping[cp] = name
    for table in font["cmap"].tables:
        table.cmap = {cp: g for cp, g in mapping.items() if table.format != 4 or cp <= 0xFFFF}
    font["cmap"].tables = [t for t in font["cmap"].tables if t.format == 4]

    # Names: family "GLYPHA", derived from DejaVu Sans (Bitstream Vera licence: the name must change).
    name = font["name"]
    name.names = []
    notice = ("Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. DejaVu changes are in public "
              "domain. GLYPHA: a subset of DejaVu Sans with astrological symbols added for Kelo.")
    for name_id, text in [(0, notice), (1, FAMILY), (2, "Regular"), (3, FAMILY + " Regular"),
                          (4, FAMILY), (5, "Version 1.000"), (6, FAMILY),
                          (13, "Bitstream Vera licence, see LICENSE-glypha.txt")]:
        name.setName(text, name_id, 3, 1, 0x409)
        name.setName(text, name_id, 1, 0, 0)

    head = font["head"]
    head.created = FIXED_TIMESTAMP
    head.modified = FIXED_TIMESTAMP
    os2 = font["OS/2"]
    os2.ulCodePageRange1 = 1  # Latin 1 (code page 1252)
    os2.ulCodePageRange2 = 0
    os2.usFirstCharIndex = min(mapping)
    os2.usLastCharIndex = min(max(mapping), 0xFFFF)
    os2.achVendID = "KELO"
    os2.fsType = 0

    font.save(output)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--source", default=DEFAULT_SOURCE)
    parser.add_argument("--output", default=os.path.join(here, "..", "assets", "glypha.ttf"))
    args = parser.parse_args()
    if not os.path.exists(args.source):
        sys.exit("source font not found: " + args.source + " (install fonts-dejavu-core)")
    build(args.source, args.output)


if __name__ == "__main__":
    main()
