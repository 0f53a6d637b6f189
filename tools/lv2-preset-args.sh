#!/usr/bin/env bash
# Prints lv2apply's "-c SYMBOL VALUE" arguments for factory preset N, one per
# line, read from the bundle's presets.ttl: lv2apply itself takes no preset.
# Usage: lv2-preset-args.sh BUNDLE N
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 BUNDLE PRESET-NUMBER" >&2; exit 2; }
args=$(sed -n "/^<urn:sweepfilter:lv2:preset:$2>\$/,/^\$/p" "$1/presets.ttl" |
  sed -n 's/.*lv2:symbol "\([a-z_]*\)" ; pset:value \([-0-9.]*\) ].*/-c\n\1\n\2/p')
[ -n "$args" ] || { echo "$0: no preset $2 in $1/presets.ttl" >&2; exit 1; }
echo "$args"
