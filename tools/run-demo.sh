#!/usr/bin/env bash
# Builds the plug-in, shows it loaded in the host, renders the demo through
# every factory program and takes a screenshot of the panel, into out/demo/.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"

build_preset win32
cd "$root/build/win32"
wine plughost.exe info SweepFilter.dll
bash "$root/tools/render-demo.sh"
bash "$root/tools/panel-screenshot.sh"
echo "plug-in: $root/build/win32/SweepFilter.dll" >&2
