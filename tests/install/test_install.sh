#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout, runs vlmcli
# from the prefix and, when run as root, starts the program as an ordinary user
# and checks that nothing was written into the root-owned prefix.
#   test_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
export VLM_SERVER=${VLM_SERVER:-http://127.0.0.1:9}
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

folder=$prefix/lib/velmor
for f in vlmcli libmeridox.so VlmMain.mdb Empty_Vlm.mdb; do
  [ -f "$folder/$f" ] || fail "missing $folder/$f"
done
[ -x "$folder/vlmcli" ] || fail "vlmcli is not executable"
[ "$(readlink "$prefix/bin/vlmcli")" = "../lib/velmor/vlmcli" ] || fail "bin/vlmcli is not a link into the program folder"
# The shipped database is the fresh one, not the build folder's working copy.
cmp -s "$folder/VlmMain.mdb" "$build/data/VlmMain.mdb" || fail "VlmMain.mdb is not the fresh database"

gui=0
if [ -f "$build/program/Vlm" ] && [ -f "$folder/Vlm" ]; then
  gui=1
  [ "$(readlink "$prefix/bin/Vlm")" = "../lib/velmor/Vlm" ] || fail "bin/Vlm is not a link"
  desktop=$prefix/share/applications/$app_id.desktop
  [ -f "$desktop" ] || fail "missing $desktop"
  grep -qx "Exec=$prefix/bin/Vlm" "$desktop" || fail "Exec line does not name $prefix/bin/Vlm"
  grep -qx "Icon=velmor" "$desktop" || fail "Icon line"
  grep -qx "Type=Application" "$desktop" || fail "Type line"
  for icon in scalable/apps/velmor.svg 48x48/apps/velmor.png 256x256/apps/velmor.png; do
    [ -f "$prefix/share/icons/hicolor/$icon" ] || fail "missing icon $icon"
  done
  [ -f "$prefix/share/metainfo/$app_id.metainfo.xml" ] || fail "missing AppStream metadata"
  for f in index.html LowPower.res Graph.rav Help; do
    if [ -e "$build/program/$f" ] && [ ! -e "$folder/$f" ]; then fail "missing $folder/$f"; fi
  done
fi

# The companion runs from the prefix and finds the library in the program folder.
"$prefix/bin/vlmcli" --help | grep -q convert || fail "vlmcli --help does not list convert"
out=$("$prefix/bin/vlmcli" convert to-wgs84 150000 170000)
[ "$out" = "50°50'25\" N, 4°22'08\" E" ] || fail "vlmcli convert from the prefix gave '$out'"

if [ "$(id -u)" -ne 0 ]; then
  echo "Not root: the run as an ordinary user from a root-owned prefix is skipped."
  exit 0
fi
if ! id vlmtest > /dev/null 2>&1; then
  useradd -m vlmtest > /dev/null 2>&1 || { echo "useradd failed: ordinary-user run skipped."; exit 0; }
fi

chown -R root:root "$prefix"
chmod -R go-w "$prefix"
chmod 755 "$work"
home=$work/home
mkdir -p "$home"
chown vlmtest "$home"
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m %T@\n' | sort); }
snapshot > "$work/before.txt"

as_user() {
  runuser -u vlmtest -- env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    VLM_SERVER="$VLM_SERVER" XDG_RUNTIME_DIR="$home/run" "$@"
}
as_user mkdir -p "$home/run"
as_user chmod 700 "$home/run"

out=$(as_user "$prefix/bin/vlmcli" convert to-lambert 50:50:25 4:22:08)
[ "$out" = "150010, 169985" ] || fail "vlmcli as an ordinary user gave '$out'"

if [ "$gui" = 1 ]; then
  # The program keeps running until it is stopped: a clean start is all we ask.
  set +e
  as_user timeout 8 "$prefix/bin/Vlm" > "$work/vlm.log" 2>&1
  code=$?
  set -e
  [ "$code" = 124 ] || { cat "$work/vlm.log"; fail "Vlm ended early with code $code"; }
  copy=$home/.local/share/Velmor/VlmMain.mdb
  [ -f "$copy" ] || fail "the first start did not copy the database to $copy"
  [ -s "$copy" ] || fail "the user's database is empty"
  [ "$(stat -c %U "$copy")" = vlmtest ] || fail "the user's database is not the user's"
  grep -rqs "DbPath=$home/.local/share/Velmor/" "$home/.config" || fail "DbPath does not name the user's data folder"
fi

snapshot > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "something was written into the prefix"
echo "Install layout and ordinary-user run: OK"
