#!/usr/bin/env bash
# Builds Voxlet's packages into build/packages/:
#   voxlet-VERSION-win32.zip   the 32-bit release folder (build/win/release), to unpack and run
#   voxlet-VERSION-setup.exe   the same as a Simplified Chinese installer, made with NSIS
#   voxlet_VERSION_amd64.deb   the 64-bit release folder (build/win64/release) run under Wine
# The version is the CMake project's. The release folders are built first, so the
# two presets must configure (scripts/install-deps.sh installs what they need).
# File times inside the packages are the last commit's, so a rebuild of the same
# commit packs the same files the same way.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
out=build/packages
stage=$out/stage

for preset in win win64; do
  [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target voxlet_release >/dev/null
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win/CMakeCache.txt)
[ -n "$version" ] || { echo "package: no project version in build/win/CMakeCache.txt" >&2; exit 1; }

if git rev-parse --git-dir >/dev/null 2>&1; then
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
  maintainer=$(git log -1 --format='%an <%ae>')
else
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date +%s)}
  maintainer="Voxlet developers <voxlet@localhost>"
fi
maintainer=${VOXLET_MAINTAINER:-$maintainer}
stamp() { find "$@" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }

rm -rf "$stage"
mkdir -p "$stage"
rm -f "$out"/voxlet-*-win32.zip "$out"/voxlet-*-setup.exe "$out"/voxlet_*_amd64.deb

# ---- Windows: the portable zip ---------------------------------------------------
zip_name=voxlet-$version-win32
cp -r build/win/release "$stage/$zip_name"
stamp "$stage/$zip_name"
(cd "$stage" && find "$zip_name" | LC_ALL=C sort | zip -q -X -9 "$top/$out/$zip_name.zip" -@)

# ---- Windows: the installer ------------------------------------------------------
# The welcome and finish pages show the icon on a light panel (164 x 314, as NSIS wants).
rsvg-convert -w 112 -h 112 -o "$stage/welcome-icon.png" packaging/icon/voxlet.svg
/usr/bin/convert -size 164x314 gradient:'#ffffff-#dce9fb' "$stage/welcome-icon.png" -geometry +26+48 -composite \
  -type truecolor "BMP3:$stage/welcome.bmp"
makensis -V2 -DVERSION="$version" -DRELEASE="$top/build/win/release" -DICON="$top/build/win/icon/voxlet.ico" \
  -DWELCOME="$top/$stage/welcome.bmp" -DOUTFILE="$top/$out/voxlet-$version-setup.exe" packaging/windows/voxlet.nsi >"$stage/makensis.log" ||
  { cat "$stage/makensis.log" >&2; exit 1; }

# ---- Linux: the Debian package ---------------------------------------------------
root=$stage/deb
deb=packaging/deb
lib=$root/usr/lib/voxlet
install -d -m 0755 "$lib" "$root/usr/bin" "$root/usr/share/applications" "$root/usr/share/metainfo" \
  "$root/usr/share/man/man1" "$root/usr/share/doc/voxlet" "$root/DEBIAN"
cp -r build/win64/release/voxlet.exe build/win64/release/voxlet-say.exe build/win64/release/espeak-ng-data "$lib/"
# Wine reads the exes; nothing executes them directly.
find "$lib" -type f -exec chmod 0644 {} + && find "$lib" -type d -exec chmod 0755 {} +
install -m 0755 "$deb/voxlet" "$root/usr/bin/voxlet"
ln -s voxlet "$root/usr/bin/voxlet-say"
install -m 0644 "$deb/voxlet.desktop" "$root/usr/share/applications/"
for size in 16 32 48 256; do
  install -D -m 0644 "build/win64/icon/voxlet-$size.png" "$root/usr/share/icons/hicolor/${size}x$size/apps/voxlet.png"
done
install -D -m 0644 packaging/icon/voxlet.svg "$root/usr/share/icons/hicolor/scalable/apps/voxlet.svg"
fill() { # template: the template with the version, the date and the maintainer
  sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$2/g" -e "s/@MAINTAINER@/$maintainer/g" "$1"
}
fill "$deb/voxlet.metainfo.xml.in" "$(date -u -d "@$SOURCE_DATE_EPOCH" +%F)" >"$root/usr/share/metainfo/voxlet.metainfo.xml"
fill "$deb/voxlet.1" "" | gzip -9n >"$root/usr/share/man/man1/voxlet.1.gz"
ln -s voxlet.1.gz "$root/usr/share/man/man1/voxlet-say.1.gz"
install -m 0644 "$deb/copyright" "$root/usr/share/doc/voxlet/"
fill "$deb/changelog.in" "$(date -u -R -d "@$SOURCE_DATE_EPOCH")" | gzip -9n >"$root/usr/share/doc/voxlet/changelog.gz"
chmod 0644 "$root"/usr/share/metainfo/* "$root"/usr/share/man/man1/voxlet.1.gz "$root"/usr/share/doc/voxlet/*

installed_size=$(du -sk --exclude=DEBIAN "$root" | cut -f1)
fill "$deb/control.in" "" | sed "s/@INSTALLED_SIZE@/$installed_size/" >"$root/DEBIAN/control"
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum >DEBIAN/md5sums)
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
stamp "$root"
dpkg-deb --root-owner-group -Zxz --build "$root" "$out/voxlet_${version}_amd64.deb" >/dev/null

rm -rf "$stage"
for file in "$out/$zip_name.zip" "$out/voxlet-$version-setup.exe" "$out/voxlet_${version}_amd64.deb"; do
  echo "package: $file ($(du -k "$file" | cut -f1) KB)"
done
