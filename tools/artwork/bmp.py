"""Reading and writing the plain Windows bitmap that LoadBitmapA takes: a
BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER, a 256-entry palette, then
8-bit pixel rows bottom-up, each padded to a multiple of 4 bytes, uncompressed."""
import struct

FILE_HEADER = struct.Struct("<2sIHHI")
INFO_HEADER = struct.Struct("<IiiHHIIiiII")
BI_RGB = 0
PIXELS_PER_METRE = 2835   # 72 dpi


def row_stride(width):
    return (width + 3) & ~3


def encode(width, height, indices, palette):
    """indices: width*height palette indices, top row first; palette: 256 (r, g, b)."""
    assert len(indices) == width * height
    assert len(palette) == 256
    stride = row_stride(width)
    pad = b"\0" * (stride - width)
    rows = [bytes(indices[y * width:(y + 1) * width]) + pad for y in range(height)]
    pixels = b"".join(reversed(rows))          # bottom-up
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = FILE_HEADER.size + INFO_HEADER.size + len(colour_table)
    info = INFO_HEADER.pack(INFO_HEADER.size, width, height, 1, 8, BI_RGB, len(pixels),
                            PIXELS_PER_METRE, PIXELS_PER_METRE, 256, 0)
    head = FILE_HEADER.pack(b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + colour_table + pixels


def decode(data):
    """-> dict with width, height, bits, compression, colours_used, palette,
    indices (top row first) and rgb (list of (r, g, b) rows, top row first)."""
    magic, size, _, _, offset = FILE_HEADER.unpack_from(data, 0)
    if magic != b"BM" or size != len(data):
        raise ValueError("not a bitmap file")
    (hsize, width, height, planes, bits, compression, image_size, _, _, used,
     _) = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
    if hsize != 40 or planes != 1 or bits != 8 or compression != BI_RGB or height <= 0:
        raise ValueError("not an uncompressed bottom-up 8-bit bitmap")
    n = used or 256
    table = data[FILE_HEADER.size + hsize:FILE_HEADER.size + hsize + 4 * n]
    palette = [(table[4 * i + 2], table[4 * i + 1], table[4 * i]) for i in range(n)]
    stride = row_stride(width)
    if offset + stride * height != len(data):
        raise ValueError("pixel data has the wrong size")
    indices = bytearray()
    for y in range(height):
        src = offset + (height - 1 - y) * stride
        indices += data[src:src + width]
    return {
        "width": width, "height": height, "bits": bits, "compression": compression,
        "colours_used": n, "palette": palette, "indices": bytes(indices),
        "image_size": image_size,
    }


def rgb_rows(decoded):
    w, h, pal, idx = (decoded["width"], decoded["height"], decoded["palette"],
                      decoded["indices"])
    return [[pal[i] for i in idx[y * w:(y + 1) * w]] for y in range(h)]
