#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from the build folder given and checks it as Debian would: lintian
# without errors, dependencies computed from the binary plus the Qt plug-ins it loads and
# xdg-utils, the files in place.
set -e
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/clavora_*.deb)
lintian --fail-on error "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depends_on() {
  echo ", $depends," | grep -q ", $1[ ,]"
}
for needed in libqt6widgets6 libxkbcommon-x11-0 xdg-utils; do
  depends_on "$needed" || { echo "missing dependency $needed" >&2; exit 1; }
done
# The plug-ins Qt loads at run time, which shlibdeps cannot see: the package that holds each.
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
grep -v '^#' "$(dirname "$0")/qt-plugins.txt" | while read -r plugin; do
  owner=$(dpkg -S "$plugins/$plugin" | cut -d: -f1)
  [ -n "$owner" ] || { echo "no package holds $plugins/$plugin" >&2; exit 1; }
  depends_on "$owner" || { echo "missing dependency $owner for the plug-in $plugin" >&2; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/clavora ./usr/share/clavora/Readme.txt ./usr/share/clavora/class/schema.sql ./usr/share/doc/clavora/class-guide.md ./usr/share/applications/org.orvella.Clavora.desktop \
    ./usr/share/metainfo/org.orvella.Clavora.metainfo.xml ./usr/share/man/man1/clavora.1.gz \
    ./usr/share/icons/hicolor/scalable/apps/org.orvella.Clavora.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.orvella.Clavora.png \
    ./usr/share/icons/hicolor/256x256/apps/org.orvella.Clavora.png; do
  echo "$contents" | grep -q " $file\$" || { echo "missing $file" >&2; exit 1; }
done
