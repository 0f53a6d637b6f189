"""Converts an xwd dump of a 24-bit true-colour screen to PNG, cropped:
xwd-to-png.py IN.xwd OUT.png [X Y WIDTH HEIGHT]. Run with Debian's python3 (Pillow)."""
import struct
import sys

from PIL import Image

data = open(sys.argv[1], "rb").read()
header = struct.unpack(">25I", data[:100])
header_size, width, height = header[0], header[4], header[5]
bits_per_pixel, bytes_per_line, colours = header[11], header[12], header[19]
if header[7] != 0 or bits_per_pixel not in (24, 32):
    sys.exit("xwd-to-png: not a little-endian 24- or 32-bit dump")
pixels = data[header_size + 12 * colours:]
image = Image.frombytes("RGB", (width, height), pixels, "raw", "BGRX" if bits_per_pixel == 32 else "BGR",
                        bytes_per_line)
x, y, w, h = map(int, sys.argv[3:7]) if len(sys.argv) == 7 else (0, 0, width, height)
image.crop((x, y, x + w, y + h)).save(sys.argv[2], optimize=True)
