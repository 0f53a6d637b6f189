# Shared by the release checks: failing with the check's name, a test input,
# and whether a rendering of it went through the filter. Program 4 keeps a
# quarter of the dry signal, so its output keeps about a quarter of the highs.
fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}

write_test_chord() {
  sox -r 44100 -n -b 16 -c 2 "$1" synth 2 sawtooth 110 sawtooth 164.81 remix 1-2 1-2 gain -n -6
}

# Fails unless OUTPUT sounds (RMS above 0.05) and holds less than half of
# INPUT's RMS above 10 kHz, which a low-pass filter takes away.
check_filtered() {
  local figures
  figures="$(for f in "$2" "$1"; do for band in "" "sinc 10000-20000"; do
    sox "$f" -n $band stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'; done; done | tr '\n' ' ')"
  awk -v f="$figures" 'BEGIN { split(f, v, " "); exit !(v[1] > 0.05 && v[2] < v[4] / 2) }' || {
    echo "$3: not filtered (RMS and RMS above 10 kHz of the output, then of the input: $figures)" >&2; return 1; }
  echo "$3: filtered (RMS and RMS above 10 kHz of the output, then of the input: $figures)" >&2
}
