#!/usr/bin/env bash
# Builds the Debian package from a finished build and inspects it: control
# fields and dependencies, the file list, the desktop entry, the icons and the
# AppStream metadata as the installed system would see them.
#   test_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1
app_id=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log" 2>&1 ||
  { tail -30 "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work"/velmor_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single velmor_*.deb"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "velmor_${version}_${arch}.deb" ] || fail "package file name $(basename "$deb")"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmor ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = hamradio ] || fail "Section: $(field Section)"
depends=$(field Depends)
# From shlibdeps (what the programs link) and the list of what is loaded by name.
for dep in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6network6 \
           libqt6printsupport6 libhpdf libzip4 libqt6sql6-sqlite fonts-liberation2; do
  grep -Eq "(^|, )$dep[^,]*" <<< "$depends" || fail "Depends lacks $dep: $depends"
done
grep -q "qt6-translations-l10n" <<< "$(field Recommends)" || fail "Recommends: $(field Recommends)"
dpkg-deb -I "$deb" > "$work/info.txt"
grep -q "^ Description: " "$work/info.txt" || fail "no description"

# Files: everything under /usr, the program folder as the install rules lay it out.
dpkg-deb -c "$deb" > "$work/contents.txt"
awk '{print $6}' "$work/contents.txt" | grep -v '^\./usr/\|^\./$' && fail "files outside /usr"
folder=./usr/lib/velmor
for f in "$folder/Vlm" "$folder/vlmcli" "$folder/libmeridox.so" "$folder/VlmMain.mdb" \
         "$folder/Empty_Vlm.mdb" "$folder/translations/velmor_nl.qm" \
         "$folder/translations/velmor_fr.qm" "$folder/translations/velmor_de.qm" \
         "./usr/share/applications/$app_id.desktop" \
         "./usr/share/metainfo/$app_id.metainfo.xml" \
         ./usr/share/icons/hicolor/scalable/apps/velmor.svg \
         ./usr/share/icons/hicolor/48x48/apps/velmor.png \
         ./usr/share/icons/hicolor/256x256/apps/velmor.png; do
  grep -q " $f\$" "$work/contents.txt" || fail "the package lacks $f"
done
for program in Vlm vlmcli; do
  grep -q " ./usr/bin/$program -> ../lib/velmor/$program\$" "$work/contents.txt" ||
    fail "/usr/bin/$program is not a link into the program folder"
done
# Executables and the library are mode 755, data files 644, everything owned by root.
grep " $folder/Vlm\$" "$work/contents.txt" | grep -q '^-rwxr-xr-x root/root' || fail "mode of Vlm"
grep " $folder/VlmMain.mdb\$" "$work/contents.txt" | grep -q '^-rw-r--r-- root/root' ||
  fail "mode of VlmMain.mdb"

root=$work/root
dpkg-deb -x "$deb" "$root"

# The desktop entry starts the installed program and names the themed icon.
desktop=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Exec=/usr/bin/Vlm" "$desktop" || fail "Exec line: $(grep ^Exec "$desktop")"
grep -qx "Icon=velmor" "$desktop" || fail "Icon line"

# The PNG icons have the size of their theme folder.
for size in 48 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/velmor.png" |
    grep -q "PNG image data, $size x $size" || fail "velmor.png of ${size}x${size} has another size"
done

# AppStream: valid without the network, the id names the desktop entry.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" > "$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt"; fail "appstreamcli validate"; }
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo launchable"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release $version"
for tag in summary description screenshot content_rating project_license; do
  grep -q "<$tag" "$metainfo" || fail "metainfo lacks <$tag>"
done
# The screenshots named there are committed with the sources.
for shot in $(grep -o 'screenshots/[a-z-]*\.png' "$metainfo"); do
  [ -f "$(dirname "$0")/../../packaging/$shot" ] || fail "packaging/$shot is not committed"
done

# Every library the installed programs need is found: the system's or the
# program folder's (libmeridox.so through RPATH $ORIGIN).
for program in Vlm vlmcli; do
  if ldd "$root/usr/lib/velmor/$program" | grep -q "not found"; then
    ldd "$root/usr/lib/velmor/$program" | grep "not found"
    fail "$program needs a library that is not found"
  fi
done
# No build folder path went into the package.
if grep -rlq --binary-files=text "$build" "$root/usr/share"; then fail "a build path in /usr/share"; fi
echo "Package $(basename "$deb"): OK"
