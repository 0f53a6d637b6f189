#!/usr/bin/env bash
# Builds the plug-in, shows it loaded in the host, renders the demo through
# every factory program and takes a screenshot of the panel, into out/demo/.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"

build_preset win32
(cd "$root/build/win32" && wine plughost.exe info SweepFilter.dll)
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target lv2_bundle clap_plugin plughost
# The CLAP plug-in for Windows, and the 64-bit plughost that renders through it.
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs" --target clap_plugin plughost
bash "$root/tools/render-demo.sh"
bash "$root/tools/panel-screenshot.sh"
echo "plug-in: $root/build/win32/SweepFilter.dll" >&2
echo "CLAP plug-ins: $root/build/native/SweepFilter.clap (Linux), $root/build/win64/SweepFilter.clap (Windows; demo through it: $root/out/demo/4-clap.wav)" >&2
echo "LV2 bundle: $root/build/native/lv2-bundles/sweepfilter.lv2 (demo through it: $root/out/demo/4-lv2apply.wav)" >&2
