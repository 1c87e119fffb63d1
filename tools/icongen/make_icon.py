#!/usr/bin/env python3
"""Draws the program icon (a television with a play sign) and writes
res/vorlantv.ico with the usual sizes. Run from anywhere:
    python3 tools/icongen/make_icon.py
Small sizes are stored as 32-bit bitmaps, 256 as PNG."""
import math
import os
import struct
import zlib

SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
SUPERSAMPLE = 4


def rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def near_segment(x, y, ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2


def in_triangle(x, y, a, b, c):
    def side(p, q, r):
        return (p[0] - r[0]) * (q[1] - r[1]) - (q[0] - r[0]) * (p[1] - r[1])
    d1, d2, d3 = side((x, y), a, b), side((x, y), b, c), side((x, y), c, a)
    return not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0))


def colour_at(u, v):
    """RGBA of the design at (u, v) in a 0..1 square, or None (transparent)."""
    if in_triangle(u, v, (0.43, 0.43), (0.43, 0.71), (0.66, 0.57)):
        return (255, 255, 255, 255)
    if rounded_rect(u, v, 0.16, 0.33, 0.84, 0.81, 0.06):
        shade = (v - 0.33) / 0.48
        return (int(70 - 40 * shade), int(170 - 60 * shade), int(245 - 50 * shade), 255)
    if rounded_rect(u, v, 0.06, 0.24, 0.94, 0.90, 0.12):
        return (28, 44, 84, 255)
    if rounded_rect(u, v, 0.30, 0.88, 0.70, 0.96, 0.03):
        return (28, 44, 84, 255)
    if near_segment(u, v, 0.50, 0.24, 0.30, 0.05, 0.06) or near_segment(u, v, 0.50, 0.24, 0.70, 0.05, 0.06):
        return (28, 44, 84, 255)
    if rounded_rect(u, v, 0.44, 0.18, 0.56, 0.27, 0.05):
        return (231, 76, 60, 255)
    return None


def render(size):
    pixels = []
    n = SUPERSAMPLE
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((x + (sx + 0.5) / n) / size, (y + (sy + 0.5) / n) / size)
                    if c:
                        for i in range(3):
                            acc[i] += c[i] * c[3]
                        acc[3] += c[3]
            a = acc[3] / (n * n)
            if acc[3]:
                row.append(tuple(int(round(acc[i] / acc[3])) for i in range(3)) + (int(round(a)),))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def bmp_entry(size, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def png_entry(size, pixels):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in pixels)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    entries = []
    for size in SIZES:
        pixels = render(size)
        entries.append((size, png_entry(size, pixels) if size >= 256 else bmp_entry(size, pixels)))
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        dim = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in entries)
    target = os.path.join(os.path.dirname(__file__), '..', '..', 'res', 'vorlantv.ico')
    with open(target, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
