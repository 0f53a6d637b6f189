#!/usr/bin/env bash
# The demo of the main job: a saw chord, first in eighth notes and then held,
# rendered by plughost (under wine) through each factory program into
# out/demo/, and once through the LV2 bundle by lv2apply (one frame a block)
# with program 4's preset, with a spectrogram of the input and of each
# rendering; then once through the CLAP plug-in by the 64-bit plughost. Needs
# the win32 build, the native build's LV2 bundle and the win64 build's
# plughost and SweepFilter.clap.
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
echo "demo: $demo (input, ${#programs[@]} renderings, one through LV2 and one through CLAP, a spectrogram of each)" >&2
