#!/usr/bin/env bash
# Builds release/SweepFilter-<version>-setup.exe beside the Windows zip with
# NSIS, from packaging/windows/SweepFilter.nsi and the two Windows builds.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$root/tools/release-env.sh"
release="$win32_build/release"
setup="$release/SweepFilter-$version-setup.exe"
mkdir -p "$release"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
makensis -WX -V2 -DVERSION="$version" -DWIN32_DIR="$win32_build" -DWIN64_DIR="$win64_build" -DDOCS_DIR="$root/docs" \
  -DOUTFILE="$work/$(basename "$setup")" "$root/packaging/windows/SweepFilter.nsi" >&2
mv "$work/$(basename "$setup")" "$setup"
echo "release: $setup" >&2
