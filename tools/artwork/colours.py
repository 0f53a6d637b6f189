"""The panel's colours and type faces, named for what they are used for."""

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
FONT_FILES = {
    "title": FONT_DIR + "DejaVuSansCondensed-Bold.ttf",
    "label": FONT_DIR + "DejaVuSansCondensed-Bold.ttf",
    "scale": FONT_DIR + "DejaVuSansCondensed.ttf",
    "plate": FONT_DIR + "DejaVuSans-Bold.ttf",
}


def rgb(hex_code):
    """'#rrggbb' -> (r, g, b) as floats 0..1 for cairo."""
    h = hex_code.lstrip("#")
    return tuple(int(h[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


# Faceplate: dark anodised aluminium.
PLATE_TOP = rgb("#34373c")
PLATE_BOTTOM = rgb("#26282c")
PLATE_EDGE_LIGHT = rgb("#54585f")
PLATE_EDGE_DARK = rgb("#101113")

# Recessed sections.
SECTION_FILL = rgb("#1d1f22")
SECTION_SHADOW = rgb("#0c0d0e")
SECTION_HIGHLIGHT = rgb("#474b52")
HEADER_TOP = rgb("#2f3237")
HEADER_BOTTOM = rgb("#25272b")

# Lettering.
INK = rgb("#e9e5da")          # position names, scale numbers
INK_DIM = rgb("#a9a59c")      # scale ticks
TITLE = rgb("#f0a23c")        # section titles: amber
PLATE_INK = rgb("#1b1c1f")    # engraved letters on the name plate

# Knobs.
KNOB_SKIRT_TOP = rgb("#45484e")
KNOB_SKIRT_BOTTOM = rgb("#0b0c0d")
KNOB_CAP_TOP = rgb("#3b3e44")
KNOB_CAP_BOTTOM = rgb("#17181b")
POINTER = rgb("#f6f2e8")

# Slots, slide switches and the fader handle.
SLOT = rgb("#060607")
METAL_LIGHT = rgb("#d9dadc")
METAL_DARK = rgb("#7d8086")

# The mode lamp.
LAMP_OFF = rgb("#4a1512")
LAMP_ON = rgb("#ff3322")
LAMP_GLOW = rgb("#ff5a3c")
