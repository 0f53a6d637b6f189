#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively and under
# the sanitizers, the Windows DLL, toolkit, editor and host under wine.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$root"
bash "$root/tools/install-deps.sh"

build_preset native
ctest --preset native

build_preset asan
ctest --preset asan

build_preset win32
with_display ctest --preset win32

echo "all tests passed" >&2
