#!/usr/bin/env bash
# The LV2 panel as a Linux host shows it: jalv.gtk3 (a JACK client, on jackd's
# dummy driver: no sound hardware) opens the bundle's plug-in with its panel
# on a virtual 24-bit display; the window is written to OUT.png (default
# out/demo/panel-lv2.png). Needs the native build's bundle. With
# SWEEPFILTER_PANEL_SCALE=2 in the environment the panel is the double-size one.
set -euo pipefail
source "$(dirname "$0")/common.sh"
out="${1:-$root/out/demo/panel-lv2.png}"
mkdir -p "$(dirname "$out")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat >"$work/show.sh" <<'INNER'
set -euo pipefail
work="$1" out="$2" tools="$3"
# A server of its own, so that no other JACK session is disturbed.
export JACK_DEFAULT_SERVER="sweepfilter-panel-$$" JACK_NO_AUDIO_RESERVATION=1
jackd --no-realtime -d dummy -r 48000 -p 1024 >"$work/jackd.log" 2>&1 &
jack=$!
trap 'kill $jack 2>/dev/null; wait $jack 2>/dev/null || true' EXIT
for _ in $(seq 50); do jack_lsp >/dev/null 2>&1 && break; sleep 0.2; done
jalv.gtk3 urn:sweepfilter:lv2 >"$work/jalv.log" 2>&1 </dev/null &
jalv=$!
window=""
for _ in $(seq 100); do
  window="$(xdotool search --name '^SweepFilter$' 2>/dev/null | head -n 1)" && [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "jalv showed no window:" >&2; cat "$work/jalv.log" >&2; kill $jalv; exit 1
fi
sleep 2  # the panel's first idle calls
eval "$(xdotool getwindowgeometry --shell "$window")"
xwd -root -silent >"$work/screen.xwd"
kill $jalv; wait $jalv 2>/dev/null || true
/usr/bin/python3 "$tools/xwd-to-png.py" "$work/screen.xwd" "$out" "$X" "$Y" "$WIDTH" "$HEIGHT"
# The panel, not the host's generic controls: the name plate's column of the
# background shows at the bottom of the window, under the host's menu.
/usr/bin/python3 - "$out" "$tools/../resources" <<'CHECK'
import os, sys
from PIL import Image
try:
    scale = 2 if float(os.environ.get("SWEEPFILTER_PANEL_SCALE") or 1) >= 1.5 else 1
except ValueError:
    scale = 1
folder = os.path.join(sys.argv[2], "2x" if scale == 2 else "")
shot = Image.open(sys.argv[1]).convert("RGB")
background = Image.open(os.path.join(folder, "background.bmp")).convert("RGB")
top = shot.height - background.height
bad = [(x, y) for y in range(background.height) for x in range(150 * scale, 160 * scale)
       if shot.getpixel((x, top + y)) != background.getpixel((x, y))]
sys.exit("the host shows no panel: %d pixels differ, the first at %s" % (len(bad), bad[0]) if bad else 0)
CHECK
INNER
LV2_PATH="${SWEEPFILTER_LV2_PATH:-$root/build/native/lv2-bundles}" \
  bash "$root/tools/with-display.sh" bash "$work/show.sh" "$work" "$out" "$root/tools"
echo "LV2 panel in jalv: $out" >&2
