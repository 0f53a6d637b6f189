#!/usr/bin/env bash
# Runs a command in a fresh clone of the current commit inside a clean Debian 12
# root (minbase plus what any C++ build machine has), so that a step missing from
# tools/install-deps.sh fails here instead of passing on a machine that happens
# to have the package. Usage, as root:
#   bash tools/clean-root.sh 'bash tools/run-tests.sh'
# The command's exit code is passed through; its log is kept and its path printed.
set -euo pipefail

usage="usage: bash tools/clean-root.sh 'COMMAND'   (as root; needs debootstrap)"
[ $# -eq 1 ] && [ -n "$1" ] || { echo "$usage" >&2; exit 2; }
command_line="$1"
[ "$(id -u)" -eq 0 ] || { echo "clean-root: chroot and mounts need root. $usage" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "clean-root: debootstrap is missing: apt-get install debootstrap" >&2; exit 2; }

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
commit="$(git -C "$repo" rev-parse HEAD)"
started=$SECONDS
cache="${CLEAN_ROOT_CACHE:-/var/cache/sweepfilter-clean-root}"
base="$cache/bookworm-minbase.tar.gz"
base_packages=build-essential,cmake,git,python3,ca-certificates
logs="$cache/logs"
mkdir -p "$logs"
find "$logs" -name '*.log' -mtime +30 -delete
log="$logs/$(date -u +%Y%m%dT%H%M%SZ)-${commit:0:10}.log"
# tee outlives an interrupt, so that the clean-up below is still logged.
exec > >(trap '' INT TERM HUP; exec tee -a "$log") 2>&1
echo "clean-root: log $log"
[ -z "$(git -C "$repo" status --porcelain --untracked-files=no)" ] ||
  echo "clean-root: uncommitted changes are not tested, only commit ${commit:0:10}"

# The machine's Debian archive entries, and nothing of third parties.
sources="$(python3 "$repo/tools/debian-sources.py" /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
  /etc/apt/sources.list.d/*.sources)"
mirror="$(awk '$3 == "bookworm" { print $2; exit }' <<<"$sources")"
[ -n "$mirror" ] || { echo "clean-root: no Debian bookworm entry in /etc/apt/sources.list(.d)" >&2; exit 2; }

work="$(mktemp -d /var/tmp/clean-root.XXXXXX)"
root="$work/root"
mounts_below_work() { findmnt -rn -o TARGET | awk -v w="$work/" 'index($0, w) == 1' | sort -r; }

# Stops whatever still runs in a root below the work folder, unmounts deepest
# first and removes the folder only when nothing is mounted below it any more.
cleanup() {
  local status=$? pid signal target
  set +e
  trap '' INT TERM HUP PIPE
  for signal in TERM KILL; do
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
      case "$(readlink "/proc/$pid/root" 2>/dev/null)" in "$work"/*) kill -s "$signal" "$pid" 2>/dev/null ;; esac
    done
    [ "$signal" = TERM ] && sleep 2
  done
  for target in $(mounts_below_work); do umount "$target" 2>/dev/null || umount -l "$target"; done
  if [ -n "$(mounts_below_work)" ]; then
    echo "clean-root: still mounted, left in place: $(mounts_below_work | tr '\n' ' ')"
  else
    rm -rf --one-file-system "$work"
  fi
  echo "clean-root: exit $status after $((SECONDS - started)) s; log $log"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# The base is built once a week: each run unpacks a fresh copy of it in seconds.
exec 9>"$cache/lock"
flock 9
if [ -z "$(find "$base" -mtime -7 2>/dev/null)" ]; then
  echo "clean-root: building the base from $mirror (minbase + $base_packages)"
  debootstrap --variant=minbase --include="$base_packages" bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log"; exit 1; }
  chroot "$work/base" apt-get clean
  tar --numeric-owner -C "$work/base" -czf "$cache/base.tar.gz.new" .
  mv "$cache/base.tar.gz.new" "$base"
fi
flock -u 9

mkdir "$root"
tar --numeric-owner -C "$root" -xzpf "$base"
rm -f "$root/etc/apt/sources.list"
echo "$sources" >"$root/etc/apt/sources.list.d/debian.list"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# Package scripts must not start services in a root that has no init.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

git init -q "$root/root/src"
git -C "$root/root/src" fetch -q "$repo" "$commit"
git -C "$root/root/src" checkout -q --detach FETCH_HEAD

mount --bind /proc "$root/proc"
# Registered foreign binaries (32-bit ELF through an emulator) stay visible.
if mountpoint -q /proc/sys/fs/binfmt_misc; then
  mount --bind /proc/sys/fs/binfmt_misc "$root/proc/sys/fs/binfmt_misc"
fi
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind /dev/shm "$root/dev/shm"
mount -t tmpfs tmpfs "$root/tmp"

echo "clean-root: running '$command_line' in ${commit:0:10}"
# In the background so that a signal reaches the trap at once. The root is
# thrown away after: the release checks may install the Debian package in it.
env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin TERM="${TERM:-dumb}" \
  SWEEPFILTER_INSTALL_CHECK=1 \
  chroot "$root" /bin/bash -c "cd /root/src && $command_line" </dev/null &
set +e
wait $!
exit $?
