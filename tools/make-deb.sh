#!/usr/bin/env bash
# Packs the native build's LV2 bundle and CLAP plug-in, and plughost where the
# build has it, into release/sweepfilter_<version>_amd64.deb beside the
# tarball: a plain dpkg-deb tree from packaging/deb/, with the Depends field
# computed by dpkg-shlibdeps from the binaries it holds.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$root/tools/release-env.sh"
sources="$root/packaging/deb"
changelog_version="$(dpkg-parsechangelog -l "$sources/changelog" -S Version)"
if [ "$changelog_version" != "$version" ]; then
  echo "make-deb: packaging/deb/changelog ends at $changelog_version, the project is at $version: add an entry" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# dpkg-shlibdeps takes the files below debian/<package>/ for the package's own.
stage="$work/debian/sweepfilter"
doc="$stage/usr/share/doc/sweepfilter"
mkdir -p "$stage/DEBIAN" "$stage/usr/lib/lv2" "$stage/usr/lib/clap" "$doc"
cp -r "$native_build/lv2-bundles/sweepfilter.lv2" "$stage/usr/lib/lv2/"
cp "$native_build/SweepFilter.clap" "$stage/usr/lib/clap/"
binaries=("$stage/usr/lib/lv2/sweepfilter.lv2/sweepfilter.so" "$stage/usr/lib/lv2/sweepfilter.lv2/sweepfilter_ui.so"
  "$stage/usr/lib/clap/SweepFilter.clap")
# plughost by its install rule, where the build has one, with its man page.
cmake --install "$native_build" --prefix "$stage/usr" --component plughost >/dev/null
if [ -e "$stage/usr/bin/plughost" ]; then
  mkdir -p "$stage/usr/share/man/man1"
  binaries+=("$stage/usr/bin/plughost")
  sed "s/@VERSION@/$version/" "$sources/plughost.1" | gzip -9n >"$stage/usr/share/man/man1/plughost.1.gz"
fi
strip_shipped "${binaries[@]}"
cp "$root/docs/USER_GUIDE.md" "$root/docs/panel.png" "$sources/copyright" "$doc/"
gzip -9n <"$sources/changelog" >"$doc/changelog.gz"

# Plug-ins are loaded, not run: only plughost is executable.
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
[ ! -e "$stage/usr/bin/plughost" ] || chmod 755 "$stage/usr/bin/plughost"

# For debsums and dpkg --verify.
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"

# dpkg-shlibdeps reads the package's name from a source control file.
printf 'Source: sweepfilter\n\nPackage: sweepfilter\nArchitecture: amd64\n' >"$work/debian/control"
depends="$(cd "$work" && dpkg-shlibdeps -O "${binaries[@]}" 2>"$work/shlibdeps.log")" ||
  { cat "$work/shlibdeps.log" >&2; exit 1; }
depends="${depends#shlibs:Depends=}"
installed_size="$(du -sk --apparent-size --exclude=DEBIAN "$stage" | cut -f1)"
sed -e "s/@VERSION@/$version/" -e "s/@DEPENDS@/$depends/" -e "s/@INSTALLED_SIZE@/$installed_size/" \
  "$sources/control.in" >"$stage/DEBIAN/control"

release="$native_build/release"
deb="$release/sweepfilter_${version}_amd64.deb"
mkdir -p "$release"
# The same tree gives the same bytes: every time in it is the last entry's.
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$sources/changelog" -S Timestamp)" \
  dpkg-deb --root-owner-group -Zxz --build "$stage" "$work/package.deb" >/dev/null
mv "$work/package.deb" "$deb"
echo "release: $deb" >&2
