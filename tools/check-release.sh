#!/usr/bin/env bash
# Packs the release zip from the two Windows builds and checks what it holds.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root/build/win32"
rm -rf release
cpack -G ZIP >/dev/null
zip_file=$(ls release/SweepFilter-*-windows.zip)
listing=$(unzip -Z1 "$zip_file" | sort)
expected=$(printf '%s\n' 32-bit/ 32-bit/SweepFilter.dll 64-bit/ 64-bit/SweepFilter.dll "User Guide.md" panel.png | sort)
if [ "$listing" != "$expected" ]; then
  echo "release zip holds:" >&2; echo "$listing" >&2; exit 1
fi
echo "release: $root/build/win32/$zip_file" >&2
