#!/usr/bin/env bash
# Builds both plug-ins and packs build/win32/release/SweepFilter-<version>-windows.zip.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"
build_preset win64
build_preset win32
bash "$root/tools/check-release.sh"
