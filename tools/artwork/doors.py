"""The pictures only the LV2 and CLAP panels show, drawn over the quantised
panel so that the pixels they copy from it stay the panel's own, and mapped to
the panel's palette without changing it: the DLL's pictures stay as they are."""
from PIL import Image

import colours as C
import controls
import draw
import layout as L

LABEL_W = 22        # "SYNC", left of the window
ARROW_W = 3.0


def sync_display(cr, text):
    """The word SYNC and a dark window with the setting between two arrows."""
    p = L.DOOR_PICTURE["lfoSyncDisplay"]
    w, h = p.width, p.frame_height
    draw.text(cr, "SYNC", LABEL_W / 2.0 - 1, h - 3, "label", 6, C.INK_DIM, tracking=1)
    x0 = LABEL_W
    draw.rounded_rect(cr, x0 + 0.5, 0.5, w - x0 - 1, h - 1, 2)
    cr.set_source_rgb(*C.SLOT)
    cr.fill_preserve()
    cr.set_source_rgb(*C.SECTION_HIGHLIGHT)
    cr.set_line_width(1)
    cr.stroke()
    mid = h / 2.0
    for tip, base in ((x0 + 3, x0 + 3 + ARROW_W), (w - 4, w - 4 - ARROW_W)):
        cr.move_to(tip, mid)
        cr.line_to(base, mid - 2.5)
        cr.line_to(base, mid + 2.5)
        cr.close_path()
        cr.set_source_rgb(*C.INK_DIM)
        cr.fill()
    colour = C.INK_DIM if text == L.SYNC_TEXTS[0] else C.TITLE
    draw.text(cr, text, (x0 + w) / 2.0, mid, "label", 7, colour, valign="middle")


def sync_display_strip(background):
    """One frame per setting over the background at the display's place."""
    p = L.DOOR_PICTURE["lfoSyncDisplay"]
    scale = background.width // L.PANEL_W
    crop = controls.crop_at(background, *L.SYNC_DISPLAY_PLACE, p.width, p.frame_height)
    frames = []
    for text in L.SYNC_TEXTS:
        surf, cr = controls.context_on(crop, scale)
        sync_display(cr, text)
        frames.append(draw.image_from_surface(surf))
    return frames


def synced_knob_strip(knob_strip, background):
    """The frequency knob's frames, its dial and its words faded into the plain
    field of the section (each row's, as just left of the knob): greyed out."""
    x, y = L.KNOB_PLACES["lfoRateKnob"]
    scale = background.width // L.PANEL_W
    field = controls.crop_at(background, L.SYNCED_KNOB_FIELD_X, y, 1, L.KNOB_H)
    field = field.resize((scale * L.KNOB_W, scale * L.KNOB_H), Image.NEAREST)
    h = scale * L.KNOB_H
    frames = []
    for k in range(knob_strip.height // h):
        frame = knob_strip.crop((0, k * h, knob_strip.width, (k + 1) * h))
        frames.append(Image.blend(frame, field, L.SYNCED_KNOB_FADE))
    return frames
