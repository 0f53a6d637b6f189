# Shared by the project's scripts: paths, quiet wine, and the one way to build.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Only read where 32-bit programs run under qemu: the emulator's start-up time
# grows with the address space it reserves, and 32-bit wine fits in this one.
export QEMU_RESERVED_VA="${QEMU_RESERVED_VA:-0x82000000}"
jobs="${JOBS:-$(nproc)}"

build_preset() {
  local preset="$1"
  echo "== building $preset" >&2
  cmake --preset "$preset" -S "$root" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
}

# Windows programs that open windows need a display: a 24-bit virtual one, so
# pixels read back exactly. Wine's server keeps the display it first met, so
# each display gets a server of its own: wait for the last one to go before,
# and for this one to go while its display still exists.
with_display() {
  wineserver -w 2>/dev/null || true
  bash "$root/tools/with-display.sh" bash -c '"$@"; status=$?; wineserver -w 2>/dev/null; exit $status' with_display "$@"
}

# True where 32-bit programs run under qemu's user-mode emulator (see
# i386-emulation.sh) rather than on the processor.
i386_emulated() {
  [ "$(head -n1 /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null)" = enabled ]
}
