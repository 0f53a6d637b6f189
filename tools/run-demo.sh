#!/usr/bin/env bash
# Builds the plug-in and shows it loaded in the host.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"

build_preset win32
cd "$root/build/win32"
wine plughost.exe info SweepFilter.dll
echo "plug-in: $root/build/win32/SweepFilter.dll" >&2
