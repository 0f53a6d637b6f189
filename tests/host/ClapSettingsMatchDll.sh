#!/usr/bin/env bash
# The same --set values through the DLL and the .clap give the same file: every switch and three continuous
# values at each value, on both sides of each threshold (0.33, 0.5, 0.66 and the floats just above them).
set -euo pipefail
for value in 0 0.3 0.33 0.33000004 0.5 0.50000006 0.66 0.66000009 0.7 1; do
  args=()
  for name in "CUT freq." "LFO wave" "LFO trigger" "Track dest." Soft/Hard Mode Cutoff Resonance "LFO freq."; do
    args+=(--set "$name=$value")
  done
  for kind in dll clap; do $1 "$2" render SweepFilter.$kind "$3" render-tests/set-$value.$kind.wav --block 512 "${args[@]}"; done
  cmp render-tests/set-$value.{dll,clap}.wav || { echo "the DLL and the .clap differ at $value" >&2; exit 1; }
done
