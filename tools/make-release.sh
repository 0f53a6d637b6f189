#!/usr/bin/env bash
# Builds the plug-ins (DLLs, CLAP plug-ins, LV2 bundle) and packs build/win32/release/SweepFilter-<version>-windows.zip
# and build/native/release/SweepFilter-<version>-linux-x86_64.tar.gz.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"
build_preset win64
build_preset win32
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target lv2_bundle clap_plugin
bash "$root/tools/check-release.sh"
