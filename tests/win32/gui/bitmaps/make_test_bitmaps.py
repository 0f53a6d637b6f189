#!/usr/bin/env python3
"""Writes the toolkit tests' small bitmaps into this folder (run it again after changing it).

Every film strip frame has a marker colour on its first row and a body colour
below it, so a copy that is off by a row shows. No picture but the handle has
pure white in it. The tests read expected colours back from the loaded
pictures, so only the layout here matters to them, not the colours.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
WHITE = (255, 255, 255)


def write_bmp(name, width, height, pixel, indexed):
    """pixel(x, y) -> (r, g, b), y counted from the top."""
    rows = [[pixel(x, y) for x in range(width)] for y in range(height)]
    if indexed:
        palette = sorted({c for row in rows for c in row})
        assert len(palette) <= 256, name
        index = {c: i for i, c in enumerate(palette)}
        stride = (width + 3) & ~3
        body = b"".join(bytes(index[c] for c in row).ljust(stride, b"\0") for row in reversed(rows))
        colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + bytes(4 * (256 - len(palette)))
        bits = 8
    else:
        stride = (3 * width + 3) & ~3
        body = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row).ljust(stride, b"\0") for row in reversed(rows))
        colours = b""
        bits = 24
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(body), 2835, 2835,
                       256 if indexed else 0, 0)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(header + info + colours + body)


def marker(k):
    return (250 - 4 * k, 10 + 4 * k, 128)


def body(k):
    return (10 + 5 * k, 240 - 5 * k, 30 + 2 * k)


def strip(frame_height):
    return lambda x, y: marker(y // frame_height) if y % frame_height == 0 else body(y // frame_height)


def handle(x, y):
    # Transparent corners and one transparent pixel in the middle.
    corners = min(x, 23 - x) + min(y, 37 - y) < 3
    if corners or (x, y) == (12, 19):
        return WHITE
    return (20 + 5 * y, 60 + 40 * (x % 2), 200 - 3 * y)


def digits(x, y):
    digit = x // 8
    return marker(digit) if x % 8 == 0 else body(digit)


write_bmp("background.bmp", 200, 150, lambda x, y: (x, y, 64), indexed=False)
write_bmp("knob_strip.bmp", 40, 30 * 67, strip(67), indexed=True)
write_bmp("handle.bmp", 24, 38, handle, indexed=True)
write_bmp("switch_strip.bmp", 45, 5 * 16, strip(16), indexed=True)
write_bmp("selector_strip.bmp", 70, 3 * 74, strip(74), indexed=True)
write_bmp("digits.bmp", 80, 12, digits, indexed=True)
