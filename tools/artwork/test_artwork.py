"""Checks of the panel's pictures as committed in resources/.

Run with Debian's Python (it has pycairo and Pillow):
    /usr/bin/python3 -m unittest discover -s tools/artwork
"""
import math
import os
import re
import tempfile
import unittest

from PIL import Image

import bmp
import controls
import generate
import layout as L

RESOURCES = generate.RESOURCES


def load(picture, scale=1):
    folder = L.door_folder(scale) if picture in L.DOOR_PICTURES else L.folder(scale)
    with open(os.path.join(RESOURCES, folder, picture.file), "rb") as f:
        return bmp.decode(f.read())


def rgb(decoded):
    return bmp.rgb_rows(decoded)


def frame(rows, picture, k, scale=1):
    return rows[k * scale * picture.frame_height:(k + 1) * scale * picture.frame_height]


def luminance(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


class GeneratorReproducesCommittedFiles(unittest.TestCase):
    def test_generated_files_equal_the_committed_ones_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as tmp:
            generate.generate(tmp)
            self.assertEqual(generate.differences(tmp, RESOURCES), [])

    def test_two_runs_give_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            generate.generate(a)
            generate.generate(b)
            self.assertEqual(generate.differences(a, b), [])


class TheEditorsLayoutAgrees(unittest.TestCase):
    """The places are drawn from here and placed by panel/PanelLayout.h: read that table back."""

    @classmethod
    def setUpClass(cls):
        header = os.path.join(os.path.dirname(RESOURCES), "panel", "PanelLayout.h")
        with open(header) as f:
            cls.table = f.read()

    def test_every_frame_sits_where_the_artwork_drew_its_surroundings(self):
        drawn = list({**L.KNOB_PLACES, **L.SELECTOR_PLACES}.items())
        drawn.append(("modeButton", L.MODE_BUTTON_PLACE))
        switch_pictures = {"cutRange": "slideSwitch3", "trackDest": "slideSwitch3", "softHard": "slideSwitch2"}
        drawn += [(switch_pictures[name], place) for name, place in L.SLIDE_SWITCH_PLACES.items()]
        placed = [(name, (int(x), int(y))) for x, y, name in
                  re.findall(r"stripAt\(param\w+, (\d+), (\d+), panel_bitmaps::(\w+)\)", self.table)]
        self.assertEqual(sorted(placed), sorted(drawn))

    def test_the_sync_display_sits_where_the_artwork_drew_it(self):
        placed = re.findall(r"frameAt\((\d+), (\d+), panel_bitmaps::lfoSyncDisplay\)", self.table)
        self.assertEqual([tuple(map(int, p)) for p in placed], [L.SYNC_DISPLAY_PLACE])

    def test_the_sync_texts_are_the_cores_in_order(self):
        with open(os.path.join(os.path.dirname(RESOURCES), "effect", "LfoSync.h")) as f:
            self.assertEqual(tuple(re.findall(r'\{"([^"]+)", [^}]*\}', f.read())), L.SYNC_TEXTS)

    def test_the_sliders_travel_over_the_tracks_the_artwork_drew(self):
        lefts = sorted(int(x) for x in re.findall(r"sliderAt\(param\w+, (\d+)\)", self.table))
        self.assertEqual(lefts, sorted(track[0] for track in L.SLIDER_TRACKS.values()))
        rows = dict((k, int(v)) for k, v in re.findall(r"\b(top|travelBottom|trackTop|trackBottom) = (\d+)", self.table))
        tracks = set((t[1], t[3]) for t in L.SLIDER_TRACKS.values())
        self.assertEqual(tracks, {(rows["trackTop"], rows["trackBottom"])})
        self.assertEqual((rows["top"], rows["travelBottom"]), (L.TRAVEL_TOP, L.TRAVEL_BOTTOM))


class PictureFormats(unittest.TestCase):
    def test_every_picture_is_an_uncompressed_bottom_up_8_bit_bitmap_of_its_size(self):
        expected = {
            1000: (400, 285, 1), 1001: (75, 2010, 30), 1002: (75, 2010, 30),
            1003: (75, 2010, 30), 1004: (75, 2010, 30), 1005: (30, 60, 2),
            1006: (45, 48, 3), 1007: (70, 222, 3), 1008: (70, 222, 3),
            1009: (24, 38, 1), 1010: (45, 32, 2),
        }
        self.assertEqual(sorted(p.id for p in L.PICTURES), sorted(expected))
        for p, scale in ((p, scale) for p in L.PICTURES for scale in L.SCALES):
            with self.subTest(picture=p.file, scale=scale):
                d = load(p, scale)
                w, h, frames = expected[p.id]
                w, h = scale * w, scale * h
                self.assertEqual((d["width"], d["height"]), (w, h))
                self.assertEqual(h, scale * p.frame_height * frames)
                self.assertEqual(p.frame_count, frames)
                self.assertEqual(d["bits"], 8)
                self.assertEqual(d["compression"], bmp.BI_RGB)
                self.assertEqual(d["colours_used"], 256)
                self.assertEqual(d["image_size"], bmp.row_stride(w) * h)
                # Pillow reads it as a palettised picture of the same pixels
                with Image.open(os.path.join(RESOURCES, L.folder(scale), p.file)) as im:
                    self.assertEqual(im.format, "BMP")
                    self.assertEqual(im.mode, "P")
                    self.assertEqual(im.size, (w, h))
                    self.assertEqual(im.tobytes(), d["indices"])

    def test_the_larger_pictures_are_drawn_not_stretched(self):
        # a stretched picture repeats each pixel in a square; drawn at twice the
        # resolution, edges, letters and shading fall inside the squares
        for p, scale in ((p, scale) for p in L.PICTURES for scale in L.SCALES[1:]):
            d = load(p, scale)
            w, idx = d["width"], d["indices"]
            squares = [{idx[(y + j) * w + x + i] for i in range(scale) for j in range(scale)}
                       for y in range(0, d["height"], scale) for x in range(0, w, scale)]
            mixed = sum(len(colours) > 1 for colours in squares)
            self.assertGreater(mixed, len(squares) // 10, p.file)

    def test_palettes_keep_an_exact_white(self):
        for p, scale in ((p, scale) for p in L.PICTURES for scale in L.SCALES):
            self.assertIn((255, 255, 255), load(p, scale)["palette"], p.file)


class HeaderAndResourceScript(unittest.TestCase):
    def test_the_header_gives_each_pictures_id_size_and_frames(self):
        with open(os.path.join(RESOURCES, "PanelResources.h")) as f:
            text = f.read()
        found = {m.group(1): tuple(int(v) for v in m.group(2).split(","))
                 for m in re.finditer(r"BitmapInfo (\w+)\{([\d, ]+)\};", text)}
        self.assertEqual(len(found), 13)
        for p in L.PICTURES + L.DOOR_PICTURES:
            d = load(p)
            self.assertEqual(found[p.name], (p.id, d["width"], d["height"],
                                             p.frame_height, p.frame_count), p.name)

    def test_the_resource_script_numbers_the_files_1000_to_1010(self):
        with open(os.path.join(RESOURCES, "panel.rc")) as f:
            entries = re.findall(r'^(\d+)\s+BITMAP\s+"([^"]+)"', f.read(), re.M)
        self.assertEqual(sorted(int(i) for i, _ in entries), list(range(1000, 1011)))
        for i, name in entries:
            self.assertTrue(os.path.exists(os.path.join(RESOURCES, name)), name)
            self.assertEqual([p.file for p in L.PICTURES if p.id == int(i)], [name])


class KnobStrips(unittest.TestCase):
    def pointer_angle(self, rows, scale):
        """Direction of the bright pointer line on the knob, clockwise from 12 o'clock,
        from the brightness-weighted centroid of the pixels on the knob's face."""
        cx, cy = (scale * c for c in L.KNOB_CENTRE)
        sx = sy = total = 0.0
        for y, row in enumerate(rows):
            for x, c in enumerate(row):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                if dx * dx + dy * dy > (scale * controls.KNOB_RADIUS) ** 2:
                    continue
                weight = luminance(c) - 160.0
                if weight > 0:
                    sx, sy, total = sx + weight * dx, sy + weight * dy, total + weight
        self.assertGreater(total, 0.0, "no pointer found")
        return math.degrees(math.atan2(sx / total, -sy / total))

    def test_pointer_turns_clockwise_over_270_degrees_from_frame_0_to_29(self):
        for name, scale in ((name, scale) for name in L.KNOB_PLACES for scale in L.SCALES):
            p = L.PICTURE[name]
            rows = rgb(load(p, scale))
            angles = [self.pointer_angle(frame(rows, p, k, scale), scale) for k in range(30)]
            with self.subTest(knob=name, scale=scale):
                self.assertAlmostEqual(angles[0], -135.0, delta=4.0)
                self.assertAlmostEqual(angles[29], 135.0, delta=4.0)
                self.assertAlmostEqual(angles[14], -4.7, delta=4.0)
                for a, b in zip(angles, angles[1:]):
                    self.assertGreater(b, a)
                    self.assertAlmostEqual(b - a, 270.0 / 29, delta=3.0)


class SeamlessFrames(unittest.TestCase):
    """Frames that carry the background must fit into it without a seam, at
    every scale: places and pixels are in panel pixels, each a square of
    scale × scale in the pictures."""

    @classmethod
    def setUpClass(cls):
        cls.background = {s: rgb(load(L.PICTURE["background"], s)) for s in L.SCALES}

    def assert_matches_background(self, name, place, pixels):
        p = L.PICTURE.get(name) or L.DOOR_PICTURE[name]
        for s in L.SCALES:
            rows, background = rgb(load(p, s)), self.background[s]
            x0, y0 = place
            cells = [(s * x + i, s * y + j) for x, y in pixels for i in range(s) for j in range(s)]
            for k in range(p.frame_count):
                f = frame(rows, p, k, s)
                bad = [(x, y) for x, y in cells if f[y][x] != background[s * y0 + y][s * x0 + x]]
                self.assertEqual(bad, [], "%s frame %d at %dx differs from the background" % (name, k, s))

    @staticmethod
    def border(w, h, depth=2):
        return [(x, y) for y in range(h) for x in range(w)
                if x < depth or y < depth or x >= w - depth or y >= h - depth]

    def test_knob_frames_have_the_background_round_the_knob(self):
        for name, place in L.KNOB_PLACES.items():
            with self.subTest(knob=name):
                self.assert_matches_background(name, place,
                                               self.border(L.KNOB_W, L.KNOB_H))

    def test_selector_frames_have_the_background_round_the_selector(self):
        for name, place in L.SELECTOR_PLACES.items():
            with self.subTest(selector=name):
                self.assert_matches_background(name, place,
                                               self.border(L.SELECTOR_W, L.SELECTOR_H))

    def test_mode_button_frames_have_the_background_round_the_lamp(self):
        s = L.MODE_BUTTON_SIZE
        # and in its left columns, which the input slider repaints from the background
        pixels = set(self.border(s, s)) | {(x, y) for x in range(4) for y in range(s)}
        self.assert_matches_background("modeButton", L.MODE_BUTTON_PLACE, sorted(pixels))

    def test_lfo_knob_frames_carry_the_lettering_under_the_knob(self):
        # the rows of the word FREQUENCY at the bottom of the frame
        x, y = L.KNOB_PLACES["lfoRateKnob"]
        rows = range(59, L.KNOB_H)
        lettering = [(c, r) for r in rows for c in range(L.KNOB_W)]
        bright = [1 for c, r in lettering if luminance(self.background[1][y + r][x + c]) > 150]
        self.assertGreater(len(bright), 40, "no lettering under the LFO knob")
        self.assert_matches_background("lfoRateKnob", (x, y), lettering)

    def test_the_synced_knob_fades_the_knob_into_the_background_round_it(self):
        x0, y0 = L.KNOB_PLACES["lfoRateKnob"]
        for s in L.SCALES:
            bg, free = self.background[s], rgb(load(L.PICTURE["lfoRateKnob"], s))
            synced = rgb(load(L.DOOR_PICTURE["lfoRateKnobSynced"], s))
            # the frames' edge, where it is the section's plain field, stays; the bright pointer dims
            field = [(x, y) for x, y in self.border(s * L.KNOB_W, s * L.KNOB_H * 30, 2 * s)
                     if free[y][x] == bg[s * y0 + y % (s * L.KNOB_H)][s * L.SYNCED_KNOB_FIELD_X]]
            self.assertEqual([(x, y) for x, y in field if synced[y][x] != free[y][x]], [], s)
            pointer = [c for a, b in zip(synced, free) for c in zip(a, b) if luminance(c[1]) > 200]
            self.assertTrue(pointer and all(luminance(a) < 0.6 * luminance(b) for a, b in pointer), s)

    def test_frames_differ_where_the_control_moves(self):
        for name in list(L.KNOB_PLACES) + list(L.SELECTOR_PLACES) + [
                "modeButton", "slideSwitch3", "slideSwitch2", "lfoSyncDisplay"]:
            p = L.PICTURE.get(name) or L.DOOR_PICTURE[name]
            for scale in L.SCALES:
                rows = rgb(load(p, scale))
                frames = [frame(rows, p, k, scale) for k in range(p.frame_count)]
                for a, b in zip(frames, frames[1:]):
                    self.assertNotEqual(a, b, name)


class SliderHandle(unittest.TestCase):
    def test_only_the_corners_are_pure_white(self):
        for s in L.SCALES:
            p = L.PICTURE["sliderHandle"]
            rows = rgb(load(p, s))
            w, h = s * p.width, s * p.height
            white = [(x, y) for y, row in enumerate(rows) for x, c in enumerate(row)
                     if c == (255, 255, 255)]
            self.assertTrue(white, "the handle has no transparent corners")
            corners = {(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)}
            self.assertTrue(corners <= set(white))
            for x, y in white:
                # within a few pixels of a corner, in the corner's triangle
                self.assertLess(min(x, w - 1 - x) + min(y, h - 1 - y), 4 * s, (x, y))
            # the four corners are cut alike
            mirrored = {(w - 1 - x, h - 1 - y) for x, y in white}
            self.assertEqual(mirrored, set(white), s)

    def test_the_track_under_the_handle_is_a_dark_slot(self):
        for s in L.SCALES:
            bg = rgb(load(L.PICTURE["background"], s))
            for x0, y0, x1, y1 in L.SLIDER_TRACKS.values():
                cx = s * (x0 + x1) // 2
                for y in range(s * (L.TRAVEL_TOP + 4), s * (L.TRAVEL_BOTTOM + L.HANDLE_H - 4)):
                    self.assertLess(luminance(bg[y][cx]), 20, (cx, y, s))
                self.assertGreater(luminance(bg[s * 120][s * (x0 + 1)]), 30)


if __name__ == "__main__":
    unittest.main()
