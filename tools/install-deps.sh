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
  nsis lintian dpkg-dev
  locales
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

# A mirror caught mid-sync can serve an index that disagrees with its Release
# file; apt then leaves that index out and says so above, and the install
# decides whether what is left is enough.
update_indexes() {
  "${sudo_cmd[@]}" apt-get update -qq ||
    echo "install-deps: some package indexes could not be fetched; going on with the others" >&2
}

install_missing() {
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@" "${missing[@]}" >/dev/null
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  update_indexes
  if ! install_missing; then
    # Without the security suite's i386 index, its amd64 libraries are newer
    # than any i386 twin and wine32's multi-arch pairs cannot match: both
    # architectures then take the point release's versions.
    echo "install-deps: trying again with the security suite below the point release" >&2
    pins="$(mktemp -d)"
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' >"$pins/security.pref"
    chmod -R a+rX "$pins"
    install_missing -o Dir::Etc::PreferencesParts="$pins"
    rm -rf "$pins"
  fi
elif [ "${need_update:-0}" = 1 ]; then
  update_indexes
fi

# The value texts' test runs in a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

bash "$root/tools/i386-emulation.sh"

# One prefix runs 32- and 64-bit programs: wine64 is installed above before it is made.
if [ ! -f "${WINEPREFIX:-$HOME/.wine}/system.reg" ]; then
  echo "initialising the wine prefix" >&2
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w || true
fi
