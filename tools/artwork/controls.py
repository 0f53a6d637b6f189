"""The controls, each drawn over a crop of the background at its place (or, for
the slide switches and the fader handle, on their own)."""
import math

import cairo

import colours as C
import draw
import layout as L

KNOB_RADIUS = 17.0
KNOB_CAP_RADIUS = 12.5
POINTER_INNER, POINTER_OUTER = 4.0, 16.0


def _scale_of(background):
    return background.width // L.PANEL_W


def crop_at(background, x, y, w, h):
    """The background under a control's place, at the background's scale."""
    s = _scale_of(background)
    return background.crop((s * x, s * y, s * (x + w), s * (y + h)))


def context_on(img, scale):
    surf = draw.surface_from_image(img)
    return surf, draw.scaled_context(surf, scale)


def knob(cr, cx, cy, deg):
    """A black knob with a knurled skirt, lit from above; the pointer at deg."""
    draw.soft_shadow(cr, cx + 0.6, cy + 1.6, KNOB_RADIUS, 3.5, 0.75)
    # skirt
    cr.arc(cx, cy, KNOB_RADIUS, 0, 2 * math.pi)
    cr.set_source(draw.vgradient(cy - KNOB_RADIUS, cy + KNOB_RADIUS,
                                 [(0, C.KNOB_SKIRT_TOP), (1, C.KNOB_SKIRT_BOTTOM)]))
    cr.fill()
    # knurling turns with the knob
    cr.save()
    cr.arc(cx, cy, KNOB_RADIUS - 0.4, 0, 2 * math.pi)
    cr.clip()
    for i in range(32):
        a = deg + i * 360.0 / 32
        x0, y0 = draw.polar(cx, cy, KNOB_CAP_RADIUS + 0.5, a)
        x1, y1 = draw.polar(cx, cy, KNOB_RADIUS + 1, a)
        draw.line(cr, x0, y0, x1, y1, 0.9, (0, 0, 0), 0.45)
    cr.restore()
    # a bright rim on the upper edge of the skirt
    cr.save()
    cr.arc(cx, cy, KNOB_RADIUS - 0.5, math.radians(200), math.radians(340))
    cr.set_source_rgba(1, 1, 1, 0.22)
    cr.set_line_width(1)
    cr.stroke()
    cr.restore()
    # cap: a shallow dish, darker at the top edge, with a soft sheen
    cr.arc(cx, cy, KNOB_CAP_RADIUS + 0.8, 0, 2 * math.pi)
    cr.set_source_rgba(0, 0, 0, 0.6)
    cr.fill()
    cr.arc(cx, cy, KNOB_CAP_RADIUS, 0, 2 * math.pi)
    cr.set_source(draw.vgradient(cy - KNOB_CAP_RADIUS, cy + KNOB_CAP_RADIUS,
                                 [(0, C.KNOB_CAP_BOTTOM), (1, C.KNOB_CAP_TOP)]))
    cr.fill()
    sheen = cairo.RadialGradient(cx - 3, cy - 5, 0.5, cx - 3, cy - 5, KNOB_CAP_RADIUS)
    sheen.add_color_stop_rgba(0, 1, 1, 1, 0.16)
    sheen.add_color_stop_rgba(1, 1, 1, 1, 0)
    cr.arc(cx, cy, KNOB_CAP_RADIUS, 0, 2 * math.pi)
    cr.set_source(sheen)
    cr.fill()
    # pointer
    x0, y0 = draw.polar(cx, cy, POINTER_INNER, deg)
    x1, y1 = draw.polar(cx, cy, POINTER_OUTER, deg)
    draw.line(cr, x0, y0, x1, y1, 2.0, C.POINTER, cap=cairo.LINE_CAP_ROUND)


def knob_strip(background, name):
    """30 frames, minimum to maximum, each the background at the knob's place with
    the knob drawn over it."""
    x, y = L.KNOB_PLACES[name]
    crop = crop_at(background, x, y, L.KNOB_W, L.KNOB_H)
    frames = []
    for k in range(30):
        surf, cr = context_on(crop, _scale_of(background))
        knob(cr, L.KNOB_CENTRE[0], L.KNOB_CENTRE[1], L.frame_angle_deg(k))
        frames.append(draw.image_from_surface(surf))
    return frames


def selector(cr, cx, cy, deg):
    """A 'chicken head' rotary selector pointing at deg."""
    def outline(dx, dy):
        # a tapered bar: long pointed end towards deg, short round tail behind
        cr.save()
        cr.translate(cx + dx, cy + dy)
        cr.rotate(math.radians(deg))
        cr.move_to(-3.0, -17.5)
        cr.curve_to(-1.5, -19.5, 1.5, -19.5, 3.0, -17.5)
        cr.line_to(6.5, 2)
        cr.curve_to(6.5, 10, -6.5, 10, -6.5, 2)
        cr.close_path()
        cr.restore()

    draw.soft_shadow(cr, cx + 0.6, cy + 1.6, 11, 3.5, 0.7)
    outline(0.8, 1.8)
    cr.set_source_rgba(0, 0, 0, 0.5)
    cr.fill()
    # round base under the bar
    cr.arc(cx, cy, 11, 0, 2 * math.pi)
    cr.set_source(draw.vgradient(cy - 11, cy + 11,
                                 [(0, C.KNOB_SKIRT_TOP), (1, C.KNOB_SKIRT_BOTTOM)]))
    cr.fill()
    cr.save()
    cr.arc(cx, cy, 10.5, math.radians(200), math.radians(340))
    cr.set_source_rgba(1, 1, 1, 0.2)
    cr.set_line_width(1)
    cr.stroke()
    cr.restore()
    outline(0, 0)
    cr.set_source(draw.vgradient(cy - 19, cy + 19,
                                 [(0, C.rgb("#4b4e54")), (1, C.rgb("#141517"))]))
    cr.fill_preserve()
    cr.set_source_rgba(0, 0, 0, 0.8)
    cr.set_line_width(0.8)
    cr.stroke()
    x0, y0 = draw.polar(cx, cy, 2.5, deg)
    x1, y1 = draw.polar(cx, cy, 16.0, deg)
    draw.line(cr, x0, y0, x1, y1, 1.8, C.POINTER, cap=cairo.LINE_CAP_ROUND)


def selector_strip(background, name):
    x, y = L.SELECTOR_PLACES[name]
    crop = crop_at(background, x, y, L.SELECTOR_W, L.SELECTOR_H)
    frames = []
    for deg in L.SELECTOR_ANGLES_DEG:
        surf, cr = context_on(crop, _scale_of(background))
        selector(cr, L.SELECTOR_CENTRE[0], L.SELECTOR_CENTRE[1], deg)
        frames.append(draw.image_from_surface(surf))
    return frames


BUTTON_CENTRE = (19.0, 19.0)


def mode_button(background):
    """Two frames: the lamp button unlit, then lit red."""
    x, y = L.MODE_BUTTON_PLACE
    s = L.MODE_BUTTON_SIZE
    crop = crop_at(background, x, y, s, s)
    frames = []
    bx, by = BUTTON_CENTRE
    for lit in (False, True):
        surf, cr = context_on(crop, _scale_of(background))
        half = 7.5
        draw.rounded_rect(cr, bx - half - 0.2, by - half + 1.0, 2 * half + 0.4, 2 * half, 3)
        cr.set_source_rgba(0, 0, 0, 0.6)
        cr.fill()
        draw.rounded_rect(cr, bx - half, by - half, 2 * half, 2 * half, 3)
        cr.set_source(draw.vgradient(by - half, by + half,
                                     [(0, C.rgb("#55585e")), (1, C.rgb("#1b1c1f"))]))
        cr.fill()
        draw.rounded_rect(cr, bx - half + 1.5, by - half + 1.5, 2 * half - 3, 2 * half - 3, 2)
        cr.set_source(draw.vgradient(by - half, by + half,
                                     [(0, C.rgb("#2a2c30")), (1, C.rgb("#3a3d42"))]))
        cr.fill()
        r = 4.2
        cr.arc(bx, by, r + 1, 0, 2 * math.pi)
        cr.set_source_rgb(0.05, 0.05, 0.05)
        cr.fill()
        if lit:
            glow = cairo.RadialGradient(bx, by, r, bx, by, r + 4.5)
            glow.add_color_stop_rgba(0, *C.LAMP_GLOW, 0.55)
            glow.add_color_stop_rgba(1, *C.LAMP_GLOW, 0)
            cr.arc(bx, by, r + 4.5, 0, 2 * math.pi)
            cr.set_source(glow)
            cr.fill()
            g = cairo.RadialGradient(bx - 1, by - 1.2, 0.3, bx, by, r)
            g.add_color_stop_rgb(0, *C.rgb("#fff0e0"))
            g.add_color_stop_rgb(0.35, *C.LAMP_ON)
            g.add_color_stop_rgb(1, *C.rgb("#b01208"))
        else:
            g = cairo.RadialGradient(bx - 1, by - 1.2, 0.3, bx, by, r)
            g.add_color_stop_rgb(0, *C.rgb("#8a3a33"))
            g.add_color_stop_rgb(0.4, *C.LAMP_OFF)
            g.add_color_stop_rgb(1, *C.rgb("#240806"))
        cr.arc(bx, by, r, 0, 2 * math.pi)
        cr.set_source(g)
        cr.fill()
        frames.append(draw.image_from_surface(surf))
    return frames


def _slide_switch(background, place, cap_lefts, cap_w):
    x, y = place
    crop = crop_at(background, x, y, L.SLIDE_W, L.SLIDE_H)
    frames = []
    for cap_x in cap_lefts:
        surf, cr = context_on(crop, _scale_of(background))
        w, h = L.SLIDE_W, L.SLIDE_H
        # housing: a bevelled metal frame with a dark slot
        draw.rounded_rect(cr, 0, 0, w, h, 3)
        cr.set_source(draw.vgradient(0, h, [(0, C.rgb("#0f1012")), (1, C.rgb("#3c4046"))]))
        cr.fill()
        draw.rounded_rect(cr, 1, 1, w - 2, h - 2, 2.5)
        cr.set_source(draw.vgradient(0, h, [(0, C.rgb("#050506")), (1, C.rgb("#111214"))]))
        cr.fill()
        # cap with its shadow and vertical ribs
        cy0, cy1 = 2.0, h - 2.0
        draw.rounded_rect(cr, cap_x + 0.5, cy0 + 1, cap_w, cy1 - cy0, 1.5)
        cr.set_source_rgba(0, 0, 0, 0.7)
        cr.fill()
        draw.rounded_rect(cr, cap_x, cy0, cap_w, cy1 - cy0, 1.5)
        cr.set_source(draw.vgradient(cy0, cy1, [(0, C.METAL_LIGHT), (1, C.METAL_DARK)]))
        cr.fill()
        for i in range(1, int(cap_w) - 1, 2):
            draw.line(cr, cap_x + i + 0.5, cy0 + 1.5, cap_x + i + 0.5, cy1 - 1.5, 1,
                      (0.1, 0.1, 0.12), 0.45)
        draw.line(cr, cap_x + 0.5, cy0 + 0.5, cap_x + cap_w - 0.5, cy0 + 0.5, 1,
                  (1, 1, 1), 0.5)
        frames.append(draw.image_from_surface(surf))
    return frames


def slide_switch_3(background):
    """Left, middle, right: the cap over each third of the slot."""
    return _slide_switch(background, L.SLIDE_SWITCH_PLACES["cutRange"], (2, 15, 28), 15)


def slide_switch_2(background):
    return _slide_switch(background, L.SLIDE_SWITCH_PLACES["softHard"], (2, 25), 18)


def slider_handle(background):
    """The fader cap. Returns (rgb image, mask of the transparent corners): the caller
    paints the mask pure white after quantising."""
    w, h = L.HANDLE_W, L.HANDLE_H
    scale = _scale_of(background)
    surf = draw.new_surface(w * scale, h * scale)
    cr = draw.scaled_context(surf, scale)
    draw.rounded_rect(cr, 0, 0, w, h, 3.5)
    cr.set_source(draw.vgradient(0, h, [(0, C.rgb("#6b6f76")), (0.48, C.rgb("#2c2e32")),
                                        (0.52, C.rgb("#2c2e32")), (1, C.rgb("#0e0f10"))]))
    cr.fill()
    # grip ribs above and below the centre line
    for row in list(range(4, 15, 2)) + list(range(23, 35, 2)):
        draw.line(cr, 2, row + 0.5, w - 2, row + 0.5, 1, (0, 0, 0), 0.45)
        draw.line(cr, 2, row + 1.5, w - 2, row + 1.5, 1, (1, 1, 1), 0.10)
    # edges
    draw.rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 3)
    cr.set_source_rgba(0, 0, 0, 0.85)
    cr.set_line_width(1)
    cr.stroke()
    draw.line(cr, 2, 1.5, w - 2, 1.5, 1, (1, 1, 1), 0.35)
    # the value line, level with the scale ticks
    mid = h // 2 - 1
    draw.line(cr, 1, mid + 0.5, w - 1, mid + 0.5, 1.0, C.POINTER)
    alpha = draw.alpha_from_surface(surf)
    # compose over the plate colour beside the slot: the anti-aliased rim then blends
    # into the panel rather than into white
    sx = L.SLIDER_TRACKS["input"][0]
    under = crop_at(background, sx, 100, w, h)
    base = draw.surface_from_image(under)
    bcr = cairo.Context(base)
    bcr.set_source_surface(surf, 0, 0)
    bcr.paint()
    img = draw.image_from_surface(base)
    corners = alpha.point(lambda a: 255 if a < 96 else 0)
    return img, corners
