#!/usr/bin/env bash
# Installs, from Debian's packages only, everything the build and the tests need,
# and prepares a quiet wine prefix. Idempotent: does nothing that is already done.
set -euo pipefail
source "$(dirname "$0")/common.sh"

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  googletest libgtest-dev libbenchmark-dev
  wine wine64 wine32:i386 xvfb xauth
  python3 python3-cairo python3-pil fonts-dejavu-core fonts-dejavu-extra sox zip unzip
  lv2-dev liblilv-dev lilv-utils sordi pkg-config
  libx11-dev libxtst-dev jalv jackd2 xdotool x11-apps
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [ "${need_update:-0}" = 1 ]; then
  "${sudo_cmd[@]}" apt-get update -qq
fi

bash "$root/tools/i386-emulation.sh"

# One prefix runs 32- and 64-bit programs: wine64 is installed above before it is made.
if [ ! -f "${WINEPREFIX:-$HOME/.wine}/system.reg" ]; then
  echo "initialising the wine prefix" >&2
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w || true
fi
