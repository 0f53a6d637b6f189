#!/usr/bin/env bash
# The demo of the main job: a saw chord, first in eighth notes and then held,
# rendered by plughost (under wine) through each factory program into
# out/demo/, and once through the LV2 bundle by lv2apply (one frame a block)
# with program 4's preset, with a spectrogram of the input and of each
# rendering; then once through the CLAP plug-in by the 64-bit plughost, and
# once more through the Linux one with its LFO synced to eighth notes of a
# song at 120 BPM, the beats marked on its spectrogram. Needs the win32
# build, the native build's LV2 bundle, plughost and SweepFilter.clap, and the
# win64 build's plughost and SweepFilter.clap.
set -euo pipefail
source "$(dirname "$0")/common.sh"
build="$root/build/win32"
bundle="$root/build/native/lv2-bundles/sweepfilter.lv2"
demo="$root/out/demo"
rm -rf "$demo"
mkdir -p "$demo"
cd "$demo"

# A minor from A2 to A3: saws are rich in harmonics, so the filter's sweep
# shows across the whole picture.
chord=(sawtooth 110 sawtooth 130.81 sawtooth 164.81 sawtooth 220)
sox -r 44100 -n -b 16 -c 1 pulses.wav synth 0.25 "${chord[@]}" remix 1-4 fade q 0.002 0.25 0.2 repeat 11
sox -r 44100 -n -b 16 -c 1 held.wav synth 3 "${chord[@]}" remix 1-4 fade q 0.01 3 0.3
# At -6 dB: the resonant programs peak about 8 dB above their input.
sox pulses.wav held.wav input.wav gain -n -6
rm pulses.wav held.wav

# Up to 8 kHz, where the cutoff moves (250 Hz to 6 kHz).
spectrogram() {
  sox "$1" -n rate 16k spectrogram -x 720 -y 180 -z 80 -t "$2" -c "$3" -o "${1%.wav}.png"
}
spectrogram input.wav "The demo input" "tools/render-demo.sh"

mapfile -t programs < <(wine "$build/plughost.exe" info "$build/SweepFilter.dll" | tr -d '\r' |
  sed -n 's/^  \([0-9][0-9]*\)  "\(.*\)"$/\1 \2/p')
for program in "${programs[@]}"; do
  number="${program%% *}"
  name="${program#* }"
  file="$number-$(echo "$name" | tr 'A-Z' 'a-z' | tr -cs 'a-z0-9' '-' | sed 's/-$//')"
  wine "$build/plughost.exe" render "$build/SweepFilter.dll" input.wav "$file.wav" --program "$number" </dev/null
  spectrogram "$file.wav" "Program $number: $name" "plughost render SweepFilter.dll input.wav $file.wav --program $number"
done

mapfile -t controls < <(bash "$root/tools/lv2-preset-args.sh" "$bundle" 4)
LV2_PATH="$(dirname "$bundle")" lv2apply -i input.wav -o 4-lv2apply.wav "${controls[@]}" urn:sweepfilter:lv2
spectrogram 4-lv2apply.wav "Program 4 through the LV2 bundle" "lv2apply -i input.wav -o 4-lv2apply.wav (preset 4)"

# Once through the CLAP plug-in, by the 64-bit plughost under wine64.
# It loads the plug-in from its own folder; the files are found from there too.
(cd "$root/build/win64" && /usr/lib/wine/wine64 plughost.exe render SweepFilter.clap "$demo/input.wav" "$demo/4-clap.wav" --program 4 </dev/null)
spectrogram 4-clap.wav "Program 4 through the CLAP plug-in" "plughost render SweepFilter.clap input.wav 4-clap.wav --program 4"

# Program 4 synced to 1/8 at 120 BPM from the start of bar 1: two sweeps a
# beat, in step with the chord's eighth-note pulses.
"$root/build/native/plughost" render "$root/build/native/SweepFilter.clap" input.wav 4-sync-eighths.wav \
  --program 4 --tempo 120 --sync 1/8
spectrogram 4-sync-eighths.wav "Program 4 synced to 1/8 at 120 BPM (a line on each beat)" \
  "plughost render SweepFilter.clap input.wav 4-sync-eighths.wav --program 4 --tempo 120 --sync 1/8"
# The beats across the plots, which lie inside sox's grey frames.
/usr/bin/python3 - 4-sync-eighths.png "$(soxi -D 4-sync-eighths.wav)" <<'PYTHON'
import sys
from PIL import Image

image = Image.open(sys.argv[1]).convert("RGB")
width, height = image.size
frame = (127, 127, 127)
row = [image.getpixel((x, height // 2)) for x in range(width)]
column = [image.getpixel((width // 2, y)) for y in range(height)]
left = max(x for x in range(width // 2) if row[x] == frame) + 1
right = min(x for x in range(width // 2, width) if row[x] == frame)
# Both channels' plots, one above the other.
top = min(y for y in range(height) if column[y] == frame) + 1
bottom = max(y for y in range(height) if column[y] == frame)
seconds, beat = float(sys.argv[2]), 0.5
for n in range(1, int(seconds / beat) + 1):
    x = left + round(n * beat / seconds * (right - left))
    for y in range(top, bottom, 2):
        image.putpixel((x, y), (255, 255, 255))
image.save(sys.argv[1], optimize=True)
PYTHON
echo "demo: $demo (input, ${#programs[@]} renderings, one through LV2, one through CLAP and one synced to 120 BPM, a spectrogram of each)" >&2
