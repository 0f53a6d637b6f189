#!/usr/bin/env bash
# Checks the installer tools/make-installer.sh made, under wine in a copy of the
# project's prefix (which stays as it was): installed silently, every file and
# the uninstall entry are where they belong and the .clap renders through the
# 64-bit plughost; uninstalled silently, all of it is gone.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$root/tools/release-env.sh"
source "$root/tools/check-helpers.sh"
setup="$win32_build/release/SweepFilter-$version-setup.exe"

project_prefix="${WINEPREFIX:-$HOME/.wine}"
work="$(mktemp -d /var/tmp/sweepfilter-installer.XXXXXX)"
export WINEPREFIX="$work/prefix"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# Windows' own DLLs (most of the prefix's 1.3 GB) are only read: linked where
# the file system allows, the rest copied.
big=(drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs)
copy=(cp -al)
ln "$project_prefix/system.reg" "$work/link-test" 2>/dev/null || copy=(cp -a)
mkdir "$WINEPREFIX"
tar -C "$project_prefix" "${big[@]/#/--exclude=./}" -cf - . | tar -C "$WINEPREFIX" -xf -
for folder in "${big[@]}"; do "${copy[@]}" "$project_prefix/$folder" "$WINEPREFIX/$folder"; done

drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/SweepFilter"
clap="$drive_c/Program Files/Common Files/CLAP/SweepFilter.clap"
installed=("$folder/SweepFilter.dll" "$folder/32-bit/SweepFilter.dll" "$folder/User Guide.md" "$folder/panel.png"
  "$folder/Uninstall.exe" "$clap")
sources=("$win64_build/SweepFilter.dll" "$win32_build/SweepFilter.dll" "$root/docs/USER_GUIDE.md" "$root/docs/panel.png"
  "" "$win64_build/SweepFilter.clap")
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\SweepFilter'
# The 64-bit reg reads the 64-bit view, where the list of programs looks.
registry() { /usr/lib/wine/wine64 reg query "$key" 2>/dev/null | tr -d '\r'; }

with_display wine "$setup" /S || fail "the silent install failed"
for i in "${!installed[@]}"; do
  [ -f "${installed[$i]}" ] || fail "no ${installed[$i]#"$drive_c/"}"
  [ -z "${sources[$i]}" ] || cmp -s "${sources[$i]}" "${installed[$i]}" ||
    fail "${installed[$i]#"$drive_c/"} differs from ${sources[$i]}"
done
[ "$(find "$folder" -type f | wc -l)" = 5 ] || fail "other files in Program Files/SweepFilter: $(find "$folder" -type f)"

values="$(registry)" || fail "no $key in the 64-bit registry"
for pair in 'DisplayName	REG_SZ	SweepFilter' "DisplayVersion	REG_SZ	$version" 'Publisher	REG_SZ	SweepFilter' \
  'UninstallString	REG_SZ	"C:\Program Files\SweepFilter\Uninstall.exe"' \
  'QuietUninstallString	REG_SZ	"C:\Program Files\SweepFilter\Uninstall.exe" /S' \
  'InstallLocation	REG_SZ	C:\Program Files\SweepFilter' 'NoModify	REG_DWORD	0x1' 'NoRepair	REG_DWORD	0x1'; do
  grep -qxF "    ${pair//	/    }" <<<"$values" || fail "the uninstall entry lacks '$pair': $values"
done
# Within a tenth of the files' size.
estimated=$(($(sed -n 's/^    EstimatedSize    REG_DWORD    //p' <<<"$values")))
size=$(du -kc --apparent-size "${installed[@]}" | tail -n1 | cut -f1)
((estimated * 10 >= size * 9 && estimated * 10 <= size * 11)) || fail "EstimatedSize $estimated KiB, the files $size KiB"

write_test_chord "$work/input.wav"
(cd "$win64_build" && /usr/lib/wine/wine64 plughost.exe render 'C:\Program Files\Common Files\CLAP\SweepFilter.clap' \
  "$work/input.wav" "$work/clap.wav" --program 4 </dev/null) || fail "plughost.exe cannot render through the installed .clap"
check_filtered "$work/input.wav" "$work/clap.wav" "plughost.exe render through the installed SweepFilter.clap"

# The entry's quiet command line, as checked above.
with_display wine 'C:\Program Files\SweepFilter\Uninstall.exe' /S || fail "the silent uninstall failed"
for path in "${installed[@]}" "$folder/32-bit" "$folder" "$(dirname "$clap")"; do
  [ ! -e "$path" ] || fail "the uninstaller left ${path#"$drive_c/"}"
done
! registry >/dev/null || fail "the uninstaller left $key"
echo "check-installer: $setup installs, renders and uninstalls without a trace" >&2
