#!/usr/bin/env bash
# Checks the Debian package tools/make-deb.sh made: its files, its fields and
# lintian's verdict; where installing is wanted (SWEEPFILTER_INSTALL_CHECK=1, as in
# tools/clean-root.sh), installs it, renders through it and removes it again.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$root/tools/release-env.sh"
source "$root/tools/check-helpers.sh"
deb="$native_build/release/sweepfilter_${version}_amd64.deb"

listing="$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | grep . | sort)"
bundle=/usr/lib/lv2/sweepfilter.lv2
expected=(/usr /usr/lib /usr/lib/lv2 $bundle $bundle/manifest.ttl $bundle/presets.ttl $bundle/sweepfilter.ttl
  $bundle/sweepfilter.so $bundle/sweepfilter_ui.so $bundle/pictures $bundle/pictures/{1000..1012}.bmp
  $bundle/pictures/2x $bundle/pictures/2x/{1000..1012}.bmp /usr/lib/clap /usr/lib/clap/SweepFilter.clap
  /usr/share /usr/share/doc /usr/share/doc/sweepfilter
  /usr/share/doc/sweepfilter/{USER_GUIDE.md,panel.png,copyright,changelog.gz})
[ ! -x "$native_build/plughost" ] ||
  expected+=(/usr/bin /usr/bin/plughost /usr/share/man /usr/share/man/man1 /usr/share/man/man1/plughost.1.gz)
if [ "$listing" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
  echo "$deb holds:" >&2; echo "$listing" >&2; fail "not the expected files"
fi

field() { dpkg-deb -f "$deb" "$1"; }
for pair in Package=sweepfilter "Version=$version" Architecture=amd64 Section=sound Priority=optional; do
  [ "$(field "${pair%%=*}")" = "${pair#*=}" ] || fail "${pair%%=*} is '$(field "${pair%%=*}")', not '${pair#*=}'"
done
[[ "$(field Maintainer)" =~ ^[^\<\>]+\ \<[^\<\>@\ ]+@[^\<\>@\ ]+\>$ ]] ||
  fail "Maintainer '$(field Maintainer)' is not a name and address"
[[ "$(field Description | sed -n 1p)" == *"LV2 and CLAP plug-in"* ]] ||
  fail "the Description's first line does not say 'LV2 and CLAP plug-in'"
# What the binaries link: the C and C++ runtimes, and libX11 for the panels.
depends=" $(field Depends),"
for library in libc6 libstdc++6 libgcc-s1 libx11-6; do
  [[ "$depends" =~ [\ ,]"$library"[\ ,] ]] || fail "Depends '$(field Depends)' lacks $library"
done
[ "$(field Installed-Size)" -gt 0 ] 2>/dev/null || fail "Installed-Size is '$(field Installed-Size)'"

# Warnings and below are shown; an error fails.
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2) >&2 || fail "lintian reports errors"
echo "check-deb: $deb holds what it should, lintian finds no error" >&2

if [ "${SWEEPFILTER_INSTALL_CHECK:-0}" != 1 ]; then
  echo "check-deb: not installing the package here (SWEEPFILTER_INSTALL_CHECK=1 does; the clean root sets it)" >&2
  exit 0
fi
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root"
export DEBIAN_FRONTEND=noninteractive
work="$(mktemp -d)"
# A failure on the way leaves nothing installed.
trap 'apt-get remove -y -qq sweepfilter >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
apt-get install -y -qq "$(realpath "$deb")" >/dev/null
# Where Debian's LV2 hosts look, and nowhere else.
LV2_PATH=/usr/lib/lv2 lv2ls | grep -qx urn:sweepfilter:lv2 || fail "lv2ls does not list urn:sweepfilter:lv2"
write_test_chord "$work/input.wav"
mapfile -t controls < <(bash "$root/tools/lv2-preset-args.sh" $bundle 4)
LV2_PATH=/usr/lib/lv2 lv2apply -i "$work/input.wav" -o "$work/lv2.wav" "${controls[@]}" urn:sweepfilter:lv2
check_filtered "$work/input.wav" "$work/lv2.wav" "lv2apply through the installed bundle"
if [ -x "$native_build/plughost" ]; then
  /usr/bin/plughost render /usr/lib/clap/SweepFilter.clap "$work/input.wav" "$work/clap.wav" --program 4
  check_filtered "$work/input.wav" "$work/clap.wav" "plughost render through the installed SweepFilter.clap"
fi
apt-get remove -y -qq sweepfilter >/dev/null
# Nothing of ours is left: of our paths only folders other packages own stay.
for path in "${expected[@]}"; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  [ -d "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1 || fail "apt-get remove left $path"
done
echo "check-deb: installed with apt, rendered through the installed plug-ins, removed without a trace" >&2
