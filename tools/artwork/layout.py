"""Where everything sits: the eleven pictures and the controls' places on the panel.

This table is the single source of truth for the pictures' ids, file names, sizes
and frame layouts; the generator writes resources/panel.rc and
resources/PanelResources.h from it.
"""
import os
from dataclasses import dataclass

PANEL_W, PANEL_H = 400, 285


@dataclass(frozen=True)
class Picture:
    id: int
    name: str          # C++ name in PanelResources.h
    file: str          # file name in resources/
    width: int
    frame_height: int
    frame_count: int
    comment: str

    @property
    def height(self):
        return self.frame_height * self.frame_count


PICTURES = [
    Picture(1000, "background", "background.bmp", 400, 285, 1,
            "the panel; also the source of the slider tracks"),
    Picture(1001, "cutoffKnob", "knob_cutoff.bmp", 75, 67, 30,
            "knob strip at (68, 40): Cutoff"),
    Picture(1002, "lfoRateKnob", "knob_lfo_rate.bmp", 75, 67, 30,
            "knob strip at (165, 200), with the word under it: LFO freq."),
    Picture(1003, "levelTrackKnob", "knob_level_track.bmp", 75, 67, 30,
            "knob strip at (263, 40): Leveltrack"),
    Picture(1004, "resonanceKnob", "knob_resonance.bmp", 75, 67, 30,
            "knob strip at (165, 40): Resonance"),
    Picture(1005, "modeButton", "mode_button.bmp", 30, 30, 2,
            "at (42, 218): lamp off (mono), lamp lit (stereo)"),
    Picture(1006, "slideSwitch3", "slide_switch_3.bmp", 45, 16, 3,
            "three-position slide switch: left, middle, right"),
    Picture(1007, "lfoTriggerSelector", "selector_lfo_trigger.bmp", 70, 74, 3,
            "rotary selector at (267, 200): left, up, right"),
    Picture(1008, "lfoWaveSelector", "selector_lfo_wave.bmp", 70, 74, 3,
            "rotary selector at (72, 200): left, up, right"),
    Picture(1009, "sliderHandle", "slider_handle.bmp", 24, 38, 1,
            "slider handle; pure white corners are transparent"),
    Picture(1010, "slideSwitch2", "slide_switch_2.bmp", 45, 16, 2,
            "two-position slide switch: left, right"),
]

PICTURE = {p.name: p for p in PICTURES}

# Every picture is also drawn at twice the size for high-density screens: the
# same drawings at twice the resolution, each dimension doubled exactly, in a
# folder of their own (the DLL carries only the pictures at the panel's size).
SCALES = (1, 2)


def folder(scale):
    return "" if scale == 1 else "%dx" % scale

# Top-left corners of the controls whose frames carry the background around them.
KNOB_PLACES = {
    "cutoffKnob": (68, 40),
    "resonanceKnob": (165, 40),
    "levelTrackKnob": (263, 40),
    "lfoRateKnob": (165, 200),
}
KNOB_W, KNOB_H = 75, 67
# The toolkit turns the knob about the point half the width from the top-left
# corner on both axes.
KNOB_CENTRE = (37.5, 37.5)
# 270 degrees clockwise from the lower left (frame 0) over the top to the lower right.
KNOB_START_DEG = -135.0   # measured clockwise from 12 o'clock
KNOB_SWEEP_DEG = 270.0

SELECTOR_PLACES = {
    "lfoWaveSelector": (72, 200),
    "lfoTriggerSelector": (267, 200),
}
SELECTOR_W, SELECTOR_H = 70, 74
SELECTOR_CENTRE = (35.0, 37.5)            # the selectors share the LFO knob's row
SELECTOR_ANGLES_DEG = (-90.0, 0.0, 90.0)  # left, up, right (clockwise from 12 o'clock)

MODE_BUTTON_PLACE = (42, 218)
MODE_BUTTON_SIZE = 30

SLIDE_SWITCH_PLACES = {
    "cutRange": (79, 145),      # slideSwitch3
    "trackDest": (273, 109),    # slideSwitch3
    "softHard": (273, 140),     # slideSwitch2
}
SLIDE_W, SLIDE_H = 45, 16

# Sliders: track repainted from the background, handle top travels 36 (value 1)
# to 209 (value 0).
SLIDER_TRACKS = {"input": (20, 20, 44, 257), "output": (363, 20, 387, 257)}
HANDLE_W, HANDLE_H = 24, 38
TRAVEL_TOP, TRAVEL_BOTTOM = 36, 209


def frame_angle_deg(frame, frames=30):
    """Pointer direction of a knob frame, clockwise from 12 o'clock."""
    return KNOB_START_DEG + KNOB_SWEEP_DEG * frame / (frames - 1)


def handle_top(value):
    """Row of the handle's top edge for a value, as the slider draws it."""
    return TRAVEL_TOP + int((1.0 - value) * (TRAVEL_BOTTOM - TRAVEL_TOP))


# The pictures only the LV2 and CLAP panels show (ids after the DLL's eleven,
# files in resources/doors/, never in the DLL): the LFO sync display, one
# frame per setting, in the free right end of the LFO section's title band,
# and the frequency knob greyed out for the time the LFO follows the song.
DOOR_FOLDER = "doors"
DOOR_PICTURES = [
    Picture(1011, "lfoSyncDisplay", "lfo_sync_display.bmp", 84, 13, 18,
            "at (264, 184), doors only: the LFO sync setting, FREE to 8 BARS"),
    Picture(1012, "lfoRateKnobSynced", "knob_lfo_rate_synced.bmp", 75, 67, 30,
            "doors only: the LFO freq. knob's frames greyed out while synced"),
]
DOOR_PICTURE = {p.name: p for p in DOOR_PICTURES}
SYNC_DISPLAY_PLACE = (264, 184)
# The settings' texts, in the order of their numbers (the core's lfoSyncChoices).
SYNC_TEXTS = ("FREE", "1/32", "1/16T", "1/16", "1/16D", "1/8T", "1/8", "1/8D", "1/4T",
              "1/4", "1/4D", "1/2T", "1/2", "1/2D", "1 BAR", "2 BARS", "4 BARS", "8 BARS")
# How far the greyed-out knob fades into the section's plain field, taken from
# the column left of the knob (the field changes only from row to row).
SYNCED_KNOB_FADE = 0.65
SYNCED_KNOB_FIELD_X = 158


def door_folder(scale):
    return os.path.join(DOOR_FOLDER, folder(scale))
