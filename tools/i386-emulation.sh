#!/usr/bin/env bash
# 32-bit wine needs the kernel to run i386 Linux programs. Some kernels (and
# some virtual machines) switch that off; there qemu's user-mode emulator runs
# them, registered with the kernel through binfmt_misc. The F flag opens the
# emulator once, at registration, so it also serves chroots. Idempotent.
set -euo pipefail

probe=/usr/lib/wine/wineserver32   # a small i386 program from wine32
misc=/proc/sys/fs/binfmt_misc
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# In a chroot the kernel's registrations are there but unseen until
# binfmt_misc is mounted: mounted first, so that the tests can tell whether
# the i386 programs they start run under the emulator.
if [ ! -e "$misc/register" ] && [ "$(id -u)" -eq 0 ]; then
  mount -t binfmt_misc binfmt_misc "$misc" 2>/dev/null || true
fi
if "$probe" --version >/dev/null 2>&1; then
  exit 0
fi

echo "this kernel runs no 32-bit programs: running them under qemu-i386" >&2
if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed'; then
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
fi

[ -e "$misc/register" ] || "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc "$misc"
if [ ! -e "$misc/qemu-i386" ]; then
  # i386 ELF executables and shared objects.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" | "${sudo_cmd[@]}" tee "$misc/register" >/dev/null
fi

"$probe" --version >/dev/null
