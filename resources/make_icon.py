#!/usr/bin/env python3
"""Draws the Kadermeister icon (red table-tennis paddle and ball) as a .ico.

Usage: python3 resources/make_icon.py OUTPUT.ico

Only the standard library is used; the output is byte-for-byte deterministic.
"""

import math
import struct
import sys
import zlib

SIZES = (16, 32, 48)
SUPERSAMPLE = 4

TRANSPARENT = None
BLADE = (212, 34, 38)
BLADE_LIGHT = (236, 72, 70)
BLADE_EDGE = (128, 12, 18)
HANDLE = (176, 112, 56)
HANDLE_LIGHT = (204, 146, 86)
HANDLE_EDGE = (96, 56, 24)
BALL = (255, 250, 242)
BALL_SHADE = (255, 190, 120)
BALL_EDGE = (64, 40, 28)

# Geometry in unit coordinates: x to the right, y downwards, icon = [0,1]^2.
BLADE_CX, BLADE_CY, BLADE_R = 0.52, 0.46, 0.32
HANDLE_DIR = (-math.sqrt(0.5), math.sqrt(0.5))
HANDLE_FROM, HANDLE_TO = 0.18, 0.635
HANDLE_HALF_WIDTH = 0.095
HANDLE_CORNER = 0.06
BALL_CX, BALL_CY, BALL_R = 0.83, 0.17, 0.16


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def rounded_rect_distance(u, v, half_len, half_wid, corner):
    qx = abs(u) - half_len + corner
    qy = abs(v) - half_wid + corner
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - corner


def sample(x, y, line):
    """Colour of the topmost shape at unit point (x, y), or TRANSPARENT.

    line is the outline width in unit coordinates, at least one pixel so
    that the edges survive at 16x16.
    """
    dx, dy = x - BALL_CX, y - BALL_CY
    d = math.hypot(dx, dy)
    if d <= BALL_R:
        if d > BALL_R - line:
            return BALL_EDGE
        # Light from the upper left, orange tint towards the lower right.
        t = ((dx - dy) / BALL_R * 0.5 + 0.5) * 0.9 - 0.15
        return mix(BALL, BALL_SHADE, t)

    dx, dy = x - BLADE_CX, y - BLADE_CY
    d = math.hypot(dx, dy)
    if d <= BLADE_R:
        if d > BLADE_R - 1.15 * line:
            return BLADE_EDGE
        hx, hy = dx + 0.35 * BLADE_R, dy + 0.35 * BLADE_R
        t = 1.0 - math.hypot(hx, hy) / (0.9 * BLADE_R)
        return mix(BLADE, BLADE_LIGHT, t)

    # Handle: rounded rectangle along HANDLE_DIR from the blade centre.
    u = dx * HANDLE_DIR[0] + dy * HANDLE_DIR[1]
    v = dx * HANDLE_DIR[1] - dy * HANDLE_DIR[0]
    mid = (HANDLE_FROM + HANDLE_TO) / 2
    half_len = (HANDLE_TO - HANDLE_FROM) / 2
    hd = rounded_rect_distance(u - mid, v, half_len, HANDLE_HALF_WIDTH,
                               HANDLE_CORNER)
    if hd <= 0.0:
        if hd > -line:
            return HANDLE_EDGE
        t = 1.0 - abs(v + 0.3 * HANDLE_HALF_WIDTH) / HANDLE_HALF_WIDTH
        return mix(HANDLE, HANDLE_LIGHT, t)

    return TRANSPARENT


def render(size):
    """Returns rows (top to bottom) of (b, g, r, a) tuples."""
    line = max(0.05, 0.85 / size)
    n = SUPERSAMPLE
    total = n * n
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(n):
                y = (py + (sy + 0.5) / n) / size
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    c = sample(x, y, line)
                    if c is not TRANSPARENT:
                        hits += 1
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
            if hits == 0:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (int(round(ch / hits)) for ch in acc)
            a = (hits * 255 + total // 2) // total
            row.append((b, g, r, a))
        rows.append(row)
    return rows


def bmp_image(size):
    rows = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         0, 0, 0, 0, 0)
    color = bytearray()
    for row in reversed(rows):
        for px in row:
            color += bytes(px)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            # Set bit = transparent; only used by systems ignoring alpha.
            if px[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    data = header + color + mask
    # biSizeImage is allowed to be 0 for BI_RGB; fill it in anyway.
    return data[:20] + struct.pack('<I', len(color) + len(mask)) + data[24:]


def png_image(size):
    """The image as a PNG, which icons hold since Windows Vista: a third of the bitmap's bytes.
    Only the largest size is stored so; the window's own icons are read from the others."""
    raw = bytearray()
    for row in render(size):
        raw.append(0)  # no filter
        for b, g, r, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def build_ico():
    images = [png_image(s) if s >= 48 else bmp_image(s) for s in SIZES]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, img in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(img),
                           offset)
        offset += len(img)
    for img in images:
        out += img
    return bytes(out)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write('usage: make_icon.py OUTPUT.ico\n')
        return 2
    with open(argv[1], 'wb') as f:
        f.write(build_ico())
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
