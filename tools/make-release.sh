#!/usr/bin/env bash
# Builds the plug-ins (DLLs, CLAP plug-ins, LV2 bundle) and plughost and packs
# build/win32/release/SweepFilter-<version>-windows.zip and -setup.exe, and
# build/native/release/SweepFilter-<version>-linux-x86_64.tar.gz and sweepfilter_<version>_amd64.deb.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"
build_preset win64
build_preset win32
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target lv2_bundle clap_plugin plughost
bash "$root/tools/check-release.sh"
