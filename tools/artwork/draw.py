"""Drawing primitives on cairo surfaces: conversion to and from Pillow images,
lettering (FreeType through Pillow, hinted, placed on whole pixels), shapes."""
import math

import cairo
from PIL import Image, ImageDraw, ImageFont

import colours

_font_cache = {}


def font(kind, size):
    key = (kind, size)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(
            colours.FONT_FILES[kind], size, layout_engine=ImageFont.Layout.BASIC)
    return _font_cache[key]


# --- surfaces ---------------------------------------------------------------

def new_surface(w, h):
    return cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)


def scaled_context(surf, scale):
    """A context that draws in panel pixels on a surface `scale` times as large."""
    cr = cairo.Context(surf)
    cr.scale(scale, scale)
    return cr


def surface_from_image(img):
    """An opaque RGB Pillow image as a cairo surface."""
    img = img.convert("RGB")
    w, h = img.size
    surf = new_surface(w, h)
    stride = surf.get_stride()
    raw = img.convert("RGBA").tobytes("raw", "BGRA")
    data = surf.get_data()
    for y in range(h):
        data[y * stride:y * stride + 4 * w] = raw[y * 4 * w:(y + 1) * 4 * w]
    surf.mark_dirty()
    return surf


def image_from_surface(surf):
    """A cairo surface as an RGB Pillow image (the surface is opaque)."""
    surf.flush()
    w, h = surf.get_width(), surf.get_height()
    img = Image.frombuffer("RGBA", (w, h), bytes(surf.get_data()), "raw", "BGRA",
                           surf.get_stride(), 1)
    return img.convert("RGB")


def alpha_from_surface(surf):
    """The alpha channel of a cairo ARGB surface as an 'L' image."""
    surf.flush()
    w, h = surf.get_width(), surf.get_height()
    img = Image.frombuffer("RGBA", (w, h), bytes(surf.get_data()), "raw", "BGRA",
                           surf.get_stride(), 1)
    return img.getchannel("A")


# --- lettering ----------------------------------------------------------------

def _advances(s, f, tracking):
    """Left edge of each letter: the kerned, hinted advance of the text before it,
    plus whole-pixel letter spacing."""
    return [f.getlength(s[:i + 1]) - f.getlength(s[i]) + i * tracking
            for i in range(len(s))]


def text_width(s, kind, size, tracking=0):
    f = font(kind, size)
    return f.getlength(s) + tracking * (len(s) - 1)


def cap_height(kind, size):
    box = font(kind, size).getbbox("H", anchor="ls")
    return -box[1]


def text(cr, s, x, y, kind, size, colour, align="centre", valign="baseline",
         tracking=0, alpha=1.0):
    """Letters s at (x, y): x is the left, centre or right end; y the baseline or,
    with valign='middle', the middle of the capitals; tracking adds whole pixels
    between letters. Letters sit on whole pixels so the hinted outlines stay crisp."""
    # Rendered at the surface's own resolution: at twice the size the letters are
    # hinted at twice the size, not stretched.
    scale = cr.get_matrix().xx
    x, y = cr.user_to_device(x, y)
    size, tracking = int(size * scale), tracking * scale
    f = font(kind, size)
    w = text_width(s, kind, size, tracking)
    left = {"left": x, "centre": x - w / 2.0, "right": x - w}[align]
    base = y if valign == "baseline" else y + cap_height(kind, size) / 2.0
    left, base = int(math.floor(left + 0.5)), int(math.floor(base + 0.5))
    pad = size
    mw, mh = int(math.ceil(w)) + 2 * pad, 3 * size
    mask = Image.new("L", (mw, mh), 0)
    d = ImageDraw.Draw(mask)
    if tracking:
        for ch, pos in zip(s, _advances(s, f, tracking)):
            d.text((pad + int(math.floor(pos + 0.5)), 2 * size), ch, fill=255, font=f,
                   anchor="ls")
    else:
        d.text((pad, 2 * size), s, fill=255, font=f, anchor="ls")
    stride = cairo.ImageSurface.format_stride_for_width(cairo.FORMAT_A8, mw)
    buf = bytearray(stride * mh)
    raw = mask.tobytes()
    for row in range(mh):
        buf[row * stride:row * stride + mw] = raw[row * mw:(row + 1) * mw]
    msurf = cairo.ImageSurface.create_for_data(buf, cairo.FORMAT_A8, mw, mh, stride)
    cr.save()
    cr.identity_matrix()
    cr.set_source_rgba(*colour, alpha)
    cr.mask_surface(msurf, left - pad, base - 2 * size)
    cr.restore()


# --- shapes -------------------------------------------------------------------

def rounded_rect(cr, x, y, w, h, r):
    cr.new_sub_path()
    cr.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    cr.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    cr.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    cr.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    cr.close_path()


def vgradient(y0, y1, stops):
    """A top-to-bottom gradient through (offset, (r, g, b)) stops."""
    g = cairo.LinearGradient(0, y0, 0, y1)
    for offset, colour in stops:
        g.add_color_stop_rgb(offset, *colour)
    return g


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def polar(cx, cy, r, deg):
    """Point at radius r in the direction deg, clockwise from 12 o'clock."""
    a = math.radians(deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


def line(cr, x0, y0, x1, y1, width, colour, alpha=1.0, cap=cairo.LINE_CAP_BUTT):
    cr.save()
    cr.set_source_rgba(*colour, alpha)
    cr.set_line_width(width)
    cr.set_line_cap(cap)
    cr.move_to(x0, y0)
    cr.line_to(x1, y1)
    cr.stroke()
    cr.restore()


def soft_shadow(cr, cx, cy, r, spread, alpha):
    """A round shadow fading out over `spread` pixels beyond radius r."""
    g = cairo.RadialGradient(cx, cy, max(r - 2, 0), cx, cy, r + spread)
    g.add_color_stop_rgba(0, 0, 0, 0, alpha)
    g.add_color_stop_rgba(1, 0, 0, 0, 0)
    cr.save()
    cr.set_source(g)
    cr.arc(cx, cy, r + spread, 0, 2 * math.pi)
    cr.fill()
    cr.restore()


def screw(cr, cx, cy, r=3.5, slot_deg=30.0):
    """A countersunk panel screw with a slot."""
    cr.save()
    cr.arc(cx, cy, r + 1, 0, 2 * math.pi)
    cr.set_source_rgba(0, 0, 0, 0.55)
    cr.fill()
    g = cairo.RadialGradient(cx - r * 0.4, cy - r * 0.5, 0.3, cx, cy, r)
    g.add_color_stop_rgb(0, *colours.rgb("#d6d7d9"))
    g.add_color_stop_rgb(1, *colours.rgb("#6b6e73"))
    cr.arc(cx, cy, r, 0, 2 * math.pi)
    cr.set_source(g)
    cr.fill()
    x0, y0 = polar(cx, cy, r * 0.8, slot_deg)
    x1, y1 = polar(cx, cy, r * 0.8, slot_deg + 180)
    line(cr, x0, y0, x1, y1, 1.1, colours.rgb("#2a2b2e"))
    cr.restore()
