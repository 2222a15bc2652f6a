#!/usr/bin/python3
"""Writes kelo.ico: a chart wheel (two rings, twelve house spokes, one glyph dot) on a dark-blue disc,
at 16, 24, 32, 48 and 256 pixels, 32-bit with alpha. Run from this folder: /usr/bin/python3 make_icon.py"""
import math
import struct
import zlib

SIZES = (16, 24, 32, 48, 256)
NAVY = (16, 24, 72)
YELLOW = (255, 224, 64)
WHITE = (255, 255, 255)
SUPERSAMPLE = 4


def coverage(size):
    """RGBA rows, top row first, drawn by supersampling the wheel in unit coordinates (-1..1)."""
    rows = []
    n = size * SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = ((px * SUPERSAMPLE + sx + 0.5) / n) * 2 - 1
                    y = 1 - ((py * SUPERSAMPLE + sy + 0.5) / n) * 2
                    r = math.hypot(x, y)
                    if r > 0.98:
                        continue
                    colour = NAVY
                    line = max(0.06, 1.6 / size)
                    if abs(r - 0.86) < line or abs(r - 0.42) < line:
                        colour = YELLOW
                    elif 0.42 < r < 0.86:
                        angle = math.degrees(math.atan2(y, x)) % 30
                        if min(angle, 30 - angle) * math.pi / 180 * r < line * 0.8:
                            colour = YELLOW
                    if math.hypot(x - 0.0, y - 0.64) < 0.11:
                        colour = WHITE
                    acc[0] += colour[0]
                    acc[1] += colour[1]
                    acc[2] += colour[2]
                    acc[3] += 255
            k = SUPERSAMPLE * SUPERSAMPLE
            alpha = acc[3] / k
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(c / (acc[3] / 255))) for c in acc[:3]) + (int(round(alpha)),))
        rows.append(row)
    return rows


def bmp_image(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # all opaque: the alpha channel decides
    return header + pixels + mask


def png_image(size, rows):
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    images = []
    for size in SIZES:
        rows = coverage(size)
        images.append((size, png_image(size, rows) if size >= 256 else bmp_image(size, rows)))
    offset = 6 + 16 * len(images)
    directory = b""
    data = b""
    for size, image in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    with open("kelo.ico", "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + directory + data)


if __name__ == "__main__":
    main()
