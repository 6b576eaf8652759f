#!/usr/bin/env python3
"""Writes ui/realsuffix.ico: a page with a folded corner and a magnifier over
it, at 32x32 and 16x16, as 32-bit images. Run it again after changing the
drawing; the icon is committed, so the build doesn't need Python."""
import math
import pathlib
import struct


def pixel(x, y, n):
    """The colour (b, g, r, a) at (x, y) of an n-by-n image; y grows downwards."""
    s = n / 32.0
    fx, fy = (x + 0.5) / s, (y + 0.5) / s
    # The magnifier: a ring and a handle, in front of the page.
    cx, cy, r = 19.0, 17.0, 7.0
    d = math.hypot(fx - cx, fy - cy)
    if d <= r - 2.2:
        return (250, 220, 170, 255)          # lens: pale blue
    if d <= r:
        return (150, 80, 20, 255)            # rim: dark blue
    hx, hy = fx - cx, fy - cy
    along = (hx + hy) / math.sqrt(2)
    across = abs(hx - hy) / math.sqrt(2)
    if r <= along <= r + 8 and across <= 1.8:
        return (40, 60, 90, 255)             # handle: brown
    # The page, with its top right corner folded.
    if 5 <= fx <= 24 and 2 <= fy <= 29:
        if fx - 18 > fy - 2:
            return (0, 0, 0, 0)
        if fx >= 18 and fy <= 8 and fx - 18 >= fy - 2 - 0.8:
            return (120, 120, 120, 255)      # fold line
        if fx < 6 or fx > 23 or fy < 3 or fy > 28:
            return (90, 90, 90, 255)         # outline
        if fx >= 18 and fy <= 8:
            return (200, 200, 200, 255)      # folded flap
        return (255, 255, 255, 255)
    return (0, 0, 0, 0)


def image(n):
    """One BMP-in-ICO image: header, bottom-up BGRA rows, AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, n * n * 4, 0, 0, 0, 0)
    rows = b"".join(
        bytes(c for x in range(n) for c in pixel(x, y, n)) for y in reversed(range(n)))
    mask_row = ((n + 31) // 32) * 4
    mask = b"".join(
        bytes(
            sum(0x80 >> (x % 8) for x in range(b * 8, min(b * 8 + 8, n)) if pixel(x, y, n)[3] == 0)
            if b * 8 < n else 0
            for b in range(mask_row))
        for y in reversed(range(n)))
    return header + rows + mask


def main():
    sizes = (32, 16)
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    target = pathlib.Path(__file__).resolve().parent.parent / "ui" / "realsuffix.ico"
    target.write_bytes(out)


if __name__ == "__main__":
    main()
