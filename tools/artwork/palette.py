"""One shared 256-colour palette for all eleven pictures.

All pictures are quantised together and every colour goes to its nearest palette
entry, so a colour maps to the same entry wherever it occurs: the pixels that a
control's frame copies from the background come out exactly as in the background,
which keeps the frames seamless. Entry 255 is pure white, reserved for the slider
handle's transparent corners; no other entry is pure white."""
from collections import Counter

from PIL import Image

WHITE_INDEX = 255
WHITE = (255, 255, 255)
NEAR_WHITE = (254, 254, 254)


def _histogram(images):
    counts = Counter()
    for img in images:
        for n, colour in img.getcolors(1 << 24):
            counts[colour] += n
    return counts


def _choose(counts):
    """255 colours by Pillow's maximum-coverage cut refined with k-means. Each
    distinct colour is weighted by the square root of its pixel count, so that
    small bright accents (titles, the lit lamp) get entries of their own beside
    the large dark areas."""
    raw = bytearray()
    for colour in sorted(counts):
        raw += bytes(colour) * max(1, int(round(counts[colour] ** 0.5)))
    strip = Image.frombytes("RGB", (len(raw) // 3, 1), bytes(raw))
    quant = strip.quantize(colors=255, method=Image.Quantize.MAXCOVERAGE, kmeans=3,
                           dither=Image.Dither.NONE)
    flat = quant.getpalette()[:255 * 3]
    flat += [0] * (255 * 3 - len(flat))
    chosen = [tuple(flat[3 * i:3 * i + 3]) for i in range(255)]
    return [NEAR_WHITE if c == WHITE else c for c in chosen]


def _nearest(colour, chosen):
    r, g, b = colour
    best, best_d = 0, None
    for i, (pr, pg, pb) in enumerate(chosen):
        d = (r - pr) ** 2 + (g - pg) ** 2 + (b - pb) ** 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def build(images):
    """images: RGB Pillow images. Returns (palette as 256 (r, g, b), list of index
    byte strings, one per image, top row first)."""
    counts = _histogram(images)
    chosen = _choose(counts)
    mapping = {c: _nearest(c, chosen) for c in counts}
    palette = chosen + [WHITE]
    out = [bytes(mapping[c] for c in img.getdata()) for img in images]
    return palette, out


def to_rgb_image(width, height, indices, palette):
    img = Image.frombytes("P", (width, height), bytes(indices))
    img.putpalette([v for c in palette for v in c])
    return img.convert("RGB")


def indices_in(palette, images):
    """images mapped to a palette already chosen, each colour to its nearest entry
    but pure white: the palette stays as it is."""
    chosen = palette[:WHITE_INDEX]
    mapping = {}
    out = []
    for img in images:
        for n, colour in img.getcolors(1 << 24):
            if colour not in mapping:
                mapping[colour] = _nearest(colour, chosen)
        out.append(bytes(mapping[c] for c in img.getdata()))
    return out
