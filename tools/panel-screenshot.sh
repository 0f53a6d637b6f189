#!/usr/bin/env bash
# The panel as a host shows it: plughost opens the plug-in's editor in a
# window of its own on a virtual 24-bit display, with program 4 (the stereo
# one: its mode lamp lit), and writes what the window shows to
# out/demo/panel.png. Needs the win32 build.
set -euo pipefail
source "$(dirname "$0")/common.sh"
build="$root/build/win32"
demo="$root/out/demo"
mkdir -p "$demo"
cd "$demo"

with_display wine "$build/plughost.exe" editor "$build/SweepFilter.dll" --program 4 --screenshot panel.bmp </dev/null
/usr/bin/python3 -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).save(sys.argv[2], optimize=True)' \
  panel.bmp panel.png
rm panel.bmp
echo "panel: $demo/panel.png" >&2
