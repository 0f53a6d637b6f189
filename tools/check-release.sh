#!/usr/bin/env bash
# Packs the release zip from the two Windows builds and the Linux tarball
# from the native build's LV2 bundle and CLAP plug-in, and checks what they hold;
# then makes and checks the Debian package and the Windows installer.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$root/tools/release-env.sh"
cd "$win32_build"
rm -rf release
cpack -G ZIP >/dev/null
zip_file=$(ls release/SweepFilter-*-windows.zip)
listing=$(unzip -Z1 "$zip_file" | sort)
expected=$(printf '%s\n' 32-bit/ 32-bit/SweepFilter.dll 64-bit/ 64-bit/SweepFilter.dll 64-bit/SweepFilter.clap \
  "User Guide.md" panel.png | sort)
if [ "$listing" != "$expected" ]; then
  echo "release zip holds:" >&2; echo "$listing" >&2; exit 1
fi
echo "release: $win32_build/$zip_file" >&2

# The LV2 bundle, the CLAP plug-in and the user guide in one folder named like
# the archive, as Linux releases unpack; written whole or not at all.
release="$native_build/release"
package="SweepFilter-$version-linux-x86_64"
tarball="$release/$package.tar.gz"
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/$package"
cp -r "$native_build/lv2-bundles/sweepfilter.lv2" "$staging/$package/"
cp "$native_build/SweepFilter.clap" "$staging/$package/"
strip_shipped "$staging/$package/sweepfilter.lv2/sweepfilter.so" "$staging/$package/sweepfilter.lv2/sweepfilter_ui.so" \
  "$staging/$package/SweepFilter.clap"
cp "$root/docs/USER_GUIDE.md" "$staging/$package/USER_GUIDE.md"
mkdir -p "$release"
tar -czf "$staging/package.tar.gz" -C "$staging" "$package"
listing=$(tar -tzf "$staging/package.tar.gz" | sort)
expected=$(printf "$package/%s\n" "" sweepfilter.lv2/ sweepfilter.lv2/manifest.ttl sweepfilter.lv2/presets.ttl \
  sweepfilter.lv2/sweepfilter.so sweepfilter.lv2/sweepfilter.ttl SweepFilter.clap USER_GUIDE.md \
  sweepfilter.lv2/sweepfilter_ui.so sweepfilter.lv2/pictures/ sweepfilter.lv2/pictures/{1000..1012}.bmp \
  sweepfilter.lv2/pictures/2x/ sweepfilter.lv2/pictures/2x/{1000..1012}.bmp | sort)
if [ "$listing" != "$expected" ]; then
  echo "release tarball holds:" >&2; echo "$listing" >&2; exit 1
fi
mv "$staging/package.tar.gz" "$tarball"
echo "release: $tarball" >&2

# Installing from the source tree into a home folder gives the tarball's
# plug-ins in the folders hosts search for a user's own: ~/.lv2 and ~/.clap.
cmake --install "$native_build" --prefix "$staging/home" --component plugins >/dev/null
listing=$(cd "$staging/home" && find . -type f | sort)
expected=$(tar -tzf "$tarball" | sed -n "s|^$package/sweepfilter.lv2/\(.*[^/]\)$|./.lv2/sweepfilter.lv2/\1|p
  s|^$package/SweepFilter.clap$|./.clap/SweepFilter.clap|p" | sort)
if [ "$listing" != "$expected" ]; then
  echo "cmake --install --prefix HOME gives:" >&2; echo "$listing" >&2; exit 1
fi

bash "$root/tools/make-deb.sh"
bash "$root/tools/check-deb.sh"
bash "$root/tools/make-installer.sh"
bash "$root/tools/check-installer.sh"
