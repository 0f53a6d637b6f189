# Shared by the release scripts (after common.sh): the version, the build
# folders they read and the stripping of what they ship. The build folders
# can be others for a trial run (SWEEPFILTER_NATIVE_BUILD and so on).
version="$(sed -n 's/^project(SweepFilter VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
[ -n "$version" ] || { echo "release: no project VERSION in CMakeLists.txt" >&2; exit 1; }
native_build="${SWEEPFILTER_NATIVE_BUILD:-$root/build/native}"
win32_build="${SWEEPFILTER_WIN32_BUILD:-$root/build/win32}"
win64_build="${SWEEPFILTER_WIN64_BUILD:-$root/build/win64}"

# As Debian strips what it ships: no debug information, no symbols beyond the
# dynamic ones, no compiler notes.
strip_shipped() {
  strip --strip-unneeded --remove-section=.comment --remove-section=.note "$@"
}
