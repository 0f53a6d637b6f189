"""The panel background: faceplate, framed sections, scales, lettering, name plate
and slider slots. Everything printed on the panel lives here; the controls draw
only themselves over crops of this picture."""
import math

import cairo

import colours as C
import draw
import layout as L

# Framed sections: (left, top, right, bottom).
CUTOFF = (47, 10, 153, 171)
RESONANCE = (156, 10, 249, 111)
TRACKING = (252, 10, 352, 171)
LFO = (47, 182, 352, 278)
NAME_PLATE = (158, 117, 247, 168)

TITLE_SIZE = 8
HEADER_HEIGHT = 16
LABEL_SIZE = 7
SCALE_SIZE = 7
SWITCH_LABEL_SIZE = 6
MODE_WORD_X = 19   # the word's centre, from the button's left edge (= the lamp's)

# Knob scales.
TICK_INNER = 20.0
TICK_OUTER = 23.0
TICK_OUTER_MAJOR = 24.5
NUMBER_RADIUS = 30.0

SELECTOR_LABEL_RADIUS = 26.5
SELECTOR_MARK_RADIUS = 19.5
SELECTOR_SIDE_LABEL_DX = 22.0
SELECTOR_SIDE_LABEL_RISE = 9.0


def knob_centre(name):
    x, y = L.KNOB_PLACES[name]
    return x + L.KNOB_CENTRE[0], y + L.KNOB_CENTRE[1]


def selector_centre(name):
    x, y = L.SELECTOR_PLACES[name]
    return x + L.SELECTOR_CENTRE[0], y + L.SELECTOR_CENTRE[1]


# --- pieces ---------------------------------------------------------------------

def faceplate(cr, scale):
    w, h = L.PANEL_W, L.PANEL_H
    cr.set_source(draw.vgradient(0, h, [(0, C.PLATE_TOP), (1, C.PLATE_BOTTOM)]))
    cr.rectangle(0, 0, w, h)
    cr.fill()
    # Fine horizontal brushing: a fixed pattern of faint lines, one per pixel row
    # of the surface.
    seed = 12345
    for row in range(h * scale):
        y = row / scale
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        shade = ((seed >> 16) % 7 - 3) / 3.0     # -1 .. 1
        if shade > 0:
            cr.set_source_rgba(1, 1, 1, 0.012 * shade)
        elif shade < 0:
            cr.set_source_rgba(0, 0, 0, -0.02 * shade)
        else:
            continue
        cr.rectangle(0, y, w, 1 / scale)
        cr.fill()
    # Bevelled outer edge.
    draw.line(cr, 0, 0.5, w, 0.5, 1, C.PLATE_EDGE_LIGHT)
    draw.line(cr, 0.5, 0, 0.5, h, 1, C.PLATE_EDGE_LIGHT, 0.7)
    draw.line(cr, 0, h - 0.5, w, h - 0.5, 1, C.PLATE_EDGE_DARK)
    draw.line(cr, w - 0.5, 0, w - 0.5, h, 1, C.PLATE_EDGE_DARK)
    for x, y in ((7.5, 7.5), (w - 7.5, 7.5), (7.5, h - 7.5), (w - 7.5, h - 7.5)):
        draw.screw(cr, x, y)


def section(cr, box, title):
    """A recessed field with its title in amber across the top."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    r = 4
    # highlight below/right, shadow above/left: the field is sunk into the plate
    draw.rounded_rect(cr, x0 + 0.5, y0 + 0.5, w, h, r)
    cr.set_source_rgb(*C.SECTION_HIGHLIGHT)
    cr.fill()
    draw.rounded_rect(cr, x0 - 0.5, y0 - 0.5, w, h, r)
    cr.set_source_rgb(*C.SECTION_SHADOW)
    cr.fill()
    draw.rounded_rect(cr, x0, y0, w, h, r)
    cr.set_source(draw.vgradient(y0, y1, [(0, C.SECTION_FILL),
                                          (1, draw.mix(C.SECTION_FILL, (0, 0, 0), 0.12))]))
    cr.fill()
    if title:
        # a slightly raised strip across the top carries the title
        band = HEADER_HEIGHT
        cr.save()
        draw.rounded_rect(cr, x0, y0, w, h, r)
        cr.clip()
        cr.rectangle(x0, y0, w, band)
        cr.set_source(draw.vgradient(y0, y0 + band, [(0, C.HEADER_TOP), (1, C.HEADER_BOTTOM)]))
        cr.fill()
        cr.restore()
        draw.line(cr, x0, y0 + band + 0.5, x1, y0 + band + 0.5, 1, C.SECTION_SHADOW)
        draw.line(cr, x0, y0 + band + 1.5, x1, y0 + band + 1.5, 1, C.HEADER_BOTTOM, 0.5)
        cx = (x0 + x1) / 2.0
        draw.text(cr, title, cx, y0 + 12, "title", TITLE_SIZE, C.TITLE, tracking=1)


def knob_scale(cr, cx, cy, numbers=True):
    for i in range(11):
        deg = L.KNOB_START_DEG + L.KNOB_SWEEP_DEG * i / 10.0
        major = i in (0, 5, 10)
        x0, y0 = draw.polar(cx, cy, TICK_INNER, deg)
        x1, y1 = draw.polar(cx, cy, TICK_OUTER_MAJOR if major else TICK_OUTER, deg)
        draw.line(cr, x0, y0, x1, y1, 1.2 if major else 0.9,
                  C.INK if major else C.INK_DIM)
        if numbers and i % 2 == 0:
            # the end numbers sit a little above their ticks, clear of the
            # lettering under the knobs
            nudge = {0: 10.0, 10: -10.0}.get(i, 0.0)
            nx, ny = draw.polar(cx, cy, NUMBER_RADIUS, deg + nudge)
            draw.text(cr, str(i), nx, ny, "scale", SCALE_SIZE, C.INK,
                      valign="middle")


def slide_switch_labels(cr, place, words, y):
    """Position names over (or under) a slide switch: the first flush with its left
    end, the last flush with its right end, a middle one centred."""
    x, _ = place
    size = SWITCH_LABEL_SIZE
    last = len(words) - 1
    for i, word in enumerate(words):
        if i == 0:
            draw.text(cr, word, x - 4, y, "label", size, C.INK, align="left")
        elif i == last:
            draw.text(cr, word, x + L.SLIDE_W + 4, y, "label", size, C.INK, align="right")
        else:
            draw.text(cr, word, x + L.SLIDE_W / 2.0, y, "label", size, C.INK)


def slot(cr, track):
    """The slot a slider handle runs in, with a scale of 11 ticks beside it."""
    x0, y0, x1, y1 = track
    cx = (x0 + x1) / 2.0
    top, bottom = L.TRAVEL_TOP, y1 - 6
    # recess around the slot
    draw.rounded_rect(cr, cx - 4.5, top - 1, 9, bottom - top + 2, 4.5)
    cr.set_source_rgba(0, 0, 0, 0.35)
    cr.fill()
    draw.rounded_rect(cr, cx - 3, top, 6, bottom - top, 3)
    cr.set_source_rgb(*C.SLOT)
    cr.fill()
    draw.line(cr, cx + 3.5, top + 3, cx + 3.5, bottom - 2, 1, C.SECTION_HIGHLIGHT, 0.8)


def slider_scale(cr, track, side):
    x0, _, x1, _ = track
    for i in range(11):
        v = i / 10.0
        row = L.handle_top(v) + L.HANDLE_H // 2 - 1
        yc = row + 0.5
        major = i in (0, 5, 10)
        length = 6 if major else 4
        if side == "left":
            xa, xb = x0 - 3 - length, x0 - 3
        else:
            xa, xb = x1 + 3, x1 + 3 + length
        draw.line(cr, xa, yc, xb, yc, 1, C.INK if major else C.INK_DIM)


WAVE_W, WAVE_H = 12, 7


def wave_symbol(cr, points, colour):
    """Strokes one of the wave selector's little wave pictures."""
    cr.save()
    cr.set_source_rgb(*colour)
    cr.set_line_width(1.2)
    cr.set_line_join(cairo.LINE_JOIN_MITER)
    cr.move_to(*points[0])
    for point in points[1:]:
        cr.line_to(*point)
    cr.stroke()
    cr.restore()


def square_wave(cr, cx, cy, colour):
    x, y, w, h = cx - WAVE_W / 2.0, cy - WAVE_H / 2.0, WAVE_W, WAVE_H
    wave_symbol(cr, [(x, y + h), (x, y), (x + w / 2.0, y), (x + w / 2.0, y + h), (x + w, y + h), (x + w, y)],
                colour)


def saw_wave(cr, cx, cy, colour):
    x, y, w, h = cx - WAVE_W / 2.0, cy - WAVE_H / 2.0, WAVE_W, WAVE_H
    wave_symbol(cr, [(x, y + h), (x + w / 2.0, y), (x + w / 2.0, y + h), (x + w, y), (x + w, y + h)], colour)


def sine_wave(cr, cx, cy, colour):
    x = cx - WAVE_W / 2.0
    wave_symbol(cr, [(x + WAVE_W * i / 24.0, cy - (WAVE_H / 2.0) * math.sin(2 * math.pi * i / 24.0))
                     for i in range(25)], colour)


def selector_scale(cr, cx, cy, labels):
    """Marks and labels at the selector's three positions (left, up, right)."""
    for deg, label in zip(L.SELECTOR_ANGLES_DEG, labels):
        mx, my = draw.polar(cx, cy, SELECTOR_MARK_RADIUS, deg)
        cr.arc(mx, my, 1.3, 0, 2 * math.pi)
        cr.set_source_rgb(*C.INK)
        cr.fill()
        if deg == 0:
            lx, ly = draw.polar(cx, cy, SELECTOR_LABEL_RADIUS, deg)
        else:
            # beside the tip, just above it: leaves room for the mode button
            lx, ly = draw.polar(cx, cy, SELECTOR_SIDE_LABEL_DX, deg)
            ly -= SELECTOR_SIDE_LABEL_RISE
        if callable(label):
            label(cr, lx, ly, C.INK)
        else:
            draw.text(cr, label, lx, ly, "label", SWITCH_LABEL_SIZE, C.INK, valign="middle")


def name_plate(cr, box):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    draw.rounded_rect(cr, x0 + 1, y0 + 1.5, w, h, 3)
    cr.set_source_rgba(0, 0, 0, 0.6)
    cr.fill()
    draw.rounded_rect(cr, x0, y0, w, h, 3)
    cr.set_source(draw.vgradient(y0, y1, [(0, C.rgb("#e4e5e7")), (0.5, C.rgb("#c4c6c9")),
                                          (1, C.rgb("#a9acb0"))]))
    cr.fill()
    # brushed grain
    for i in range(int(h)):
        if (i * 7) % 3 == 0:
            draw.line(cr, x0 + 1, y0 + i + 0.5, x1 - 1, y0 + i + 0.5, 1,
                      (1, 1, 1), 0.10)
    draw.rounded_rect(cr, x0 + 0.5, y0 + 0.5, w - 1, h - 1, 2.5)
    cr.set_source_rgba(1, 1, 1, 0.55)
    cr.set_line_width(1)
    cr.stroke()
    cx = (x0 + x1) / 2.0
    for sx in (x0 + 6, x1 - 6):
        draw.screw(cr, sx, y0 + 6, r=2.3, slot_deg=60)
        draw.screw(cr, sx, y1 - 6, r=2.3, slot_deg=-20)
    # engraved letters: a light edge under dark letters
    for word, base, size, track in (("SWEEP", y0 + 22, 14, 1.0), ("FILTER", y0 + 40, 14, 1.0)):
        draw.text(cr, word, cx, base + 1, "plate", size, (1, 1, 1), tracking=track, alpha=0.6)
        draw.text(cr, word, cx, base, "plate", size, C.PLATE_INK, tracking=track)
    draw.line(cr, x0 + 14, y0 + 26.5, x1 - 14, y0 + 26.5, 1, C.TITLE)


# --- the whole background ---------------------------------------------------------

def render(scale=1):
    """The background at `scale` times the panel's size, drawn at that resolution."""
    surf = draw.new_surface(L.PANEL_W * scale, L.PANEL_H * scale)
    cr = draw.scaled_context(surf, scale)
    faceplate(cr, scale)

    # Sliders: titles, slots and scales.
    inp, out = L.SLIDER_TRACKS["input"], L.SLIDER_TRACKS["output"]
    in_cx, out_cx = (inp[0] + inp[2]) / 2.0, (out[0] + out[2]) / 2.0
    # no letter spacing: the word just fits between the panel edge and the sections
    draw.text(cr, "INPUT", in_cx - 1, 22, "title", TITLE_SIZE, C.TITLE)
    draw.text(cr, "MIX", out_cx, 22, "title", TITLE_SIZE, C.TITLE, tracking=1)
    slot(cr, inp)
    slot(cr, out)
    slider_scale(cr, inp, "left")
    slider_scale(cr, out, "right")
    draw.text(cr, "EFFECT", out_cx, 31, "label", SWITCH_LABEL_SIZE, C.INK)
    draw.text(cr, "DRY", out_cx, 266, "label", SWITCH_LABEL_SIZE, C.INK)

    # Top row.
    section(cr, CUTOFF, "CUTOFF")
    section(cr, RESONANCE, "RESONANCE")
    section(cr, TRACKING, "LEVEL TRACKING")
    for name in ("cutoffKnob", "resonanceKnob", "levelTrackKnob"):
        knob_scale(cr, *knob_centre(name))
    rx, ry = L.SLIDE_SWITCH_PLACES["cutRange"]
    draw.text(cr, "RANGE", rx + L.SLIDE_W / 2.0, ry - 14, "label", SWITCH_LABEL_SIZE,
              C.INK_DIM, tracking=1)
    slide_switch_labels(cr, (rx, ry), ("LOW", "MID", "HIGH"), ry - 3)
    slide_switch_labels(cr, L.SLIDE_SWITCH_PLACES["trackDest"], ("OFF", "CUT", "RES"),
                        L.SLIDE_SWITCH_PLACES["trackDest"][1] - 2)
    slide_switch_labels(cr, L.SLIDE_SWITCH_PLACES["softHard"], ("SOFT", "HARD"),
                        L.SLIDE_SWITCH_PLACES["softHard"][1] + L.SLIDE_H + 8)
    name_plate(cr, NAME_PLATE)

    # LFO.
    section(cr, LFO, "LFO")
    wx, wy = selector_centre("lfoWaveSelector")
    selector_scale(cr, wx, wy, (
        square_wave, saw_wave, sine_wave))
    tx, ty = selector_centre("lfoTriggerSelector")
    selector_scale(cr, tx, ty, ("OFF", "CUT", "RES"))
    fx, fy = knob_centre("lfoRateKnob")
    knob_scale(cr, fx, fy, numbers=False)
    # the ends of the dial, beside its end ticks
    end = TICK_OUTER_MAJOR * math.sin(math.radians(45))
    draw.text(cr, "SLOW", fx - end - 1, fy + end, "label", SWITCH_LABEL_SIZE, C.INK,
              align="right", valign="middle")
    draw.text(cr, "FAST", fx + end + 1, fy + end, "label", SWITCH_LABEL_SIZE, C.INK,
              align="left", valign="middle")
    base = 266
    draw.text(cr, "WAVE", wx, base, "label", LABEL_SIZE, C.INK, tracking=1)
    draw.text(cr, "FREQUENCY", fx, base, "label", LABEL_SIZE, C.INK, tracking=1)
    draw.text(cr, "TRIGGER", tx, base, "label", LABEL_SIZE, C.INK, tracking=1)

    # The mode button's word, over the place of its lamp.
    bx, by = L.MODE_BUTTON_PLACE
    draw.text(cr, "STEREO", bx + MODE_WORD_X, by + 8, "label", SWITCH_LABEL_SIZE, C.INK)
    return draw.image_from_surface(surf)
